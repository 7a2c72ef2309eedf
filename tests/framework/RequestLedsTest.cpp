// The LED request: decoding, colours and the blink sequence with the timers driven by hand, and
// polling the front-panel status object of krs-sim.

#include "Clock.h"
#include "EditsSimSupport.h"
#include "LedColorMaps.h"
#include "Panel.h"
#include "QsException.h"
#include "QsSNMPRequest2Leds.h"
#include "StatusBar.h"
#include "Timer.h"

namespace qs::test {
namespace {

const QsSNMPVarDesc kLedStatus[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2", "swL2DevInfoFrontPanelLedStatus", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};
const QsLedColor kTable[] = {{0, kLedBlack}, {1, kLedAmber}, {2, kLedLime}, {0, -1}};
const QsSNMPLedColorMapList kStrict(kTable, 7, 0, kLedBlack, -1);

// Opens the reply step for the tests.
class Leds : public QsSNMPRequest2Leds {
public:
    using QsSNMPRequest2Leds::OnRow;
    using QsSNMPRequest2Leds::QsSNMPRequest2Leds;
};

class LedRequest : public GuiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim = new SimProcess;
        if (!sim->start()) {
            ADD_FAILURE() << sim->lastError();
        }
    }
    static void TearDownTestSuite() { delete std::exchange(sim, nullptr); }
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(sim && sim->running());
        leds = std::make_unique<Leds>(form);
        AimAtSim(leds->Request, sim->port());
        leds->Request.List = QsSNMPVarList(kLedStatus, MVT_SV, 0);
        leds->Request.List.AppendSuffix("1");
        panel = new TPanel(form);
        panel->SetName(QStringLiteral("LedPanel"));
    }
    void TearDown() override {
        leds.reset();
        GuiTest::TearDown();
    }
    TShape* Shape(int i) const { return leds->Led(i).Shape; }
    std::vector<int> Colors() const {
        std::vector<int> out;
        for (int i = 0; i < leds->LedCount(); ++i) {
            out.push_back(Shape(i)->Brush.Color);
        }
        return out;
    }
    // The replies' paint, then the blink timer's ticks.
    std::vector<int> PaintsAfterReply(const std::string& value, int ticks) {
        leds->Request.List.GetVar(0)->Value = value;
        leds->OnRow();
        std::vector<int> seen{Shape(0)->Brush.Color};
        for (int t = 0; t < ticks; ++t) {
            qs::Fire(leds->BlinkTimer->OnTimer, static_cast<TObject*>(leds->BlinkTimer.data()));
            seen.push_back(Shape(0)->Brush.Color);
        }
        return seen;
    }

    static SimProcess* sim;
    std::unique_ptr<Leds> leds;
    TPanel* panel = nullptr;
};

SimProcess* LedRequest::sim = nullptr;

TEST_F(LedRequest, AddLedsPlacesShapesSideBySideInTheDefaultColour) {
    leds->AddLeds(0, "1,3,9", &PowerLedColors(), panel, 1, 10, stRectangle, 4, 4);
    ASSERT_EQ(leds->LedCount(), 3);
    EXPECT_EQ(leds->Led(2).BytePosition, 9);
    EXPECT_EQ(Shape(2)->Left(), 29);
    EXPECT_EQ(Shape(2)->Top(), 0);
    EXPECT_EQ(Shape(2)->Width(), 4);
    EXPECT_EQ(Shape(2)->Parent(), panel);
    EXPECT_EQ(Colors(), (std::vector<int>{kLedBlack, kLedBlack, kLedBlack}));
    EXPECT_EQ(Shape(0)->Pen.Color, kLedBlack);
}

TEST_F(LedRequest, BlinkSequenceDependsOnThePreviousBrushColour) {
    leds->AddLeds(0, "0", &PortLedColors(), panel, 1, 6, stRectangle, 4, 4);
    const int L = kLedLime;
    const int B = kLedBlack;
    EXPECT_EQ(PaintsAfterReply("02", 9), (std::vector<int>{L, B, L, B, L, B, L, L, L, L}));
    EXPECT_EQ(PaintsAfterReply("02", 9), (std::vector<int>{B, L, B, L, B, L, B, L, L, L}));
    EXPECT_EQ(PaintsAfterReply("00", 2), (std::vector<int>{B, B, B}));
}

