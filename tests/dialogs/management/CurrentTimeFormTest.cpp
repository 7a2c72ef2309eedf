// The device clock dialog against krs-sim: the capability names, the clock shown as read, and
// Set sending the clock alone (or nothing when it is empty); a failed read is shown.
#include "CurrentTimeForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"

namespace qs::test {
namespace {

const std::string kClock = ".1.3.6.1.4.1.58613.12.10.";

TEST(TimeCapacityNames, NamesTheSetBitsOfTheLeadingHexDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"F0", " systemTime,SNTP,SummerTime,realTimeClock"},
        {"50", " SNTP,realTimeClock"},
        {"a0", " systemTime,SummerTime"},
        {"0F", " "},
        {"F000", " "},
        {"8", " "},
        {"4G", " "},
        {"X0", " "},
    };
    for (const auto& [hex, names] : cases) {
        EXPECT_EQ(TimeCapacityNames(QString::fromLatin1(hex)), QString::fromLatin1(names)) << hex;
    }
    EXPECT_EQ(TimeCapacityNames(QString()), std::nullopt);
}

class CurrentTimeFormTest : public FormSimTest<TCurrentTimeForm, &TCurrentTimeForm::ClockRequest> {};

TEST_F(CurrentTimeFormTest, ShowsTheClockAndItsCapabilities) {
    Open();
    EXPECT_EQ(dialog->Caption(), QStringLiteral("Current Time"));
    EXPECT_EQ(dialog->timecapacityEdit->Text(), QStringLiteral(" systemTime,SNTP,SummerTime,realTimeClock"));
    EXPECT_FALSE(dialog->timecapacityEdit->Enabled());
    EXPECT_EQ(dialog->currentclockEdit->Text(), QStringLiteral("2026-12-10,13:20:5.0"));
    EXPECT_EQ(dialog->cbxReset->Text(), QStringLiteral("true"));
    EXPECT_FALSE(dialog->cbxReset->Enabled());
    Screenshot(dialog, "CurrentTimeForm");
}

TEST_F(CurrentTimeFormTest, SetSendsTheClockAloneAndNothingWhenEmpty) {
    struct Case {
        const char* clock;
        std::vector<std::string> sets;
        QStringList boxes;
    };
    const Case cases[] = {
        {"2007-5-26,15:30:15.0", {"2.0=STRING:07 D7 05 1A 0F 1E 0F 00 2B 00 00"}, {}},
        // The edit holds the offset whole, in the longest writing taken.
        {"2007-05-26,15:30:15.0,+08:00", {"2.0=STRING:07 D7 05 1A 0F 1E 0F 00 2B 08 00"}, {}},
        {"2007-5-26,15:30:15,-5:30", {"2.0=STRING:07 D7 05 1A 0F 1E 0F 00 2D 05 1E"}, {}},
        {"", {}, {QStringLiteral("The Current Edit should not be empty!")}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clock);
        Mark();
        messages.boxes.clear();
        dialog->currentclockEdit->SetText(QString::fromLatin1(c.clock));
        dialog->SetButton->Click();
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->ClockRequest->Busy; }));
        EXPECT_EQ(Sets(kClock), c.sets);
        EXPECT_EQ(Pdus().size(), c.sets.size()) << "nothing read again";
        EXPECT_EQ(messages.Texts(), c.boxes);
    }
}

// A clock the calendar does not have is refused part by part before anything is sent: a box names
// the field and the part, and the status line never reads "Ok!".
TEST_F(CurrentTimeFormTest, RefusesAClockTheCalendarDoesNotHave) {
    const std::pair<const char*, const char*> cases[] = {
        {"2007-13-26,15:30:15.0", " Please enter a month between 1 and 12!"},
        {"2007-2-29,15:30:15.0", " Please enter a day between 1 and 28!"},
        {"2007-4-31,15:30:15.0", " Please enter a day between 1 and 30!"},
        {"2007-5-26,24:30:15.0", " Please enter an hour between 0 and 23!"},
        {"2007-5-26,15:60:15.0", " Please enter minutes between 0 and 59!"},
        {"2007-5-26,15:30:61.0", " Please enter seconds between 0 and 60!"}, // 60: a leap second
        {"2007-5-26,15:30:15.10", " Please enter deci-seconds between 0 and 9!"},
        {"207-5-26,15:30:15.0", " Please enter a year of four digits!"},
        {"zz", " Please enter a date and time such as 2007-5-26,15:30:15.0,+8:0!"},
        {"-1", " Please enter a date and time such as 2007-5-26,15:30:15.0,+8:0!"},
        {"1.2.3.4.5", " Please enter a date and time such as 2007-5-26,15:30:15.0,+8:0!"},
    };
    Open();
    for (const auto& [clock, refusal] : cases) {
        SCOPED_TRACE(clock);
        Mark();
        messages.boxes.clear();
        dialog->currentclockEdit->SetText(QString::fromLatin1(clock));
        dialog->SetButton->Click();
        ASSERT_TRUE(WaitFor([this] { return !dialog->ClockRequest->Busy; }));
        EXPECT_TRUE(Sets(kClock).empty());
        EXPECT_EQ(messages.Texts(),
                  QStringList{QStringLiteral("Current Clock(Example 1992-5-26,13:30:15.0):") +
                              QString::fromLatin1(refusal)});
        EXPECT_FALSE(dialog->StatusOut().Text().contains(QStringLiteral("Ok!")));
    }
}

TEST_F(CurrentTimeFormTest, AFailedReadIsShownAndLeavesTheNamesAsTheyWere) {
    Open();
    sim.reset();
    ASSERT_TRUE(StartSim({"--no-answer"}));
    dialog->currentclockEdit->SetText(QString());
    dialog->GetButton->Click();
    QTest::qWait(50);
    ASSERT_TRUE(WaitFor([this] { return !dialog->ClockRequest->Busy; }));
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: ")))
        << dialog->StatusOut().Text().toStdString();
    EXPECT_FALSE(dialog->StatusOut().Text().contains(QStringLiteral("Ok!")));
    EXPECT_EQ(dialog->timecapacityEdit->Text(), QStringLiteral(" systemTime,SNTP,SummerTime,realTimeClock"));
}

} // namespace
} // namespace qs::test
