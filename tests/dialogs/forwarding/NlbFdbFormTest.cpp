// The NLB forwarding dialogs against krs-sim: the exact SETs of Add, Set and Delete, the keys
// checked before any of them, and the list left as it was after Set.
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "NLBMulticastFDBForm.h"
#include "NLBUnicastFDBForm.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kNlb = ".1.3.6.1.4.1.58613.12.77.3.";

class NlbFdbFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(bool multicast) {
        ASSERT_TRUE(StartSim()) << sim->lastError();
        if (multicast) {
            dialog = CreateForm<TNLBMulticastFDBForm>(nullptr);
        } else {
            dialog = CreateForm<TNLBUnicastFDBForm>(nullptr);
        }
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->NlbRequest->Busy; }));
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
        sim.reset();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectRow(int i) {
        dialog->LV_dot1qStaticUnicastEntry->SetSelected(dialog->LV_dot1qStaticUnicastEntry->Item(i));
        dialog->LV_dot1qStaticUnicastEntryClick();
    }
    void Settle() {
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->NlbRequest->Busy; }));
    }
    int Rows() const { return dialog->LV_dot1qStaticUnicastEntry->ItemCount(); }

    NlbFdbForm* dialog = nullptr;
};

TEST_F(NlbFdbFormTest, ARowFillsTheKeysAndThePorts) {
    Open(true);
    ASSERT_EQ(Rows(), 1);
    SelectRow(0);
    EXPECT_EQ(dialog->VidEdit->Text(), QStringLiteral("10"));
    EXPECT_EQ(dialog->MacEdit->Text(), QStringLiteral("03BF0A000002"));
    EXPECT_TRUE(dialog->Ports.Ticked(27));
    EXPECT_FALSE(dialog->MacEdit->isEnabled());
    EXPECT_TRUE(dialog->SetBtn->Enabled());
    EXPECT_FALSE(dialog->AddBtn->Enabled());
    Screenshot(dialog, "NLBMulticastFDBForm");
}

TEST_F(NlbFdbFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        bool multicast;
        std::function<void(NlbFdbFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"multicast Add",
         true,
         [](NlbFdbFormTest& t) {
             t.dialog->VidEdit->SetText(QStringLiteral("20"));
             t.dialog->MacEdit->SetText(QStringLiteral("03BF0A000009"));
             t.dialog->Ports.Tick(1, true);
             t.dialog->AddBtn->Click();
         },
         {"2.1.3.20.3.191.10.0.0.9=STRING:80 00 00 00 00 00 00 00 2.1.4.20.3.191.10.0.0.9=INTEGER:4"},
         2},
        {"unicast Set: ports and the row's status; the list stays",
         false,
         [](NlbFdbFormTest& t) {
             t.SelectRow(0);
             t.dialog->Ports.Tick(1, true);
             t.dialog->SetBtn->Click();
         },
         {"1.1.2.2.191.10.0.0.1=STRING:80 00 03 00 00 00 00 00 1.1.3.2.191.10.0.0.1=INTEGER:1"},
         1},
        {"unicast Delete: destroy alone, no question",
         false,
         [](NlbFdbFormTest& t) {
             t.SelectRow(0);
             t.dialog->DeleteBtn->Click();
         },
         {"1.1.3.2.191.10.0.0.1=INTEGER:6"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.multicast);
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kNlb), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(messages.boxes.isEmpty());
        EXPECT_TRUE(dialog->AddBtn->Enabled());
        EXPECT_FALSE(dialog->SetBtn->Enabled());
        Close();
    }
}

TEST_F(NlbFdbFormTest, KeysAreCheckedBeforeAnythingIsSent) {
    struct Case {
        bool multicast;
        const char* vid;
        const char* mac;
        const char* message;
    };
    const Case cases[] = {
        {true, "", "03BF0A000009", "Please Input VLAN ID and MAC Address!"},
        {true, "20", "", "Please Input VLAN ID and MAC Address!"},
        {false, "", "", "Please Input MAC Address!"},
        {false, "", "03BF0A00000", "Please input a valid MAC address."},
        {true, "20", "03BF0A0000091", "Please input a valid MAC address."},
        {true, "20", "03-BF-0A-00", "Please input a valid MAC address."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mac);
        Open(c.multicast);
        messages.boxes.clear();
        dialog->VidEdit->SetText(QString::fromLatin1(c.vid));
        dialog->MacEdit->SetText(QString::fromLatin1(c.mac));
        dialog->AddBtn->Click();
        QTest::qWait(100);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sets(kNlb).empty());
        Close();
    }
}

} // namespace
} // namespace qs::test
