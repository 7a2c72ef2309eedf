// The time range dialog against krs-sim: the weekday boxes and their text, Add, Edit and Delete
// sending their columns at the name's instance, and the gate that holds writes and closing until
// the walk has ended.
#include "TimeRangeForm.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kRange = ".1.3.6.1.4.1.58613.12.50.3.1.1.";
const std::string kLunch = ".5.108.117.110.99.104";
const std::string kNight = ".5.110.105.103.104.116";

class TimeRangeFormTest : public FormSimTest<TTimeRangeForm, &TTimeRangeForm::RangeRequest> {
public: // the cases act on the fixture
    void Settle() override {
        ASSERT_TRUE(WaitFor([this] { return dialog->ReadComplete.Ready(); }));
    }
    void SelectRow(int i) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(i));
        dialog->ListView1Click();
    }
    void Tick(std::initializer_list<int> days) {
        for (int d : days) {
            dialog->WeekdayBoxes[static_cast<std::size_t>(d)]->SetChecked(true);
        }
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }
};

TEST_F(TimeRangeFormTest, ARowTicksItsWeekdays) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("2"));
    SelectRow(0);
    EXPECT_EQ(dialog->edtName->Text(), QStringLiteral("night"));
    EXPECT_EQ(dialog->edtStart->Text(), QStringLiteral("20:00:00"));
    std::vector<bool> ticked;
    for (TCheckBox* box : dialog->WeekdayBoxes) {
        ticked.push_back(box->Checked());
    }
    EXPECT_EQ(ticked, (std::vector<bool>{true, false, true, false, false, false, false}));
    EXPECT_FALSE(dialog->edtName->Enabled());
    EXPECT_TRUE(dialog->btnSet->Enabled());
    Screenshot(dialog, "TimeRangeForm");
}

TEST_F(TimeRangeFormTest, WritesSendTheirColumnsAtTheNamesInstance) {
    struct Case {
        const char* what;
        std::function<void(TimeRangeFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const auto at = [](const char* column, const std::string& row, const char* value) {
        return std::string(column) + row + "=" + value;
    };
    const Case cases[] = {
        {"Add with Tuesday and Friday",
         [](TimeRangeFormTest& t) {
             t.dialog->edtName->SetText(QStringLiteral("lunch"));
             t.Tick({1, 4});
             t.dialog->edtStart->SetText(QStringLiteral("12:00:00"));
             t.dialog->edtEnd->SetText(QStringLiteral("13:00:00"));
             t.dialog->btnAdd->Click();
         },
         {at("2", kLunch, "STRING:Tue,Fri ") + at("3", kLunch, "STRING:12:00:00 ") +
          at("4", kLunch, "STRING:13:00:00 ") + at("5", kLunch, "INTEGER:4")},
         3},
        {"Add with every day",
         [](TimeRangeFormTest& t) {
             t.dialog->edtName->SetText(QStringLiteral("lunch"));
             t.Tick({0, 1, 2, 3, 4, 5, 6});
             t.dialog->edtStart->SetText(QStringLiteral("12:00:00"));
             t.dialog->edtEnd->SetText(QStringLiteral("13:00:00"));
             t.dialog->btnAdd->Click();
         },
         {at("2", kLunch, "STRING:Mon,Tue,Wed,Thu,Fri,Sat,Sun ") + at("3", kLunch, "STRING:12:00:00 ") +
          at("4", kLunch, "STRING:13:00:00 ") + at("5", kLunch, "INTEGER:4")},
         3},
        {"Edit of the selected row",
         [](TimeRangeFormTest& t) {
             t.SelectRow(0);
             t.dialog->WeekdayBoxes[6]->SetChecked(true);
             t.dialog->edtEnd->SetText(QStringLiteral("23:45:00"));
             t.dialog->btnSet->Click();
         },
         {at("2", kNight, "STRING:Mon,Wed,Sun ") + at("3", kNight, "STRING:20:00:00 ") +
          at("4", kNight, "STRING:23:45:00 ") + at("5", kNight, "INTEGER:1")},
         2},
        {"Delete without a question",
         [](TimeRangeFormTest& t) {
             t.SelectRow(0);
             t.dialog->btnDelete->Click();
         },
         {at("2", kNight, "STRING:Mon,Wed ") + at("3", kNight, "STRING:20:00:00 ") +
          at("4", kNight, "STRING:23:30:00 ") + at("5", kNight, "INTEGER:6")},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kRange), c.sets);
        EXPECT_EQ(Pdus().front(), "set");
        EXPECT_GT(Pdus().size(), 1u) << "walked again";
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_EQ(dialog->StaticText1->Caption(), QString::number(c.rowsAfter));
        EXPECT_TRUE(messages.boxes.isEmpty());
        EXPECT_FALSE(dialog->btnSet->Enabled());
        EXPECT_TRUE(dialog->edtName->Enabled());
        Close();
    }
}

TEST_F(TimeRangeFormTest, EmptyInputsAreRefused) {
    struct Case {
        std::initializer_list<int> days;
        const char* start;
        const char* end;
        const char* message;
    };
    const Case cases[] = {
        {{}, "12:00:00", "13:00:00", "Please input the weekdays"},
        {{2}, "", "13:00:00", "Please select the daily start time"},
        {{2}, "12:00:00", "", "Please select the daily end time"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        dialog->ClearEditors();
        dialog->edtName->SetText(QStringLiteral("lunch"));
        Tick(c.days);
        dialog->edtStart->SetText(QString::fromLatin1(c.start));
        dialog->edtEnd->SetText(QString::fromLatin1(c.end));
        dialog->btnAdd->Click();
        QTest::qWait(50);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Pdus().empty());
    }
}

TEST_F(TimeRangeFormTest, WritesAndClosingWaitForTheWalkAndStopEndsIt) {
    Open({"--delay", "400"}, false);
    dialog->edtName->SetText(QStringLiteral("lunch"));
    Tick({1});
    dialog->edtStart->SetText(QStringLiteral("12:00:00"));
    dialog->edtEnd->SetText(QStringLiteral("13:00:00"));
    dialog->btnAdd->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Get data not complete")});
    dialog->Close();
    EXPECT_EQ(messages.Texts(), QStringList({"Get data not complete", "Get data not complete"}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Sets(kRange).empty());

    dialog->btnStop->Click();
    Settle();
    messages.boxes.clear();
    Mark();
    dialog->btnAdd->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    Settle();
    EXPECT_EQ(Sets(kRange).size(), 1u);
    dialog->Close();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
}

} // namespace
} // namespace qs::test
