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
