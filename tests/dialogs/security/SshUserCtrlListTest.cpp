// The SSH user dialogs against krs-sim: Set sends the mode alone, or with host-based
// authentication the host too; the edit dialog is made once, shown again, closes only on a
// write that was sent, and is freed with the list.
#include "SSHUserCtrlList.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "SSHUserCtrlEdit.h"
#include "StaticText.h"

#include <QPointer>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kUsers = ".1.3.6.1.4.1.58613.12.6.4.1.1.";
const std::string kAdmin = ".5.97.100.109.105.110";
const std::string kBackup = ".6.98.97.99.107.117.112";
enum Row { kOps, kAdminRow, kBackupRow };

class SshUserCtrlListTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open({});
    }
    void Open(std::vector<std::string> simArgs) {
        delete dialog;
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<TSSHUserCtrlList>(nullptr);
        dialog->Show();
        Settle();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Settle() {
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->UserRequest->Busy; }));
    }
    void Select(int row) {
        dialog->lvData->SetSelected(dialog->lvData->Item(row));
        dialog->lvDataClick();
    }
    // Runs fill inside the edit dialog once shown, presses Set, and closes the dialog when it
    // stayed open (noting that it did).
    void EditWith(std::function<void(TSSHUserCtrlEdit&)> fill) {
        stayedOpen = false;
        QTimer::singleShot(0, [this, fill] {
            TSSHUserCtrlEdit* editor = SSHUserCtrlEdit;
            if (editor != nullptr && editor->isVisible()) {
                fill(*editor);
                editor->btnSet->Click();
                stayedOpen = editor->ModalResult() == mrNone; // Close ends the modal loop
                hostAfterSet = editor->edtHostName->Text();
                if (stayedOpen) {
                    editor->Close();
                }
            }
        });
        dialog->btnEdit->Click();
        Settle();
    }
    static void ChooseMode(TSSHUserCtrlEdit& e, int mode) {
        e.cbbAuthMode->SetItemIndex(mode);
        emit e.cbbAuthMode->activated(mode);
    }

    TSSHUserCtrlList* dialog = nullptr;
    bool stayedOpen = false;
    QString hostAfterSet; // the host name in the edit dialog after its Set
};

TEST_F(SshUserCtrlListTest, ARowShowsItsAccountAndTheModeRule) {
    ASSERT_EQ(dialog->lvData->ItemCount(), 3);
    EXPECT_EQ(dialog->StaticText->Caption(), QStringLiteral("3"));
    EXPECT_FALSE(dialog->btnEdit->Enabled());
    Select(kBackupRow);
    EXPECT_TRUE(dialog->btnEdit->Enabled());
    EXPECT_EQ(dialog->Editor->edtHostName->Text(), QStringLiteral("mgmt-host"));
    EXPECT_TRUE(dialog->Editor->edtHostName->isEnabled());
    Select(kAdminRow);
    EXPECT_EQ(dialog->Editor->cbbAuthMode->Text(), QStringLiteral("password"));
    EXPECT_FALSE(dialog->Editor->edtHostName->isEnabled());
    EXPECT_FALSE(dialog->Editor->edtHostIPAddr->isEnabled());
    EXPECT_EQ(dialog->Editor->Caption(), QStringLiteral("SSH User Control Edit Table"));
    Screenshot(dialog, "SSHUserCtrlList");
    Screenshot(dialog->Editor, "SSHUserCtrlEdit");
}

TEST_F(SshUserCtrlListTest, SetSendsTheModeAndOnlyForHostBasedTheHost) {
    Select(kAdminRow);
    EditWith([](TSSHUserCtrlEdit& e) { ChooseMode(e, 2); });
    EXPECT_FALSE(stayedOpen);
    Select(kBackupRow);
    EditWith([](TSSHUserCtrlEdit& e) {
        e.edtHostName->SetText(QStringLiteral("mgmt-2"));
        e.edtHostIPAddr->SetText(QStringLiteral("10.90.90.51"));
    });
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(Sets(kUsers),
              (std::vector<std::string>{"2" + kAdmin + "=INTEGER:3",
                                        "2" + kBackup + "=INTEGER:1 3" + kBackup + "=STRING:mgmt-2 4" +
                                            kBackup + "=IpAddress:10.90.90.51"}));
    EXPECT_EQ(dialog->lvData->ItemCount(), 3) << "read again after each write";
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(SshUserCtrlListTest, ABadHostAddressKeepsTheDialogOpenAndSendsNothing) {
    Select(kBackupRow);
    EditWith([](TSSHUserCtrlEdit& e) { e.edtHostIPAddr->SetText(QStringLiteral("10.90.90")); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input a valid IP.")});
    EXPECT_TRUE(Sets(kUsers).empty());
}

// The user can correct what the agent refused: the dialog stays open with the typed text and the
// agent's reason in a box; the same Set taken afterwards closes it.
TEST_F(SshUserCtrlListTest, ASetTheAgentRefusesKeepsTheEditDialogOpenWithWhatWasTyped) {
    Open({"--set-error", kUsers + "3=wrongLength"});
    Select(kBackupRow);
    EditWith([](TSSHUserCtrlEdit& e) { e.edtHostName->SetText(QStringLiteral("mgmt-3")); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(hostAfterSet, QStringLiteral("mgmt-3"));
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("(SNMP) Cannot create/set variable, Wrong Length!")});
    EXPECT_EQ(Sets(kUsers).size(), 1U) << "sent once, refused";
}

TEST_F(SshUserCtrlListTest, AnEmptyUserNameIsRefusedInABoxAndNothingIsSent) {
    Select(kBackupRow);
    EditWith([](TSSHUserCtrlEdit& e) { e.edtUserName->SetText(QString()); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input the user name.")});
    EXPECT_TRUE(Sets(kUsers).empty());
}

TEST_F(SshUserCtrlListTest, TheEditDialogIsFreedWithTheList) {
    const QPointer<TSSHUserCtrlEdit> editor = dialog->Editor;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [] {
            if (SSHUserCtrlEdit != nullptr) {
                SSHUserCtrlEdit->Close();
            }
        });
        emit dialog->lvData->itemDoubleClicked(nullptr, 0); // on the empty space: opens it too
        EXPECT_EQ(SSHUserCtrlEdit, editor.data()) << "made once, shown again";
    }
    EXPECT_TRUE(Sets(kUsers).empty());
    delete dialog;
    dialog = nullptr;
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(SSHUserCtrlEdit, nullptr);
}

} // namespace
} // namespace qs::test
