// The edit constraint on real edits: keystroke filter, exit character, auto-advance, the exit
// check's messages, last valid texts, chained handlers and unhooking.

#include "Button.h"
#include "Exceptions.h"
#include "GuiTest.h"
#include "QsEditConstraint.h"
#include "QsException.h"
#include "QsSNMPVar.h"
#include "TypedText.h"

#include <QClipboard>
#include <QMimeData>

namespace qs::test {
namespace {

class EditConstraintTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        edit = MakeEdit("ValueEdit", 10);
        next = MakeEdit("NextEdit", 40);
        constraint = std::make_unique<QsEditConstraint>(form, true);
        ShowActive();
        edit->setFocus();
        Pump();
    }
    void TearDown() override {
        constraint.reset();
        GuiTest::TearDown();
    }
    TEdit* MakeEdit(const char* name, int top) {
        auto* e = new TEdit(form);
        e->SetName(QString::fromLatin1(name));
        e->SetBounds(10, top, 150, 22);
        return e;
    }
    void Leave() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
    }

    TEdit* edit = nullptr;
    TEdit* next = nullptr;
    std::unique_ptr<QsEditConstraint> constraint;
};

struct ExitCase {
    const char* format;
    const char* text;
    const char* message; // null: the text passes and the focus moves on
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.format << " '" << c.text << "'";
}

class ExitChecks : public EditConstraintTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitChecks, ShowTheExactMessageAndKeepTheUserInTheEdit) {
    const ExitCase& c = GetParam();
    constraint->Attach(c.format, edit);
    edit->SetText(QString::fromLatin1(c.text));
    Leave();
    if (!c.message) {
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_TRUE(next->hasFocus());
        EXPECT_EQ(edit->Text(), QString::fromLatin1(c.text));
        return;
    }
    ASSERT_EQ(messages.boxes.size(), 1) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(messages.boxes[0].text, QString::fromLatin1(c.message));
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->Text(), QString()) << "the last valid text starts empty";
}

