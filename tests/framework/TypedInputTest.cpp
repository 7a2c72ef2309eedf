// The request-to-edits driver before a write: what a person typed must be a value of its column.
// A refused text stops the collection with a box that names the field, the focus on the edit and
// the refusal in the status line; what the program itself put into a read-only edit is read as
// before, and text columns take a default size.
#include "ComboBox.h"
#include "Edit.h"
#include "GuiTest.h"
#include "InputError.h"
#include "QsSNMPRequest2Edits.h"
#include "StatusBar.h"

#include <QTest>

namespace qs::test {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kEnabledList(kEnabled, OVT_INT);

const QsSNMPVarDesc kVars[] = {
    {"1.3.6.1.4.1.99999.1", "Max Group ", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.3", "Mode", SYN_INTEGER, ACC_READWRITE, &kEnabledList},
    {"1.3.6.1.4.1.99999.4", "Clock", SYN_DATETIME, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.5", "Mask", SYN_OCTETSTR, ACC_READWRITE},
    {nullptr},
};
enum { kGroup, kName, kMode, kClock, kMask };

class Edits : public QsSNMPRequest2Edits {
public:
    using QsSNMPRequest2Edits::CollectValues;
    using QsSNMPRequest2Edits::QsSNMPRequest2Edits;
};

class TypedInput : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        status = new TStatusBar(form);
        driver = std::make_unique<Edits>(form);
        driver->Request.List = QsSNMPVarList(kVars, SVT_SV, 0);
        driver->SetStatusBar(status);
        for (int i = 0; i < 5; ++i) {
            edits.push_back(new TEdit(form));
            edits.back()->SetName(QStringLiteral("edt%1").arg(i));
            edits.back()->SetBounds(10, 10 + 30 * i, 100, 22);
        }
        driver->BindEdits(kGroup, "%s", {edits[0]});
        driver->BindEdits(kName, "%s", {edits[1]});
        driver->BindEdits(kMode, "%s", {edits[2]});
        driver->BindEdits(kClock, "%s{l22}", {edits[3]});
        driver->BindEdits(kMask, "%h{l4f}", {edits[4]});
        ShowActive();
    }
    // Collects the values; the refusal's message, or empty when all were taken.
    std::string Collect() {
        try {
            driver->CollectValues();
        } catch (const qs::EInputError& e) {
            return e.what();
        }
        return {};
    }
    void Fill(const std::vector<QString>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            edits[i]->SetText(texts[i]);
        }
    }

    TStatusBar* status = nullptr;
    std::unique_ptr<Edits> driver;
    std::vector<TEdit*> edits;
};

TEST_F(TypedInput, AFieldThatHoldsNoValueIsNamedFocusedAndNothingIsCollected) {
    struct Case {
        int edit;
        QString text;
        std::string refusal;
    };
    const Case cases[] = {
        {kGroup, QStringLiteral("zz"),
         "Max Group: Please enter a whole number between -2147483648 and 2147483647!"},
        {kGroup, QString(), "Max Group: Please enter a whole number between -2147483648 and 2147483647!"},
        {kGroup, QString(300, QLatin1Char('9')),
         "Max Group: Please enter a whole number between -2147483648 and 2147483647!"},
        {kName, QString(256, QLatin1Char('x')), "Name: Please enter a string whose length is less than 255!"},
        {kMode, QStringLiteral("3"), "Mode: Please enter one of: enabled, disabled!"},
        {kClock, QStringLiteral("2007-2-30,15:30:15.0"), "Clock: Please enter a day between 1 and 28!"},
        {kMask, QStringLiteral("ABC"), "Mask: Please enter a hex string whose length is 4!"},
    };
    const std::vector<QString> valid = {QStringLiteral("-1"), QStringLiteral("zz"), QStringLiteral("enabled"),
                                        QStringLiteral("2007-5-26,15:30:15.0"), QStringLiteral("88A8")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Fill(valid);
        edits[static_cast<std::size_t>(c.edit)]->SetText(c.text);
        edits[kName == c.edit ? 0 : 1]->SetFocus();
        messages.boxes.clear();
        status->SetSimpleText(QStringLiteral("Get: Ok!"));
        EXPECT_EQ(Collect(), c.refusal);
        ASSERT_EQ(messages.Texts(), QStringList{QString::fromStdString(c.refusal)});
        EXPECT_EQ(messages.boxes[0].parent, form);
        EXPECT_EQ(QApplication::focusWidget(), edits[static_cast<std::size_t>(c.edit)]);
        EXPECT_TRUE(
            status->SimpleText().startsWith(QStringLiteral("Set: ") + QString::fromStdString(c.refusal)))
            << status->SimpleText().toStdString();
    }
    Fill(valid);
    messages.boxes.clear();
    EXPECT_EQ(Collect(), "");
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_EQ(driver->Request.List.GetVar(kGroup)->Value, "-1");
    EXPECT_EQ(driver->Request.List.GetVar(kName)->Value, "zz");
    EXPECT_EQ(driver->Request.List.GetVar(kMask)->Value, "88A8");
}

