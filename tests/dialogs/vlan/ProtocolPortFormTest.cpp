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
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<Tdot1vProtocolPortForm>(nullptr);
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    // Runs fill inside the edit dialog once it is shown, then presses its Set.
    void WhileEditorShown(std::function<void(Tdot1vProtocolPortEdit&)> fill) {
        QTimer::singleShot(0, [this, fill] {
            Tdot1vProtocolPortEdit* editor = dot1vProtocolPortEdit;
            if (editor != nullptr && editor->isVisible()) {
                caption = editor->Caption();
                fill(*editor);
                editor->btn_Set->Click();
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
