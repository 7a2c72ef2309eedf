// Clearing, greying and re-enabling a form's editors, and the dialog frame's scaling.

#include "DialogHelpers.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogFrame.h"
#include "Edit.h"
#include "GuiTest.h"

namespace qs::test {
namespace {

class DialogHelpersTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        edit = new TEdit(form);
        edit->SetName(QStringLiteral("Edit1"));
        edit->SetText(QStringLiteral("abc"));
        combo = new TComboBox(form);
        combo->SetName(QStringLiteral("Combo1"));
        combo->Items().Assign({QStringLiteral("enabled"), QStringLiteral("disabled")});
        combo->SetItemIndex(1);
        box = new TCheckBox(form);
        box->SetName(QStringLiteral("Check1"));
        emptyCombo = new TComboBox(form);
        emptyCombo->SetName(QStringLiteral("Combo2"));
    }
    TEdit* edit = nullptr;
    TComboBox* combo = nullptr;
    TComboBox* emptyCombo = nullptr;
    TCheckBox* box = nullptr;
};

TEST_F(DialogHelpersTest, ClearControlsByFlags) {
    const struct {
        bool clearEdits, resetCombos, uncheck;
        const char* editText;
        int comboIndex;
        bool checked;
    } cases[] = {
        {false, false, false, "abc", 1, true}, // "Check All": edits and combos untouched
        {false, false, true, "abc", 1, false}, // "Clear Checks"
        {true, true, true, "", 0, false},      // clear the form
    };
    for (const auto& c : cases) {
        edit->SetText(QStringLiteral("abc"));
        combo->SetItemIndex(1);
        box->SetChecked(!c.checked);
        ClearControls(form, c.clearEdits, c.resetCombos, c.uncheck);
        EXPECT_EQ(edit->Text(), QString::fromLatin1(c.editText));
        EXPECT_EQ(combo->ItemIndex(), c.comboIndex);
        EXPECT_EQ(box->Checked(), c.checked);
    }
    EXPECT_EQ(emptyCombo->ItemIndex(), -1) << "a combo box without items stays empty";
}

TEST_F(DialogHelpersTest, DisableAndEnableTheChosenKinds) {
    DisableControls(form, true, false, true);
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_TRUE(combo->Enabled());
    EXPECT_FALSE(box->Enabled());
    DisableControls(form, false, true, false);
    EXPECT_FALSE(combo->Enabled());
    EnableControls(form, true, true, true);
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_TRUE(combo->Enabled());
    EXPECT_TRUE(box->Enabled());
}

TEST_F(DialogHelpersTest, ScalesOnlyOffNinetySixPixelsPerInch) {
    const struct {
        int ppi;
        QSize before, after;
    } cases[] = {{96, {400, 300}, {400, 300}}, {120, {400, 300}, {500, 375}}, {144, {401, 301}, {501, 376}}};
    for (const auto& c : cases) {
        SetScreenPixelsPerInch(c.ppi);
        form->resize(c.before);
        ScaleForScreen(form);
        EXPECT_EQ(form->size(), c.after) << c.ppi << " ppi; sizes are cut to whole numbers";
    }
    SetScreenPixelsPerInch(0);
}

} // namespace
} // namespace qs::test
