// The member switch dialogs against krs-sim: the list on opening, Add's SET at the member ID as
// the instance suffix (replaced for every Add, never appended), the refusals that send nothing and
// keep the sub-dialog open, Delete's row status alone, and the list read again afterwards.
#include "MSInformationForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "MSEditForm.h"
#include "QsSNMPRequest2Edits.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kMembers = ".1.3.6.1.4.1.58613.12.8.1.3.1.";

class MSInformationFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open({});
    }
    void Open(std::vector<std::string> simArgs) {
        delete dialog;
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<TMSInformationForm>(nullptr);
        dialog->Show();
        Settle();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] {
            return !dialog->ListRequest->Busy && !dialog->Editor->MemberRequest->Busy &&
                   !dialog->ListView1->ItemsPending();
        }));
    }
    // Runs fill in the sub-dialog once Add has shown it; presses Set when set, then closes it if
    // it is still open.
    void AddWith(std::function<void(TMSEditForm&)> fill, bool set = true) {
        QTimer::singleShot(0, [this, fill, set] {
            TMSEditForm* editor = MSEditForm;
            if (editor == nullptr || !editor->isVisible()) {
                return;
            }
            fill(*editor);
            if (set) {
                editor->SetButton->Click();
            }
            stayedOpen = editor->ModalResult() == mrNone;
            passwordAfterSet = editor->MS_Password->Text();
            if (stayedOpen) {
                editor->CloseButton->Click();
            }
        });
        dialog->AddButton->Click();
        Settle();
    }
    std::vector<QString> Ids() const {
        std::vector<QString> ids;
        for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
            ids.push_back(dialog->ListView1->Item(i)->Caption());
        }
        return ids;
    }

    TMSInformationForm* dialog = nullptr;
    bool stayedOpen = false;
    QString passwordAfterSet; // the password in the sub-dialog after its Set
};

TEST_F(MSInformationFormTest, OpeningListsTheMembers) {
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 10);
    const char* titles[] = {
        "ID",       "Device Name", "MAC Address",         "Firmware Version", "Capability",
        "Platform", "Hold Time",   "Member Candidate ID", "Member Password",  "Member Row Status"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list->ColumnCaption(i), QLatin1String(titles[i]));
    }
    EXPECT_EQ(Ids(), (std::vector<QString>{"1", "4"}));
    EXPECT_EQ(list->Item(1)->SubItem(0), QStringLiteral("floor3-sw-4"));
    EXPECT_EQ(list->Item(0)->SubItem(8), QStringLiteral("active"));
    EXPECT_FALSE(dialog->DeleteButton->Enabled());
    EXPECT_EQ(dialog->ListRequest->Request.Timeout, 500);
    Screenshot(dialog, "MSInformationForm");
}

TEST_F(MSInformationFormTest, AddSendsTheMemberAtItsIdEachTimeAfresh) {
    QString caption;
    AddWith([&](TMSEditForm& e) {
        caption = e.Caption();
        EXPECT_TRUE(e.KeyIDEdit->isEnabled());
        EXPECT_EQ(e.Row_Status->Text(), QStringLiteral("createAndGo"));
        e.MSIDEdit->SetText(QStringLiteral("7"));
        e.KeyIDEdit->SetText(QStringLiteral("3"));
        e.MS_Password->SetText(QStringLiteral("pw7"));
        Screenshot(&e, "MSEditForm");
    });
    EXPECT_EQ(caption, QStringLiteral("MS Add"));
    EXPECT_FALSE(stayedOpen);
    AddWith([](TMSEditForm& e) {
        EXPECT_TRUE(e.MSIDEdit->Text().isEmpty());
        EXPECT_EQ(e.MS_Password->Text(), QStringLiteral("pw7")) << "kept from the previous Add";
        e.MSIDEdit->SetText(QStringLiteral("12"));
        e.KeyIDEdit->SetText(QStringLiteral("5"));
        e.MS_Password->SetText(QString());
    });
    EXPECT_EQ(Sets(kMembers), (std::vector<std::string>{"8.7=INTEGER:3 9.7=STRING:pw7 10.7=INTEGER:4",
                                                        "8.12=INTEGER:5 9.12=STRING: 10.12=INTEGER:4"}));
    EXPECT_EQ(Ids(), (std::vector<QString>{"1", "4", "7", "12"}));
    // The sub-dialog's request has no status output: its successes are reported in boxes too.
    EXPECT_EQ(messages.boxes.size(), 2);
}

