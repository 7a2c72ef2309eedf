// The protocol VLAN port dialogs against krs-sim: Add sends the new row and then its VLAN and
// priority, Edit only the VLAN and priority of the selected row, Delete the row status alone.
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "dot1vProtocolPortEdit.h"
#include "dot1vProtocolPortForm.h"

#include <QTimer>

namespace qs::test {
namespace {

class ProtocolPortFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open({});
    }
    void Open(std::vector<std::string> simArgs) {
        delete dialog;
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<Tdot1vProtocolPortForm>(nullptr);
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    // Runs fill inside the edit dialog once it is shown, then presses its Set; closes it when it
    // stayed open (noting that it did).
    void WhileEditorShown(std::function<void(Tdot1vProtocolPortEdit&)> fill) {
        stayedOpen = false;
        QTimer::singleShot(0, [this, fill] {
            Tdot1vProtocolPortEdit* editor = dot1vProtocolPortEdit;
            if (editor != nullptr && editor->isVisible()) {
                caption = editor->Caption();
                fill(*editor);
                editor->btn_Set->Click();
                stayedOpen = editor->ModalResult() == mrNone; // Close ends the modal loop
                vidAfterSet = editor->edt_groupvid->Text();
                if (stayedOpen) {
                    editor->btn_Close->Click();
                }
            }
        });
    }
    void Settle() {
        QTest::qWait(150);
        ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
        QTest::qWait(150);
        ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
    }
    void Select(int row) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(row));
        dialog->ListView1Click();
    }

    Tdot1vProtocolPortForm* dialog = nullptr;
    QString caption;
    bool stayedOpen = false;
    QString vidAfterSet; // the group's VLAN in the edit dialog after its Set
};

TEST_F(ProtocolPortFormTest, AddSendsTheNewRowThenItsVlanAndPriority) {
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    WhileEditorShown([](Tdot1vProtocolPortEdit& e) {
        EXPECT_TRUE(e.edt_baseport->isEnabled());
        EXPECT_EQ(e.edt_grouppri->Text(), QStringLiteral("-"));
        e.edt_baseport->SetText(QStringLiteral("5"));
        e.edt_groupid->SetText(QStringLiteral("3"));
        e.edt_groupvid->SetText(QStringLiteral("30"));
    });
    dialog->Btn_Add->Click();
    Settle();
    EXPECT_EQ(caption, QStringLiteral("Protocol VLAN Port Add Table"));
    EXPECT_EQ(Sets(".1.3.6.1."),
              (std::vector<std::string>{
                  "4.1.58613.12.16.1.2.1.1.5.3=INTEGER:-1 2.1.17.7.1.5.2.1.3.5.3=INTEGER:4",
                  "2.1.17.7.1.5.2.1.2.5.3=INTEGER:30 4.1.58613.12.16.1.2.1.1.5.3=INTEGER:-1"}));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3) << "every row once after the two reads";
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

// Add stops at its first refused SET; Add and Edit leave the dialog open with what was typed.
TEST_F(ProtocolPortFormTest, AWriteTheAgentRefusesKeepsTheEditDialogOpenWithWhatWasTyped) {
    Open({"--set-error", ".1.3.6.1.2.1.17.7.1.5.2.1.2=wrongValue"});
    const struct {
        const char* name;
        bool add;
        std::size_t sets;
    } cases[] = {{"Add", true, 2}, {"Edit", false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.boxes.clear();
        Mark();
        if (!c.add) {
            Select(0);
        }
        WhileEditorShown([&c](Tdot1vProtocolPortEdit& e) {
            if (c.add) {
                e.edt_baseport->SetText(QStringLiteral("5"));
                e.edt_groupid->SetText(QStringLiteral("3"));
            }
            e.edt_groupvid->SetText(QStringLiteral("31"));
        });
        (c.add ? dialog->Btn_Add : dialog->Btu_Edit)->Click();
        Settle();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(vidAfterSet, QStringLiteral("31"));
        EXPECT_EQ(messages.Texts(),
                  QStringList{QStringLiteral("(SNMP) Cannot create/set variable, Wrong Value!")});
        EXPECT_EQ(Sets(".1.3.6.1.").size(), c.sets);
    }
}

TEST_F(ProtocolPortFormTest, EditSendsOnlyTheVlanAndPriorityOfTheSelectedRow) {
    Select(0);
    EXPECT_TRUE(dialog->Btu_Edit->Enabled());
    WhileEditorShown([](Tdot1vProtocolPortEdit& e) {
        EXPECT_FALSE(e.edt_baseport->isEnabled());
        EXPECT_EQ(e.edt_groupvid->Text(), QStringLiteral("10"));
        e.edt_groupvid->SetText(QStringLiteral("11"));
        e.edt_grouppri->SetItemIndex(5);
    });
    dialog->Btu_Edit->Click();
    Settle();
    EXPECT_EQ(caption, QStringLiteral("Protocol VLAN Port Edit Table"));
    EXPECT_EQ(
        Sets(".1.3.6.1."),
        std::vector<std::string>{"2.1.17.7.1.5.2.1.2.1.1=INTEGER:11 4.1.58613.12.16.1.2.1.1.1.1=INTEGER:4"});
    Screenshot(dialog, "dot1vProtocolPortForm");
}

TEST_F(ProtocolPortFormTest, DeleteSendsTheRowStatusAloneWithoutAQuestion) {
    Select(1);
    dialog->Btn_Delete->Click();
    Settle();
    EXPECT_EQ(Sets(".1.3.6.1."), std::vector<std::string>{"2.1.17.7.1.5.2.1.3.2.1=INTEGER:6"});
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(dialog->Btn_Add->Enabled());
    EXPECT_FALSE(dialog->Btn_Delete->Enabled());
}

} // namespace
} // namespace qs::test
