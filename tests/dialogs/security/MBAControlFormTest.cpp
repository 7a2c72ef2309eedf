// The MAC-based access control dialog against krs-sim: the four reads on opening in their order,
// Set's settings SET and guest VLAN SET by the current and the typed name, a clear-all "start"
// sent once only, the refusals, Delete of the guest VLAN name, and a failed read shown.
#include "MBAControlForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kMba = ".1.3.6.1.4.1.58613.12.35.1.";
const std::string kSettings = "1.0=INTEGER:2 2.0=INTEGER:1 3.0=STRING:mbapass 8.0=INTEGER:1";
const std::string kPorts = "5.0=STRING:00 00 30 00 00 00 00 00";

class MBAControlFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open();
        Mark();
    }
    void Open(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        mark = 0;
        dialog = CreateForm<TMBAControlForm>(nullptr);
        dialog->Show();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    // The first OID of each request since the mark, less the prefix.
    std::vector<std::string> FirstOids() const {
        std::vector<std::string> oids;
        for (const JournalRecord& r : Sent()) {
            oids.push_back(r.varbinds.empty() ? std::string() : r.varbinds[0].oid.substr(kMba.size()));
        }
        return oids;
    }

    TMBAControlForm* dialog = nullptr;
};

TEST_F(MBAControlFormTest, OpeningReadsTheFourRequestsInOrder) {
    EXPECT_EQ(dialog->Cbox_State->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->Cbox_Method->Text(), QStringLiteral("local"));
    EXPECT_EQ(dialog->edtPassWord->Text(), QStringLiteral("mbapass"));
    EXPECT_EQ(dialog->Cbox_ClearAllAction->Text(), QStringLiteral("other"));
    EXPECT_EQ(dialog->edtName->Text(), QStringLiteral("mba-guests"));
    EXPECT_EQ(dialog->Edit1->Text(), QStringLiteral("mba-guests"));
    EXPECT_EQ(dialog->cbxDel->Text(), QStringLiteral("none"));
    EXPECT_TRUE(dialog->GuestPorts.Ticked(19));
    EXPECT_TRUE(dialog->GuestPorts.Ticked(20));
    EXPECT_FALSE(dialog->GuestPorts.Ticked(21));
    for (QsSNMPRequest2Edits* r :
         {dialog->SettingsRequest, dialog->GuestRequest, dialog->DeleteRequest, dialog->NameRequest}) {
        EXPECT_EQ(r->Request.Timeout, 300);
    }
    mark = 0;
    EXPECT_EQ(Pdus(), std::vector<std::string>(4, "get"));
    EXPECT_EQ(FirstOids(), (std::vector<std::string>{"4.0", "1.0", "4.0", "7.0"}));
    EXPECT_EQ(Sent()[1].varbinds.size(), 4u);
    EXPECT_EQ(Sent()[2].varbinds.size(), 2u);
    QTest::qWait(200); // the picker lays its boxes out once shown
    Screenshot(dialog, "MBAControlForm");
}

TEST_F(MBAControlFormTest, SetSendsTheSettingsThenTheGuestVlanByItsName) {
    struct Case {
        const char* what;
        const char* current; // null: as read
        const char* typed;
        std::vector<std::string> sets;
        const char* message;
    };
    const Case cases[] = {
        {"unchanged name: the ports alone", nullptr, "mba-guests", {kSettings, kPorts}, nullptr},
        {"renamed",
         nullptr,
         "visitors",
         {kSettings},
         "Can't change the VLAN name,delete previous name first!"},
        {"no name yet, one typed", "", "visitors", {kSettings, "4.0=STRING:visitors " + kPorts}, nullptr},
        {"no name yet, none typed", "", "", {kSettings}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        Mark();
        if (c.current) {
            dialog->Edit1->SetText(QString::fromLatin1(c.current));
        }
        dialog->edtName->SetText(QString::fromLatin1(c.typed));
        dialog->SetBtn->Click();
        EXPECT_EQ(Sets(kMba), c.sets);
        EXPECT_EQ(Pdus(), std::vector<std::string>(c.sets.size(), "set")) << "nothing read again";
        EXPECT_EQ(messages.Texts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
        EXPECT_EQ(dialog->GuestRequest->Request.List.GetVar(0)->Access, unsigned{ACC_READWRITE});
        messages.boxes.clear();
    }
}

TEST_F(MBAControlFormTest, AnEmptyPasswordBlocksTheWholeSet) {
    dialog->edtPassWord->SetText(QString());
    dialog->edtName->SetText(QStringLiteral("mba-guests"));
    dialog->SetBtn->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("The Pssword can't be NULL!")});
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MBAControlFormTest, ClearAllIsSentOnceAndTheComboGoesBackToOther) {
    dialog->Cbox_ClearAllAction->SetItemIndex(1);
    dialog->SetBtn->Click();
    EXPECT_EQ(dialog->Cbox_ClearAllAction->Text(), QStringLiteral("other"));
    dialog->Cbox_State->SetItemIndex(0);
    dialog->SetBtn->Click();
    EXPECT_EQ(Sets(kMba), (std::vector<std::string>{
                              "1.0=INTEGER:2 2.0=INTEGER:1 3.0=STRING:mbapass 8.0=INTEGER:2", kPorts,
                              "1.0=INTEGER:1 2.0=INTEGER:1 3.0=STRING:mbapass 8.0=INTEGER:1", kPorts}));
}

TEST_F(MBAControlFormTest, DeleteSendsTheNameDeleteStateAndReadsAgain) {
    dialog->DelBtn->Click();
    EXPECT_EQ(Sets(kMba), std::vector<std::string>{"7.0=INTEGER:2"});
    EXPECT_EQ(FirstOids(), (std::vector<std::string>{"7.0", "4.0", "7.0", "4.0", "1.0"}));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(MBAControlFormTest, AFailedReadIsShown) {
    Open({"--drop-under", kMba + "7"}); // the name-delete state, read last
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
        << dialog->StatusOut().Text().toStdString();
    EXPECT_EQ(dialog->edtName->Text(), QStringLiteral("mba-guests"));
}

} // namespace
} // namespace qs::test
