// The guest VLAN dialog against krs-sim: the name is sent only when it changed, the ports always,
// and Delete sends the delete state alone; each write is followed by a fresh read.
#include "GuestVlanForm.h"
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kGuest = ".1.3.6.1.4.1.58613.12.30.1.";

class GuestVlanFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TGuestVlanForm>(nullptr);
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->NameRequest->Busy; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }

    TGuestVlanForm* dialog = nullptr;
};

TEST_F(GuestVlanFormTest, ShowsTheGuestVlanAndItsPorts) {
    EXPECT_EQ(dialog->edtName->Text(), QStringLiteral("guests"));
    EXPECT_EQ(dialog->Edit1->Text(), QStringLiteral("guests"));
    EXPECT_TRUE(dialog->GuestPorts.Ticked(21));
    EXPECT_TRUE(dialog->GuestPorts.Ticked(24));
    EXPECT_FALSE(dialog->GuestPorts.Ticked(20));
    EXPECT_EQ(dialog->GuestRequest->Request.Timeout, 300);
    Screenshot(dialog, "GuestVlanForm");
}

TEST_F(GuestVlanFormTest, WritesSendTheNameOnlyWhenItChanged) {
    struct Case {
        const char* what;
        const char* name;
        int tick;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"unchanged name: the ports alone", "guests", 1, {"2.0=STRING:80 00 0F 00 00 00 00 00"}},
        {"changed name", "visitors", 0, {"1.0=STRING:visitors 2.0=STRING:00 00 0F 00 00 00 00 00"}},
        {"emptied name is sent empty", "", 0, {"1.0=STRING: 2.0=STRING:00 00 0F 00 00 00 00 00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mark();
        dialog->BT_Get->Click();
        ASSERT_TRUE(WaitFor([this] { return !dialog->NameRequest->Busy; }));
        Mark();
        dialog->edtName->SetText(QString::fromLatin1(c.name));
        if (c.tick) {
            dialog->GuestPorts.Tick(c.tick, true);
        }
        dialog->SetBtn->Click();
        ASSERT_TRUE(WaitFor([this] { return !dialog->NameRequest->Busy; }));
        EXPECT_EQ(Sets(kGuest), c.sets);
        EXPECT_EQ(Pdus().front(), "set");
        EXPECT_GE(Pdus().size(), 3u) << "read again after the write";
        EXPECT_EQ(dialog->GuestRequest->Request.List.GetVar(0)->Access, unsigned{ACC_READWRITE});
        EXPECT_TRUE(messages.boxes.isEmpty());
        sim.reset();
        ASSERT_TRUE(StartSim());
        delete dialog;
        dialog = CreateForm<TGuestVlanForm>(nullptr);
        ASSERT_TRUE(WaitFor([this] { return !dialog->NameRequest->Busy; }));
    }
}

TEST_F(GuestVlanFormTest, DeleteSendsTheDeleteStateAndReadsAgain) {
    dialog->DelBtn->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->NameRequest->Busy; }));
    EXPECT_EQ(Sets(kGuest), std::vector<std::string>{"3.0=INTEGER:2"});
    EXPECT_GE(Pdus().size(), 3u);
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
