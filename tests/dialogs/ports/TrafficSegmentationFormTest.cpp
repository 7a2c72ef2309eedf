// The traffic segmentation dialog against krs-sim: the selected port's forward map written and
// the table walked again, Refresh and Set refused while a walk runs until Stop, and a failed
// read shown although the request's get hook is the dialog's own.
#include "TrafficSegmentationForm.h"
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kSegments = ".1.3.6.1.4.1.58613.11.113.1.6.2.12.1.1.";

class TrafficSegmentationFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}, bool settle = true) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TTrafficSegmentationForm>(nullptr);
        dialog->Show();
        if (settle) {
            Settle();
        }
        Mark();
        messages.boxes.clear();
    }
    void Settle() {
        ASSERT_TRUE(
            WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->SegmentRequest->Busy; }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectPort(int port) {
        dialog->LV_TrafficForward->SetSelected(dialog->LV_TrafficForward->Item(port - 1));
    }

    TTrafficSegmentationForm* dialog = nullptr;
};

TEST_F(TrafficSegmentationFormTest, ARowShowsItsPortAndForwardMap) {
    Open();
    EXPECT_EQ(dialog->LV_TrafficForward->ItemCount(), 28);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("28"));
    EXPECT_FALSE(dialog->BT_Set->Enabled());
    SelectPort(5);
    EXPECT_EQ(dialog->Combo_Port->Text(), QStringLiteral("5"));
    EXPECT_EQ(dialog->Combo_Unit->Text(), QStringLiteral("1"));
    EXPECT_TRUE(dialog->ForwardPorts.Ticked(3));
    EXPECT_TRUE(dialog->ForwardPorts.Ticked(4));
    EXPECT_FALSE(dialog->ForwardPorts.Ticked(5));
    EXPECT_TRUE(dialog->BT_Set->Enabled());
    Screenshot(dialog, "TrafficSegmentationForm");
    dialog->LV_TrafficForward->SetSelected(nullptr);
    EXPECT_FALSE(dialog->BT_Set->Enabled());
    EXPECT_FALSE(dialog->ForwardPorts.Ticked(3));
    EXPECT_TRUE(dialog->Combo_Port->Text().isEmpty());
}

TEST_F(TrafficSegmentationFormTest, SetWritesTheSelectedPortsMapAndWalksAgain) {
    struct Case {
        int port;
        std::vector<int> tick, untick;
        std::string set;
    };
    const Case cases[] = {
        {5, {1}, {}, "2.5=STRING:B0 00 00 00 00 00 00 00"},
        {5, {}, {3, 4}, "2.5=STRING:00 00 00 00 00 00 00 00"},
        {28, {}, {28}, "2.28=STRING:FF FF FF E0 00 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        Open();
        SelectPort(c.port);
        for (int p : c.tick) {
            dialog->ForwardPorts.Tick(p, true);
        }
        for (int p : c.untick) {
            dialog->ForwardPorts.Tick(p, false);
        }
        dialog->BT_Set->Click();
        EXPECT_FALSE(dialog->BT_Set->Enabled());
        EXPECT_TRUE(dialog->Combo_Port->Text().isEmpty());
        ASSERT_TRUE(WaitFor([this] { return Pdus().size() > 2 && !dialog->SegmentRequest->Busy; }));
        EXPECT_EQ(Sets(kSegments), std::vector<std::string>{c.set});
        EXPECT_EQ(Pdus().back(), "getnext");
        EXPECT_EQ(dialog->LV_TrafficForward->ItemCount(), 28);
        EXPECT_TRUE(messages.boxes.isEmpty());
    }
}

TEST_F(TrafficSegmentationFormTest, RefreshWaitsForTheWalkUntilStop) {
    Open({"--delay", "150"}, false);
    dialog->BT_Get->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Refresh not complete")});
    dialog->StopBtn->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->SegmentRequest->Busy; }));
    EXPECT_LT(dialog->LV_TrafficForward->ItemCount(), 28);
    messages.boxes.clear();
    Mark();
    dialog->BT_Get->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_FALSE(dialog->WalkFinished.Ready()) << "a new walk runs";
    EXPECT_TRUE(WaitFor([this] { return !Pdus().empty(); }));
}

TEST_F(TrafficSegmentationFormTest, AFailedReadIsShown) {
    Open({"--drop-under", ".1.3.6.1.4.1.58613.11.113.1.6.2.12.1"});
    const QString status = dialog->StatusOut().Text();
    EXPECT_FALSE(status.isEmpty());
    EXPECT_FALSE(status.contains(QStringLiteral("Ok!"))) << status.toStdString();
    EXPECT_TRUE(dialog->WalkFinished.Ready());
}

} // namespace
} // namespace qs::test