TEST_F(LedRequest, BlinkTimerRunsOnlyWhilePaintsAreDue) {
    leds->AddLeds(0, "0", &PortLedColors(), panel, 1, 6, stRectangle, 4, 4);
    EXPECT_FALSE(leds->BlinkTimer->Enabled()) << "nothing blinks yet";
    PaintsAfterReply("00", 0);
    EXPECT_FALSE(leds->BlinkTimer->Enabled()) << "a steady LED";
    PaintsAfterReply("02", 6);
    EXPECT_TRUE(leds->BlinkTimer->Enabled()) << "one more paint takes the LED back to its colour";
    PaintsAfterReply("02", 7);
    EXPECT_FALSE(leds->BlinkTimer->Enabled()) << "the blinking is over until the next reply";
}

TEST_F(LedRequest, MissingByteWithoutMissingColourResetsEveryLed) {
    leds->AddLeds(0, "0", &PowerLedColors(), panel, 1, 10, stRectangle, 4, 4);
    leds->AddLeds(0, "5", &kStrict, panel, 20, 10, stRectangle, 4, 4);
    leds->Request.List.GetVar(0)->Value = "01";
    try {
        leds->OnRow();
        ADD_FAILURE() << "no error";
    } catch (const QsException& e) {
        EXPECT_EQ(e.helpContext, -519);
    }
    EXPECT_EQ(leds->Led(0).Color, kLedBlack) << "the LED decoded before the failure is reset too";
    EXPECT_EQ(Colors(), (std::vector<int>{kLedBlack, kLedBlack}));
}

TEST_F(LedRequest, PollPaintsTheFrontPanelLedsAndStopResetsThem) {
    auto* bar = new TStatusBar(form);
    bar->SetName(QStringLiteral("StatusBar"));
    leds->SetStatusBar(bar);
    leds->Request.List.Name = " LED Status";
    SetTimeOfDaySource([] { return QTime(9, 30, 0); });
    leds->AddLeds(0, "1", &PowerLedColors(), panel, 1, 10, stRectangle, 4, 4);
    leds->AddLeds(0, "3", &ConsoleLedColors(), panel, 15, 10, stRectangle, 4, 4);
    leds->AddLeds(0, "9", &AlarmLedColors(), panel, 29, 10, stRectangle, 4, 4);
    leds->AddLeds(0, "32,34,99", &PortLedColors(), panel, 43, 6, stRectangle, 4, 4);
    leds->StartPolling(500);
    WaitIdle(*leds);
    SetTimeOfDaySource({});
    // The decoded colours: the blink timer may already have painted a blinking LED dark.
    std::vector<int> decoded;
    for (int i = 0; i < leds->LedCount(); ++i) {
        decoded.push_back(leds->Led(i).Color);
    }
    EXPECT_EQ(decoded, (std::vector<int>{kLedLime, kLedLime, kLedBlack, kLedLime, kLedAmber, kLedBlack}));
    EXPECT_TRUE(leds->Led(3).Blinking);
    EXPECT_EQ(leds->PollTimer->Interval(), 5000);
    EXPECT_EQ(bar->SimpleText(), "Get: Ok! Request: LED Status. Receive at 09:30:00.");
    leds->StopPolling();
    EXPECT_EQ(Colors(), std::vector<int>(6, kLedBlack));
    EXPECT_FALSE(leds->PollTimer->Enabled());
    EXPECT_FALSE(leds->BlinkTimer->Enabled());
    leds->StartPolling(500);
    WaitIdle(*leds);
    EXPECT_TRUE(leds->PollTimer->Enabled()) << "polls resume";
    EXPECT_FALSE(leds->BlinkTimer->Enabled()) << "blinking does not";
    EXPECT_EQ(Colors()[0], kLedLime);
}

TEST_F(LedRequest, FailedPollResetsTheLedsAndShowsNoBox) {
    leds->AddLeds(0, "1", &PowerLedColors(), panel, 1, 10, stRectangle, 4, 4);
    leds->Request.List.GetVar(0)->Value = "0001";
    leds->OnRow();
    ASSERT_EQ(Colors()[0], kLedLime);
    SimProcess silent({.args = {"--no-answer"}});
    ASSERT_TRUE(silent.start()) << silent.lastError();
    leds->Request.Device.port = silent.port();
    leds->Request.Timeout = 10;
    leds->StartPolling(500);
    WaitIdle(*leds);
    EXPECT_EQ(Colors()[0], kLedBlack);
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
