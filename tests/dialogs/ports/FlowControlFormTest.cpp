// The flow-control counter dialogs against krs-sim: the port walk, the selected port's counters
// read at once and polled, the admin mode write, and a failed counter read that stops the polling
// before it says so.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "Timer.h"
#include "dot3ControlForm.h"
#include "dot3PauseForm.h"

namespace qs::test {
namespace {

const std::string kEtherLike = ".1.3.6.1.2.1.10.7.";

class FlowControlFormTest : public DialogSimTest {
protected:
    template <class F> void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<F>(nullptr);
        dialog->Show();
    }
    void WaitWalk() {
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->PortRequest->Busy; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectPort(int port) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(port - 1));
        dialog->ListView1Click();
    }
    QString Value(int row) const { return dialog->ListView2->Item(row)->SubItem(0); }

    FlowControlForm* dialog = nullptr;
};

TEST_F(FlowControlFormTest, SelectingAPortReadsItsPauseCountersAtOnce) {
    Open<Tdot3PauseForm>();
    WaitWalk();
    ASSERT_EQ(dialog->ListView1->ItemCount(), 28);
    EXPECT_EQ(dialog->ListView1->Item(24)->SubItem(0), QStringLiteral("disabled"));
    EXPECT_EQ(dialog->ListView2->Item(0)->Caption(), QStringLiteral("In Pause Frame"));
    SelectPort(5);
    EXPECT_EQ(Value(0), QStringLiteral("55"));
    EXPECT_EQ(Value(1), QStringLiteral("35"));
    EXPECT_EQ(dialog->cbxAdminMode->Text(), QStringLiteral("enabledXmitAndRcv"));
    EXPECT_TRUE(dialog->btnSet->Enabled());
    EXPECT_EQ(Pdus(), std::vector<std::string>{"get"});
    EXPECT_EQ(Sent()[0].varbinds[0].oid, kEtherLike + "10.1.3.5");
    Screenshot(dialog, "dot3PauseForm");
}

TEST_F(FlowControlFormTest, SetWritesTheAdminModeThenReadsThePortsAgain) {
    Open<Tdot3PauseForm>();
    WaitWalk();
    SelectPort(25);
    dialog->cbxInterval->SetItemIndex(1);
    dialog->cbxIntervalChange();
    dialog->cbxAdminMode->SetItemIndex(3);
    dialog->btnSet->Click();
    EXPECT_FALSE(dialog->Timer1->Enabled()) << "polling stopped";
    EXPECT_EQ(dialog->cbxInterval->Text(), QStringLiteral("none"));
    ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy && Pdus().size() > 20; }));
    EXPECT_EQ(Sets(kEtherLike), std::vector<std::string>{"10.1.1.25=INTEGER:4"});
    EXPECT_EQ(Pdus()[1], "set");
    EXPECT_EQ(Pdus()[2], "getnext");
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 28; }));
    EXPECT_EQ(dialog->ListView1->Item(24)->SubItem(0), QStringLiteral("enabledXmitAndRcv"));
}

TEST_F(FlowControlFormTest, SetWhileThePortsAreReadIsRefused) {
    Open<Tdot3PauseForm>({"--delay", "100"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() > 0; }));
    Mark();
    dialog->ListView1->SetSelected(dialog->ListView1->Item(0));
    dialog->btnSetClick();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Get data not complete")});
    EXPECT_TRUE(Sets(kEtherLike).empty());
}

TEST_F(FlowControlFormTest, PollingRepeatsTheCounterRead) {
    Open<Tdot3PauseForm>();
    WaitWalk();
    SelectPort(3);
    dialog->cbxInterval->SetItemIndex(1);
    dialog->cbxIntervalChange();
    EXPECT_EQ(dialog->Timer1->Interval(), 2000);
    ASSERT_TRUE(WaitFor([this] { return Pdus().size() >= 2; })) << "a second read, by the timer";
    EXPECT_EQ(Pdus()[1], "get");
    EXPECT_EQ(Value(0), QStringLiteral("33"));
}

TEST_F(FlowControlFormTest, AFailedCounterReadStopsThePollingBeforeTheBox) {
    Open<Tdot3PauseForm>();
    WaitWalk();
    dialog->cbxInterval->SetItemIndex(1); // no port selected yet
    dialog->cbxIntervalChange();
    bool timerRanWhileShown = true;
    messages.whileOpen = [&](const BoxRequest&) { timerRanWhileShown = dialog->Timer1->Enabled(); };
    dialog->Timer1Timer();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Get data not completed.")});
    EXPECT_FALSE(timerRanWhileShown);
    EXPECT_EQ(dialog->cbxInterval->Text(), QStringLiteral("none"));
}

TEST_F(FlowControlFormTest, TheControlDialogShowsTheSupportedFunctionAndItsCounter) {
    Open<Tdot3ControlForm>();
    WaitWalk();
    ASSERT_EQ(dialog->ListView1->ItemCount(), 28);
    EXPECT_EQ(dialog->btnSet, nullptr);
    EXPECT_EQ(dialog->ListView2->Item(0)->Caption(), QStringLiteral("Recived Unknown Opcodes"));
    SelectPort(6);
    EXPECT_TRUE(dialog->CheckBoxes[0]->Checked());
    EXPECT_EQ(Value(0), QStringLiteral("2"));
    Screenshot(dialog, "dot3ControlForm");
}

} // namespace
} // namespace qs::test
