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
    form->resize(400, 300);
    ScaleForScreen(form, 96);
    EXPECT_EQ(form->size(), QSize(400, 300));
    ScaleForScreen(form, 120);
    EXPECT_EQ(form->size(), QSize(500, 375));
    form->resize(401, 301);
    ScaleForScreen(form, 144);
    EXPECT_EQ(form->size(), QSize(501, 376)) << "cut to whole numbers";
}

} // namespace
} // namespace qs::test
