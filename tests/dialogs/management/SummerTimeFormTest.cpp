// The summer time dialog against krs-sim: the rule read into the rows of its mode, and Set
// Checked sending the state, then the rule whose rows are shown, refusing what cannot be encoded.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "frmSummerTime.h"

namespace qs::test {
namespace {

const std::string kSummer = ".1.3.6.1.4.1.58613.12.10.12.";

class SummerTimeFormTest : public FormSimTest<TfrmSummerTime, &TfrmSummerTime::StateRequest> {
public: // the cases act on the fixture
    void ShowStatus(int position) {
        dialog->cbxTimeStatus->SetItemIndex(position);
        dialog->cbxTimeStatusChange();
    }
    static void SetRepeat(TfrmSummerTime::RepeatRow& row, int week, int weekday, int month, const char* hour,
                          const char* minute) {
        row.week->SetItemIndex(week);
        row.weekday->SetItemIndex(weekday);
        row.month->SetItemIndex(month);
        row.hour->SetText(QString::fromLatin1(hour));
        row.minute->SetText(QString::fromLatin1(minute));
    }
    static void SetAnnual(TfrmSummerTime::AnnualRow& row, const char* day, int month) {
        row.day->SetText(QString::fromLatin1(day));
        row.month->SetItemIndex(month);
        row.hour->SetText(QStringLiteral("2"));
        row.minute->SetText(QStringLiteral("0"));
    }
};

TEST_F(SummerTimeFormTest, ShowsTheRepeatingRuleInItsRows) {
    Open();
    EXPECT_EQ(dialog->cbxTimeStatus->Text(), QStringLiteral("repeating"));
    EXPECT_EQ(dialog->edtTimeOffset->Text(), QStringLiteral("60"));
    EXPECT_TRUE(dialog->RepeatStartRow->Visible());
    EXPECT_FALSE(dialog->AnnualStartRow->Visible());
    EXPECT_EQ(dialog->AnnualStartRow->Top(), dialog->RepeatStartRow->Top());
    const auto& s = dialog->RepeatS;
    EXPECT_EQ(
        QStringList({s.week->Text(), s.weekday->Text(), s.month->Text(), s.hour->Text(), s.minute->Text()}),
        QStringList({"last", "Sun", "Mar", "2", "0"}));
    const auto& e = dialog->RepeatE;
    EXPECT_EQ(
        QStringList({e.week->Text(), e.weekday->Text(), e.month->Text(), e.hour->Text(), e.minute->Text()}),
        QStringList({"last", "Sun", "Oct", "3", "0"}));
    EXPECT_TRUE(messages.boxes.isEmpty());
    Screenshot(dialog, "frmSummerTime");
}

TEST_F(SummerTimeFormTest, SetCheckedSendsTheStateThenTheRuleShown) {
    struct Case {
        const char* what;
        std::function<void(SummerTimeFormTest&)> act;
        std::vector<std::string> sets;
        QStringList boxes;
    };
    const Case cases[] = {
        {"repeating start and end",
         [](SummerTimeFormTest& t) {
             SetRepeat(t.dialog->RepeatS, 1, 1, 4, "2", "0");
             t.dialog->RepeatS.include->SetChecked(true);
             t.dialog->RepeatE.include->SetChecked(true);
         },
         {"3.0=STRING:01 00 02 04 02 00 4.0=STRING:00 00 01 0A 03 00"},
         {}},
        {"an offset outside the list stops everything",
         [](SummerTimeFormTest& t) {
             t.dialog->edtTimeOffset->SetText(QStringLiteral("45"));
             t.dialog->btnCheckAllClick();
         },
         {},
         {"Time Offset error!"}},
        {"the state goes out before the half-ticked rule is refused",
         [](SummerTimeFormTest& t) {
             t.dialog->CheckBox1->SetChecked(true);
             t.dialog->RepeatS.include->SetChecked(true);
         },
         {"1.0=INTEGER:1"},
         {"The Repeat Summer Time Start and Repeat Summer Time End should be set together!"}},
        {"an hour past 23",
         [](SummerTimeFormTest& t) {
             t.dialog->RepeatE.hour->SetText(QStringLiteral("24"));
             t.dialog->btnCheckAllClick();
         },
         {"1.0=INTEGER:1 2.0=INTEGER:60"},
         {"time error!!"}},
        {"annual rows never filled: nothing selected is invalid",
         [](SummerTimeFormTest& t) {
             t.ShowStatus(2);
             t.dialog->AnnualS.include->SetChecked(true);
             t.dialog->AnnualE.include->SetChecked(true);
             t.dialog->AnnualS.day->SetText(QStringLiteral("25"));
             t.dialog->AnnualE.day->SetText(QStringLiteral("26"));
             for (auto* edit : {t.dialog->AnnualS.hour, t.dialog->AnnualS.minute, t.dialog->AnnualE.hour,
                                t.dialog->AnnualE.minute}) {
                 edit->SetText(QStringLiteral("1"));
             }
         },
         {},
         {"time error!!"}},
        {"annual: Check All ticks the rows shown, the hidden repeating rule stays home",
         [](SummerTimeFormTest& t) {
             t.ShowStatus(2);
             SetAnnual(t.dialog->AnnualS, "28", 2);
             SetAnnual(t.dialog->AnnualE, "31", 10);
             t.dialog->btnCheckAllClick();
         },
         {"1.0=INTEGER:2 2.0=INTEGER:60", "5.0=STRING:1C 02 02 00 6.0=STRING:1F 0A 02 00"},
         {}},
        {"31 April",
         [](SummerTimeFormTest& t) {
             t.ShowStatus(2);
             SetAnnual(t.dialog->AnnualS, "31", 4);
             SetAnnual(t.dialog->AnnualE, "31", 10);
             t.dialog->AnnualS.include->SetChecked(true);
             t.dialog->AnnualE.include->SetChecked(true);
         },
         {},
         {"time error!!"}},
        {"29 February: the device takes no leap day",
         [](SummerTimeFormTest& t) {
             t.ShowStatus(2);
             SetAnnual(t.dialog->AnnualS, "29", 2);
             SetAnnual(t.dialog->AnnualE, "31", 10);
             t.dialog->AnnualS.include->SetChecked(true);
             t.dialog->AnnualE.include->SetChecked(true);
         },
         {},
         {"time error!!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        dialog->btnSet->Click();
        EXPECT_EQ(Sets(kSummer), c.sets);
        EXPECT_EQ(Pdus().size(), c.sets.size()) << "nothing read again";
        EXPECT_EQ(messages.Texts(), c.boxes);
        for (const auto* r : {dialog->StateRequest, dialog->RepeatRequest, dialog->AnnualRequest}) {
            for (int i = 0; i < r->Request.List.GetCount(); ++i) {
                EXPECT_EQ(r->Request.List.GetVar(i)->Access, unsigned{ACC_READWRITE});
            }
        }
        messages.boxes.clear();
        Close();
    }
}

TEST_F(SummerTimeFormTest, AnAnnualRuleIsReadIntoTheAnnualRowsAndAnEmptyHourIsShown) {
    Open();
    ShowStatus(2);
    SetAnnual(dialog->AnnualS, "25", 3);
    SetAnnual(dialog->AnnualE, "26", 10);
    dialog->btnCheckAllClick();
    dialog->btnSet->Click();
    ASSERT_EQ(Sets(kSummer).size(), 2u);
    ShowStatus(0);
    EXPECT_FALSE(dialog->RepeatStartRow->Visible());
    EXPECT_FALSE(dialog->AnnualStartRow->Visible());
    dialog->btnRefresh->Click();
    EXPECT_EQ(dialog->cbxTimeStatus->Text(), QStringLiteral("annual"));
    EXPECT_TRUE(dialog->AnnualStartRow->Visible());
    EXPECT_FALSE(dialog->RepeatStartRow->Visible());
    EXPECT_EQ(dialog->AnnualE.day->Text(), QStringLiteral("26"));
    EXPECT_EQ(dialog->AnnualE.month->Text(), QStringLiteral("Oct"));
    Screenshot(dialog, "frmSummerTimeAnnual");

    Mark();
    dialog->btnClearChecksClick();
    dialog->AnnualS.include->SetChecked(true);
    dialog->AnnualE.include->SetChecked(true);
    dialog->AnnualE.hour->SetText(QString());
    dialog->btnSet->Click();
    EXPECT_TRUE(Pdus().empty());
    EXPECT_EQ(dialog->StatusOut().Text(), QStringLiteral("'' is not a valid integer value"));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(SummerTimeFormTest, AFailedReadIsShownInTheStatusBar) {
    ASSERT_TRUE(StartSim({"--no-answer"})) << sim->lastError();
    dialog = CreateForm<TfrmSummerTime>(nullptr);
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: ")))
        << dialog->StatusOut().Text().toStdString();
    EXPECT_FALSE(dialog->StatusOut().Text().contains(QStringLiteral("Ok!")));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