// A read-only edit holds the program's text: read leniently, as before.
TEST_F(TypedInput, ReadOnlyEditsAreReadAsBefore) {
    Fill({QStringLiteral("007"), QStringLiteral("x"), QStringLiteral("enabled"),
          QStringLiteral("2007-5-26,15:30:15.0"), QStringLiteral("88A8")});
    edits[kGroup]->SetText(QStringLiteral("zz"));
    edits[kGroup]->SetReadOnly(true);
    EXPECT_EQ(Collect(), "");
    EXPECT_EQ(driver->Request.List.GetVar(kGroup)->Value, "0");
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(TypedInput, AChoiceBoxShownWithoutAChoiceIsRefused) {
    auto* combo = new TComboBox(form);
    combo->SetName(QStringLiteral("cbMode"));
    driver->Unbind(kMode);
    driver->BindComboBox(kMode, combo);
    Fill({QStringLiteral("1"), QStringLiteral("x"), QString(), QStringLiteral("2007-5-26,15:30:15.0"),
          QStringLiteral("88A8")});
    combo->SetItemIndex(-1);
    EXPECT_EQ(Collect(), "Mode: Please select an entry!");
    combo->SetItemIndex(1);
    EXPECT_EQ(Collect(), "");
    EXPECT_EQ(driver->Request.List.GetVar(kMode)->Value, "disabled");
}

TEST_F(TypedInput, TextColumnsTakeTheDefaultSizeUnlessTheirFormatGivesOne) {
    EXPECT_EQ(edits[kName]->MaxLength(), 255);
    EXPECT_EQ(edits[kGroup]->MaxLength(), 0);
    EXPECT_EQ(edits[kMask]->MaxLength(), 5) << "two pairs and a separator: 0A FF";
    EXPECT_EQ(edits[kClock]->MaxLength(), 28) << "a date-time with its offset: 2007-05-26,15:30:15.0,+08:00";
}

// A size a format gives counts the canonical text; the edit takes every writing of that value,
// typed key by key: an 11-octet engine ID with blanks, a MAC with colons, a clock with its offset.
TEST_F(TypedInput, SizesLeaveRoomForTheSeparatorsOfTheWritingsTaken) {
    static const QsSNMPVarDesc vars[] = {
        {"1.3.6.1.4.1.99999.6", "Engine ID", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.99999.7", "MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.99999.8", "Clock", SYN_DATETIME, ACC_READWRITE},
        {nullptr},
    };
    struct Case {
        const char* format;
        QString typed;
        std::string value;
    };
    const Case cases[] = {
        {"%s{l22}", QStringLiteral("80 00 E4 F5 00 00 00 00 00 00 01"), "8000E4F500000000000001"},
        {"%s{l12}", QStringLiteral("00:1c:23:45:67:64"), "001C23456764"},
        {"%s{l22}", QStringLiteral("2007-05-26,15:30:15.0,+08:00"), "2007-5-26,15:30:15.0,+8:0"},
    };
    Edits typed(form);
    typed.Request.List = QsSNMPVarList(vars, SVT_SV, 0);
    for (int i = 0; i < 3; ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.format);
        auto* edit = new TEdit(form);
        edit->SetName(QStringLiteral("edtTyped%1").arg(i));
        typed.BindEdits(i, c.format, {edit});
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(edit->Text(), c.typed) << "nothing is cut";
        QTest::keyClicks(edit, QStringLiteral("0"));
        EXPECT_EQ(edit->Text(), c.typed) << "the size still holds";
    }
    typed.CollectValues();
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(typed.Request.List.GetVar(0)->Value, cases[0].value);
    EXPECT_EQ(typed.Request.List.GetVar(1)->Value, cases[1].value);
    EXPECT_EQ(typed.Request.List.GetVar(2)->Value, cases[2].value);
}

} // namespace
} // namespace qs::test