TEST_F(MSInformationFormTest, RefusedInputSendsNothingAndKeepsTheSubDialogOpen) {
    struct Case {
        const char* id;
        const char* candidate;
        int rowStatus;
        const char* message;
    };
    const Case cases[] = {
        {"4", "", 0, "There is already a record with the same Member Switch ID. Please modified it."},
        {"", "", 1, "Member Siwitch ID is needed."},
        {"9", "", 1, "Member Candidate ID is needed."},
        {"9", "2", 0, "Member Row State must be createAndGo."},
        {"9", "2", -1, "Member Row State must be createAndGo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        Mark();
        AddWith([&](TMSEditForm& e) {
            e.MSIDEdit->SetText(QString::fromLatin1(c.id));
            e.KeyIDEdit->SetText(QString::fromLatin1(c.candidate));
            e.Row_Status->SetItemIndex(c.rowStatus);
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(messages.boxes[0].kind, c.id == std::string("4") ? BoxKind::Warning : BoxKind::Simple);
        EXPECT_TRUE(Sets(kMembers).empty());
        EXPECT_EQ(Pdus().front(), "getnext") << "the list is read again all the same";
    }
}

TEST_F(MSInformationFormTest, AnAddTheAgentRefusesKeepsTheSubDialogOpenWithWhatWasTyped) {
    Open({"--set-error", kMembers + "9=wrongLength"});
    AddWith([](TMSEditForm& e) {
        e.MSIDEdit->SetText(QStringLiteral("7"));
        e.KeyIDEdit->SetText(QStringLiteral("3"));
        e.MS_Password->SetText(QStringLiteral("pw7"));
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(passwordAfterSet, QStringLiteral("pw7"));
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("(SNMP) Cannot create/set variable, Wrong Length!")});
}

TEST_F(MSInformationFormTest, AddClosedWithoutSetReadsTheListAgain) {
    AddWith([](TMSEditForm&) {}, false);
    EXPECT_FALSE(Pdus().empty());
    EXPECT_TRUE(Sets(kMembers).empty());
    EXPECT_EQ(Ids(), (std::vector<QString>{"1", "4"}));
}

TEST_F(MSInformationFormTest, DeleteSendsTheRowStatusOfTheSelectedMemberAlone) {
    dialog->ListView1->SetSelected(dialog->ListView1->Item(1));
    dialog->ListView1Click();
    ASSERT_TRUE(dialog->DeleteButton->Enabled());
    dialog->DeleteButton->Click();
    Settle();
    EXPECT_EQ(Sets(kMembers), std::vector<std::string>{"10.4=INTEGER:6"});
    EXPECT_EQ(Ids(), std::vector<QString>{"1"});
    EXPECT_FALSE(dialog->DeleteButton->Enabled());
    const QsSNMPVarList& list = dialog->Editor->MemberRequest->Request.List;
    EXPECT_EQ(list.GetVar(TMSEditForm::kCandidateId)->Access, unsigned{ACC_READWRITE});
    EXPECT_EQ(list.GetVar(TMSEditForm::kPassword)->Access, unsigned{ACC_READWRITE});
    EXPECT_EQ(messages.boxes.size(), 1) << "the framework's report of the reply";
}

TEST_F(MSInformationFormTest, RefreshDuringAWalkListsEveryMemberOnce) {
    dialog->GetButton->Click();
    dialog->GetButton->Click();
    Settle();
    EXPECT_EQ(Ids(), (std::vector<QString>{"1", "4"}));
}

} // namespace
} // namespace qs::test
