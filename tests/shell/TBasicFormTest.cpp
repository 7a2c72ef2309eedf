// The include-box dialog base: which columns a write leaves out, the input checks and the port
// grid.

#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "GuiTest.h"
#include "Panel.h"
#include "QsException.h"
#include "QsSNMPRequest2Controls.h"
#include "QsSNMPRequest2Edits.h"
#include "RadioButton.h"
#include "TBasicFormUnit.h"
#include "stackingPortUitFormUnit.h"

namespace qs::test {
namespace {

const QsSNMPVarDesc kColumns[] = {
    {"1.3.6.1.4.1.58613.99.1.1", "Instance", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.99.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.99.1.3", "Block0", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.99.1.4", "Mode", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.99.1.5", "Ports", SYN_BITLIST, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.99.1.6", "Status", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

// A dialog of six columns: one key, a ticked edit, a radio-button column, a port list without
// include box and the row status.
class BasicDialog : public TBasicForm {
public:
    explicit BasicDialog(TComponent* owner) : TBasicForm(owner, QSize(400, 300)) {
        SetName(QStringLiteral("BasicDialog"));
        nameBox = MakeBox(QStringLiteral("NameCheck"));
        nameEdit = new TEdit(this);
        nameEdit->SetName(QStringLiteral("NameEdit"));
        blockBox = MakeBox(QStringLiteral("BlockCheck"));
        modeRadio = new TRadioButton(this);
        modeRadio->SetName(QStringLiteral("ModeRadio"));
        statusBox = MakeBox(QStringLiteral("StatusCheck"));
        AddIncludedColumn(nullptr, nullptr);
        AddIncludedColumn(nameBox, nameEdit);
        AddIncludedColumn(blockBox, nullptr);
        AddIncludedColumn(modeRadio, nullptr);
        AddIncludedColumn(nullptr, nullptr);
        AddIncludedColumn(statusBox, nullptr);
        ColumnCount = 6;
        KeyCount = 1;
        RowStatusColumn = 5;
    }
    TCheckBox* MakeBox(const QString& name) {
        auto* box = new TCheckBox(this);
        box->SetName(name);
        return box;
    }
    TCheckBox* nameBox;
    TEdit* nameEdit;
    TCheckBox* blockBox;
    TRadioButton* modeRadio;
    TCheckBox* statusBox;
};

class TBasicFormTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        dialog = new BasicDialog(form);
    }
    void TearDown() override {
        delete dialog;
        GuiTest::TearDown();
    }
    QList<int> Marked() const {
        QList<int> marked;
        for (int i = 0; i < list.GetCount(); ++i) {
            if (list.GetVar(i)->Access & ACC_INVALID) {
                marked << i;
            }
        }
        return marked;
    }

    BasicDialog* dialog = nullptr;
    QsSNMPVarList list{kColumns, MVT_FMV, 1};
};

TEST_F(TBasicFormTest, MarksColumnsWhoseIncludeBoxIsNotTickedAndEnabled) {
    const struct {
        bool nameTicked, nameEnabled, blockTicked, modeTicked;
        QList<int> marked;
    } cases[] = {
        {true, true, true, true, {}},       {false, true, true, true, {1}},
        {true, false, true, true, {1}}, // ticked but greyed by a dependency
        {true, true, false, false, {2, 3}}, {false, true, false, false, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        dialog->nameBox->SetChecked(c.nameTicked);
        dialog->nameBox->SetEnabled(c.nameEnabled);
        dialog->blockBox->SetChecked(c.blockTicked);
        dialog->modeRadio->SetChecked(c.modeTicked);
        dialog->statusBox->SetChecked(false);
        dialog->MarkExcludedColumns(list);
        EXPECT_EQ(Marked(), c.marked) << "the key, the port list and the status always travel";
        dialog->ClearExcludeMarks(list);
        EXPECT_TRUE(Marked().isEmpty());
    }
}

TEST_F(TBasicFormTest, ScopeClearsTheMarksAlsoWhenTheWriteRaises) {
    QsSNMPRequest2Controls request(dialog);
    request.Request.List = list;
    const QsSNMPVarList& marks = request.Request.List;
    try {
        const TBasicForm::ExcludedColumnsScope scope(*dialog, &request);
        EXPECT_TRUE(marks.GetVar(1)->Access & ACC_INVALID);
        throw QsException("Send failed", -509);
    } catch (const QsException&) {
    }
    for (int i = 0; i < marks.GetCount(); ++i) {
        EXPECT_FALSE(marks.GetVar(i)->Access & ACC_INVALID) << i;
    }
}

TEST_F(TBasicFormTest, ClearMarksAlsoClearsAKeyColumnAndStaysWithinTheColumns) {
    list.GetVar(0)->Access |= ACC_INVALID;
    dialog->ColumnCount = 9; // more columns than the list holds
    dialog->IncludeBoxes.resize(3);
    dialog->MarkExcludedColumns(list);
    EXPECT_EQ(Marked(), (QList<int>{0, 1, 2}));
    dialog->ClearExcludeMarks(list);
    EXPECT_TRUE(Marked().isEmpty());
}

TEST_F(TBasicFormTest, LayoutIsScaledOnAHundredAndTwentyPixelsPerInch) {
    EXPECT_EQ(dialog->ClientWidth(), 400);
    SetScreenPixelsPerInch(120);
    BasicDialog scaled(form);
    SetScreenPixelsPerInch(0);
    EXPECT_EQ(scaled.size(), QSize(500, 375));
}

TEST_F(TBasicFormTest, CheckAllLeavesDisabledIncludesAlone) {
    dialog->blockBox->SetEnabled(false);
    TBasicForm::CheckAllIncludes(dialog->IncludeBoxes);
    EXPECT_TRUE(dialog->nameBox->Checked());
    EXPECT_FALSE(dialog->blockBox->Checked());
    EXPECT_FALSE(dialog->modeRadio->Checked()) << "radio buttons are not include check boxes here";
    TBasicForm::UncheckAllIncludes(dialog->IncludeBoxes);
    EXPECT_FALSE(dialog->nameBox->Checked());
}

TEST_F(TBasicFormTest, ResetListedEditorsEmptiesEditsAndRewindsCombos) {
    auto* combo = new TComboBox(dialog);
    combo->SetName(QStringLiteral("ModeCombo"));
    combo->Items().Assign({QStringLiteral("a"), QStringLiteral("b")});
    combo->SetItemIndex(1);
    dialog->nameEdit->SetText(QStringLiteral("x"));
    TBasicForm::ResetListedEditors({dialog->nameEdit, nullptr, combo, dialog->nameBox});
    EXPECT_EQ(dialog->nameEdit->Text(), QString());
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(TBasicFormTest, RequiredEditChecks) {
    const struct {
        bool ticked;
        const char* text;
        bool enabled;
        bool result;
        bool focused;
    } cases[] = {
        {false, "", true, true, false},
        {true, "x", true, true, false},
        {true, "", true, false, true},
        {true, "", false, false, false},
    };
    for (const auto& c : cases) {
        messages.boxes.clear();
        dialog->SetActiveControl(nullptr);
        dialog->nameBox->SetChecked(c.ticked);
        dialog->nameEdit->SetText(QString::fromLatin1(c.text));
        dialog->nameEdit->SetEnabled(c.enabled);
        EXPECT_EQ(
            dialog->CheckRequiredEdit(dialog->nameBox, dialog->nameEdit, QStringLiteral("Name is empty!")),
            c.result);
        EXPECT_EQ(messages.Texts(), c.result ? QStringList() : QStringList{QStringLiteral("Name is empty!")});
        EXPECT_EQ(dialog->ActiveControl() == dialog->nameEdit, c.focused);
    }
    EXPECT_TRUE(dialog->CheckEditNotEmpty(nullptr, QStringLiteral("never")));
}

TEST_F(TBasicFormTest, PortGridHasTwelveUnitsAndCountsOnlyUnitOne) {
    auto* panel = new TPanel(dialog);
    panel->SetName(QStringLiteral("PortPanel"));
    dialog->CreatePortGrid(panel, 12);
    ASSERT_NE(dialog->PortGrid, nullptr);
    EXPECT_EQ(dialog->PortGrid->Parent(), panel);
    ASSERT_EQ(dialog->PortGrid->PortBoxes.size(), 768u);
    EXPECT_EQ(dialog->PortGrid->UnitSheets[11]->Caption(), QStringLiteral("Unit12"));
    int visible = 0;
    for (TCheckBox* box : dialog->PortGrid->PortBoxes) {
        visible += box->Visible() ? 1 : 0;
    }
    EXPECT_EQ(visible, 28);

    dialog->PortGrid->PortBoxes[64]->SetChecked(true); // unit 2, port 1
    EXPECT_FALSE(dialog->CheckAnyPortChosen());
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("You must choose at least 1 port!")});
    dialog->PortGrid->PortBoxes[63]->SetChecked(true);
    EXPECT_TRUE(dialog->CheckAnyPortChosen());
    EXPECT_EQ(dialog->PortBitIndexText.substr(0, 6), "0,1,2,");
}

// Binding through the base keeps list position equal to variable index and shows the values.
TEST(BasicFormBinding, BoundColumnsLineUpWithTheirVariables) {
    EnsureApplication();
    static const QsOption kModes[] = {{1, "auto"}, {2, "manual"}, {}};
    static const QsOptionList modes(kModes, OVT_INT);
    const QsSNMPVarDesc columns[] = {
        {"1.3.6.1.4.1.58613.99.1.1", "Instance", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.99.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.99.1.3", "Mode", SYN_INTEGER, ACC_READWRITE, &modes},
        {nullptr},
    };
    TBasicForm dialog(nullptr, QSize(400, 300));
    QsSNMPRequest2Edits request(&dialog);
    request.Request.List = QsSNMPVarList(columns, MVT_FMV, 1);
    auto* nameBox = new TCheckBox(&dialog);
    auto* nameEdit = new TEdit(&dialog);
    auto* modeBox = new TCheckBox(&dialog);
    auto* modeCombo = new TComboBox(&dialog);
    dialog.BindEditWithCheck(&request, 0, "%i", new TEdit(&dialog), nullptr);
    dialog.BindEditWithCheck(&request, 1, "%s{l32}", nameEdit, nameBox);
    dialog.BindComboWithCheck(&request, 2, modeCombo, modeBox);
    EXPECT_EQ(dialog.IncludeBoxes, (std::vector<TWinControl*>{nullptr, nameBox, modeBox}));
    EXPECT_EQ(dialog.Editors[1], nameEdit);
    EXPECT_EQ(dialog.Editors[2], modeCombo);

    request.Request.List.GetVar(1)->Value = "core";
    request.Request.List.GetVar(2)->Value = "manual";
    request.ShowValues(-1);
    EXPECT_EQ(nameEdit->Text(), "core");
    EXPECT_EQ(modeCombo->Text(), "manual");

    dialog.ColumnCount = 3;
    nameBox->SetChecked(true);
    dialog.MarkExcludedColumns(&request);
    EXPECT_FALSE(request.Request.List.GetVar(1)->Access & ACC_INVALID);
    EXPECT_TRUE(request.Request.List.GetVar(2)->Access & ACC_INVALID);
    dialog.ClearExcludeMarks(&request);
}

} // namespace
} // namespace qs::test