const ExitCase kExitCases[] = {
    {"%i{n1x65535l5}", "0", " Please enter a number between 1 and 65535!"},
    {"%i{n1x65535l5}", "-", " Please enter a number between 1 and 65535!"},
    {"%i{n1x65535l5}", "65535", nullptr},
    {"%i", "-2147483649", " Please enter a number between -2147483648 and 2147483647!"},
    {"%f", "0", " Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
    {"%s{l4f}", "abc", " Please enter a string whose length is 4!"},
    {"%s{l4f}", "abcd", nullptr},
    {"%s{l4}", "abcde", " Please enter a string whose length is less than 4!"},
    {"%h{l8}", "123456789", " Please enter a hex string whose length is less than 8!"},
    {"%h{l8f}", "ABC", " Please enter a hex string whose length is 8!"},
    {"%s{l16}", "", nullptr},
    {"%s{l16n}", "", " Empty value is not allowed!"},
    {"%s{M}", "00-11-22-33-44-5G", " Please enter a valid MAC address!"},
    {"%s{M}", "00-11-22-33-44-55", nullptr},
    {"%s{Mu}", "01-00-5E-00-00-01", " Please enter a valid unicast MAC address!"},
    {"%s{Mm}", "00-00-5E-00-00-01", " Please enter a valid multicast MAC address!"},
    {"%s{Mm}", "0G-00-5E-00-00-01", " Please enter a valid multicast MAC address!"},
    {"%s{I}", "1.2.3", "Please input a valid IP."},
    {"%s{I}", "10.1.2.3", nullptr},
    {"%s{Im}", "223.1.1.1", " Please enter a valid multicast IP address!"},
    {"%h{I6}", "FE80", " Please enter a valid IPV6 address!"},
    {"%n,{l3f}", "1,2",
     " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to "
     "3!"},
    {"%n,{l3}", "1,2", nullptr},
    {"%n.{l2}", "1.2.3",
     " Please enter a delimited number string with delimiter '.'.\nHere,the count of the number is less than "
     "2!"},
    {"%n,{x5}", "1,9",
     " Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 5!"},
    {"%i{n1x5}", "(NULL)", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Formats, ExitChecks, ::testing::ValuesIn(kExitCases));

// A writing the edit takes becomes its canonical text on exit, before the format's checks; a
// writing taken nowhere is refused with its reason.
struct WritingCase {
    const char* format;
    bool integerColumn; // bound to an integer column's reading
    const char* text;
    const char* shown;   // the edit's text afterwards
    const char* message; // null: none
};

class Writings : public EditConstraintTest, public ::testing::WithParamInterface<WritingCase> {};

TEST_P(Writings, BecomeTheCanonicalTextOnExit) {
    const WritingCase& c = GetParam();
    constraint->Attach(c.format, edit);
    if (c.integerColumn) {
        constraint->SetWriting(
            edit,
            [](const std::string& typed) {
                TypedField field;
                field.syntax = SYN_INTEGER;
                const TypedValue v = ParseTypedText(typed, field);
                return QsEditReading{v.text, v.refusal};
            },
            QStringLiteral("+ "));
    }
    QTest::keyClicks(edit, QString::fromLatin1(c.text));
    Leave();
    EXPECT_EQ(edit->Text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(messages.Texts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
    EXPECT_TRUE(messages.tones.isEmpty());
}

const WritingCase kWritingCases[] = {
    {"%h{l4f}", false, "0a ff", "0AFF", nullptr},
    {"%h{l4f}", false, "0A:FF", "0AFF", nullptr},
    {"%h{l4f}", false, "0a-ff", "0AFF", nullptr},
    {"%h{l8}", false, "0A:F", "", " Please enter hex digits, two for each byte, such as 0AFF or 0A FF!"},
    {"%h{l32}", false, "0123456789ABCDEF0123456789ABCDEF01", "",
     " Please enter a hex string whose length is less than 32!"},
    {"%h{I6}", false, "fe80::1", "FE800000000000000000000000000001", nullptr},
    {"%h{I6}", false, "::ffff:10.0.0.1", "00000000000000000000FFFF0A000001", nullptr},
    {"%h{I6}", false, "fe80:::1", "",
     " Please enter an IPv6 address such as 2001:db8::10, ::ffff:10.0.0.1 or "
     "20010DB8000000000000000000000010!"},
    {"%i{n1x99}", true, "+60", "60", nullptr},
    {"%i{n1x99}", true, " 60 ", "60", nullptr},
    {"%i{n1x99}", true, "+600", "", " Please enter a number between 1 and 99!"},
    {"%s", true, "007", "7", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Formats, Writings, ::testing::ValuesIn(kWritingCases));

TEST_F(EditConstraintTest, BadKeystrokesAreRemovedOneByOneEachWithATone) {
    constraint->Attach("%i{n1x65535l5}", edit);
    QTest::keyClicks(edit, "12a");
    EXPECT_EQ(edit->Text(), QStringLiteral("12"));
    ASSERT_EQ(messages.tones.size(), 1);
    EXPECT_EQ(messages.tones[0].frequency, 1000);
    EXPECT_EQ(messages.tones[0].milliseconds, 200);
    edit->SetText(QStringLiteral("1x2y3"));
    EXPECT_EQ(edit->Text(), QStringLiteral("123"));
    EXPECT_EQ(messages.tones.size(), 3);
}

// Characters the user inserts at once, by the clipboard or dropped, are taken whole or refused
// whole with one tone, never stripped to another value; one typed character is filtered as before
// and text the program sets is left alone.
TEST_F(EditConstraintTest, APastedOrDroppedTextIsTakenWholeOrNotAtAll) {
    struct Case {
        const char* format;
        const char* before;
        int caret;
        const char* inserted;
        const char* after; // the text the edit then holds
    };
    const Case cases[] = {
        {"%u", "", 0, "-5", ""},         {"%u", "12", 2, "3x", "12"},
        {"%i", "", 0, "-5", "-5"},       {"%i", "12", 1, "-5", "12"}, // a sign only at the start
        {"%h", "0A", 2, " FF", "0A FF"}, {"%h", "", 0, "0xFF", ""},
        {"%n,", "1", 1, ",,2", "1"},     {"%s", "", 0, "-5 x", "-5 x"},
    };
    for (const Case& c : cases) {
        for (const bool drop : {false, true}) {
            SCOPED_TRACE(std::string(c.format) + " '" + c.inserted + (drop ? "' dropped" : "' pasted"));
            constraint->Attach(c.format, edit);
            edit->SetText(QString::fromLatin1(c.before));
            edit->setFocus();
            edit->setCursorPosition(c.caret);
            messages.tones.clear();
            const QString inserted = QString::fromLatin1(c.inserted);
            if (drop) {
                QMimeData data;
                data.setText(inserted);
                // Dropped after the last character: every case's caret but one stands there, and
                // that one is refused at either place.
                const QPointF at(edit->width() - 4, edit->height() / 2);
                QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &enter); // makes the edit the drop's target
                QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &dropped);
            } else {
                QGuiApplication::clipboard()->setText(inserted);
                QTest::keySequence(edit, QKeySequence::Paste);
            }
            const QString after = QString::fromLatin1(c.after);
            EXPECT_EQ(edit->Text(), after);
            EXPECT_EQ(messages.tones.size(), after == QString::fromLatin1(c.before) ? 1 : 0);
        }
    }
    constraint->Attach("%u", edit);
    edit->SetText(QString());
    messages.tones.clear();
    QTest::keyClicks(edit, "-5");
    EXPECT_EQ(edit->Text(), QStringLiteral("5")) << "one typed character at a time: filtered as before";
    EXPECT_EQ(messages.tones.size(), 1);
}

TEST_F(EditConstraintTest, FilterKeepsTheCaretWhereTheCharacterWasRefused) {
    constraint->Attach("%h{l32}", edit);
    QTest::keyClicks(edit, "0x");
    EXPECT_EQ(edit->Text(), QStringLiteral("0"));
    QTest::keyClicks(edit, "ABCDEF0123456789abcdef0123456789F"); // 34 hex digits in all
    EXPECT_EQ(edit->MaxLength(), 47) << "room for 32 digits in pairs with a separator between two";
    EXPECT_EQ(edit->Text().size(), 34);
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, "g");
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(EditConstraintTest, NumberListsAdmitTheDelimiterOnlyBetweenDigits) {
    constraint->Attach("%n,{l3}", edit);
    QTest::keyClicks(edit, ",1,,2,3,4");
    EXPECT_EQ(edit->Text(), QStringLiteral("1,2"));
    EXPECT_EQ(messages.tones.size(), 2);
}

TEST_F(EditConstraintTest, MarkersOfTheFrameworkPassWithoutToneOrMessage) {
    constraint->Attach("%i{n1x5}", edit);
    edit->SetText(QStringLiteral("(NULL)"));
    edit->SetText(QStringLiteral("(NOTDONE)"));
    Leave();
    EXPECT_TRUE(messages.tones.isEmpty());
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_EQ(edit->Text(), QStringLiteral("(NOTDONE)"));
}

TEST_F(EditConstraintTest, ExitCharacterAndAutoAdvanceMoveToTheNextControl) {
    constraint->Attach("%s{e,}", edit);
    QTest::keyClicks(edit, "ab,");
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
    Pump();
    EXPECT_TRUE(next->hasFocus());
    constraint->Attach("%i{n1x32l2a}", next);
    QTest::keyClicks(next, "1");
    Pump();
    EXPECT_TRUE(next->hasFocus());
    QTest::keyClicks(next, "2");
    Pump();
    EXPECT_FALSE(next->hasFocus()) << "the second digit moves on";
}

TEST_F(EditConstraintTest, LastValidTextIsTheTextLastLeftSuccessfully) {
    constraint->Attach("%i{n1x100}", edit);
    edit->SetText(QStringLiteral("42"));
    Leave();
    edit->SetFocus();
    Pump();
    edit->SetText(QStringLiteral("420"));
    Leave();
    EXPECT_EQ(edit->Text(), QStringLiteral("42"));
    EXPECT_TRUE(edit->hasFocus());
    constraint->Remember(edit);
    EXPECT_EQ(constraint->Find(edit)->lastValidText, QStringLiteral("42"));
}

TEST_F(EditConstraintTest, TheFormsOwnHandlersRunAfterASuccessfulFilterOrCheck) {
    QStringList log;
    edit->OnChange = [&](TObject*) { log << "change:" + edit->Text(); };
    edit->OnExit = [&](TObject*) { log << "exit:" + edit->Text(); };
    constraint->Attach("%i{n1x9}", edit);
    QTest::keyClicks(edit, "5a");
    edit->SetText(QString()); // an emptied edit does not reach the form's handler
    edit->SetText(QStringLiteral("7"));
    Leave();
    EXPECT_EQ(log, QStringList({"change:5", "change:5", "change:7", "exit:7"}));
}

TEST_F(EditConstraintTest, ExitHandlerSettingTagMinusOneRevertsAValidText) {
    constraint->Attach("%i{n1x9}", edit);
    edit->SetText(QStringLiteral("3"));
    Leave();
    constraint->Detach(edit);
    edit->OnExit = [this](TObject*) { edit->Tag = -1; };
    constraint->Attach("%i{n1x9}", edit);
    constraint->Remember(edit);
    edit->SetFocus();
    Pump();
    edit->SetText(QStringLiteral("4"));
    Leave();
    EXPECT_EQ(edit->Text(), QStringLiteral("3"));
    EXPECT_TRUE(next->hasFocus()) << "the focus is not moved back";
    EXPECT_TRUE(messages.boxes.isEmpty());
}

bool RefuseAll(TControl*) {
    ShowMessage(QStringLiteral("own message"));
    return false;
}

TEST_F(EditConstraintTest, ValidatorDecidesAndSpeaksForItself) {
    constraint->AttachWithValidator("%i{Z}", edit, RefuseAll);
    edit->SetText(QStringLiteral("5"));
    Leave();
    EXPECT_EQ(messages.Texts(), QStringList({"own message"}));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->Text(), QString());
}

TEST_F(EditConstraintTest, TheClickThatLeftABadEditDoesNotRun) {
    auto* apply = new TButton(form);
    apply->SetName(QStringLiteral("ApplyButton"));
    apply->SetBounds(10, 80, 80, 25);
    bool clicked = false;
    apply->OnClick = [&](TObject*) { clicked = true; };
    constraint->Attach("%i{n1x9}", edit);
    edit->SetText(QStringLiteral("0"));
    QTest::mouseClick(apply, Qt::LeftButton);
    Pump();
    EXPECT_FALSE(clicked);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(messages.boxes.size(), 1);
}

TEST_F(EditConstraintTest, BadFormatLeavesTheEditUnattached) {
    bool own = false;
    edit->OnChange = [&](TObject*) { own = true; };
    for (const char* bad : {"%i{l5n1}", "%i{In1}"}) {
        try {
            constraint->Attach(bad, edit);
            ADD_FAILURE() << bad;
        } catch (const QsException& e) {
            EXPECT_EQ(e.helpContext, -2);
            EXPECT_STREQ(e.what(), " Bad format specifier of edit's constraint!");
        }
    }
    EXPECT_EQ(constraint->Find(edit), nullptr);
    QTest::keyClicks(edit, "x");
    EXPECT_TRUE(own);
}

TEST_F(EditConstraintTest, CompositeFormatsAttachOneEditPerConversion) {
    std::vector<TEdit*> quad;
    for (int i = 0; i < 4; ++i) {
        quad.push_back(MakeEdit("Octet", 80 + i * 25));
    }
    constraint->AttachMany("%i{n0x255l3}.%i{n0x255l3}.%i{n0x255l3}.%i{n0x255l3}", quad);
    for (TEdit* e : quad) {
        ASSERT_NE(constraint->Find(e), nullptr);
        EXPECT_EQ(e->MaxLength(), 3);
    }
    constraint->AttachMany("%s{I}%s{M}", {edit, next});
    EXPECT_EQ(constraint->Find(edit)->format.addressKind, AK_IPV4);
    EXPECT_EQ(constraint->Find(next)->format.addressKind, AK_MAC);
    EXPECT_THROW(constraint->AttachMany("%s%s%s", {edit, next}), EListError);
}

// An edit that outlives its constraint gets its own handlers back: nothing reaches the freed
// constraint, not even the focus moves while its form is torn down.
TEST_F(EditConstraintTest, DestroyedConstraintUnhooksItsEdits) {
    QStringList log;
    edit->OnChange = [&](TObject*) { log << QStringLiteral("own change"); };
    edit->OnExit = [&](TObject*) { log << QStringLiteral("own exit"); };
    constraint->Attach("%i{n1x9}", edit);
    constraint->Attach("%i{n1x9}", next);
    constraint.reset();
    QTest::keyClicks(edit, "x");
    Leave();
    EXPECT_EQ(log, QStringList({"own change", "own exit"}));
    EXPECT_TRUE(messages.tones.isEmpty());
    EXPECT_FALSE(next->OnChange);
}

TEST_F(EditConstraintTest, DetachGivesTheHandlersBack) {
    int own = 0;
    edit->OnChange = [&](TObject*) { ++own; };
    constraint->Attach("%i", edit);
    constraint->Attach("%u", edit); // a second attach keeps the first saved handlers
    constraint->Detach(edit);
    constraint->Detach(edit);
    QTest::keyClicks(edit, "-");
    EXPECT_EQ(own, 1);
    EXPECT_EQ(constraint->Find(edit), nullptr);
}

} // namespace
} // namespace qs::test
