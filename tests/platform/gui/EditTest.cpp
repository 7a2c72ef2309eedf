// The edit's text, its typing limit and the caret after the framework rewrites the text.

#include "Edit.h"
#include "GuiTest.h"

#include <QClipboard>

namespace qs::test {
namespace {

class EditTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        edit = new TEdit(form);
        edit->SetName(QStringLiteral("Edit1"));
        edit->SetBounds(10, 10, 200, 22);
        ShowActive();
        edit->setFocus();
    }
    TEdit* edit = nullptr;
};

TEST_F(EditTest, ProgrammaticTextIsNeverCutByMaxLength) {
    edit->SetMaxLength(5);
    edit->SetText(QStringLiteral("(NULL)"));
    EXPECT_EQ(edit->Text(), QStringLiteral("(NULL)"));
    const QString forty(40, QLatin1Char('x'));
    edit->SetMaxLength(32);
    edit->SetText(forty);
    EXPECT_EQ(edit->Text(), forty);
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPasting) {
    edit->SetMaxLength(3);
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->Text(), QStringLiteral("123"));
    edit->SetText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("abcdef"));
    edit->paste();
    EXPECT_EQ(edit->Text(), QString()) << "a paste that does not fit is refused whole";
    edit->SetMaxLength(0);
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->Text(), QStringLiteral("12345")) << "0 means no limit";
}

TEST_F(EditTest, TypingIntoATextAlreadyTooLongIsRefusedButDeletingWorks) {
    edit->SetMaxLength(5);
    edit->SetText(QStringLiteral("(NULL)"));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(edit->Text(), QStringLiteral("(NULL)"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), QStringLiteral("(NULL"));
}

// A filter in OnChange removes the typed character; the caret stays where it was removed, so
// the next character lands where the user expects.
TEST_F(EditTest, CaretStaysWhereTheRemovedCharacterWas) {
    edit->OnChange = [this](TObject*) {
        const QString t = edit->Text();
        const auto bad = t.indexOf(QLatin1Char('x'));
        if (bad >= 0) {
            edit->SetText(QString(t).remove(bad, 1));
        }
    };
    QTest::keyClicks(edit, "1234");
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, "x5");
    EXPECT_EQ(edit->Text(), QStringLiteral("12534"));
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(EditTest, KeyPressHandlerCanDropOrChangeTheKey) {
    edit->OnKeyPress = [](TObject*, char16_t& key) {
        if (key == u'a') {
            key = 0;
        } else if (key == u'b') {
            key = u'B';
        }
    };
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->Text(), QStringLiteral("Bc"));
}

} // namespace
} // namespace qs::test
