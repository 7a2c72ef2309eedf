// The spanning tree dialogs against krs-sim: the state SET with its confirmation and progress box
// (spanning tree can be switched off and on again in one session), the bridge values sent with
// or without Hello Time, the checks that send nothing, and the version record on the main window
// changed only by a SET the device took.
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Progress.h"
#include "Progress2.h"
#include "QsSNMPRequest2Edits.h"
#include "STP_Info.h"
#include "SpanningTreeAlgorithmForm.h"
#include "StaticText.h"
#include "StpVersionRecord.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kStp = ".1.3.6.1.4.1.58613.12.15.1.";
constexpr int kQuickTickMs = 2;

// Notes the caption and prompt of a progress box while one is shown.
class ProgressWatch {
public:
    template <class Box> explicit ProgressWatch(Box*& global) {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this, &global] {
            if (global && seen.isEmpty()) {
                seen = global->Caption() + QStringLiteral(" | ") + global->LB_Prompt->Caption();
            }
        });
        timer_.start();
    }
    QString seen;

private:
    QTimer timer_;
};

class SpanningTreeAlgorithmFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TSpanningTreeAlgorithmForm>(nullptr);
        dialog->ProgressTickMs = kQuickTickMs;
        dialog->Show();
        Settle();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] {
            return dialog->StateRequest && !dialog->StateRequest->Busy && !dialog->StateRecordRequest->Busy;
        }));
    }
    void Choose(const char* state) {
        dialog->ComboBox1->SetItemIndex(dialog->ComboBox1->Items().IndexOf(QString::fromLatin1(state)));
    }

    TSpanningTreeAlgorithmForm* dialog = nullptr;
};

TEST_F(SpanningTreeAlgorithmFormTest, ShowsTheState) {
    EXPECT_EQ(dialog->ComboBox1->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->lbSTPState->Caption(), QStringLiteral("enabled"));
    EXPECT_FALSE(dialog->lbSTPState->isVisibleTo(dialog));
    Screenshot(dialog, "SpanningTreeAlgorithmForm");
}

TEST_F(SpanningTreeAlgorithmFormTest, TheUnchangedStateSendsAndReadsNothing) {
    dialog->SetButton->Click();
    QTest::qWait(50);
    EXPECT_TRUE(Pdus().empty());
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(SpanningTreeAlgorithmFormTest, SwitchingOffAndOnAgainSendsBothAndShowsTheProgressBox) {
    Choose("disabled");
    dialog->SetButton->Click();
    Settle();
    EXPECT_EQ(Sets(kStp), std::vector<std::string>{"1.0=INTEGER:2"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << "switching off asks nothing";
    EXPECT_EQ(dialog->lbSTPState->Caption(), QStringLiteral("disabled")) << "the record is read again";
    Mark();
    Choose("enabled");
    ProgressWatch watch(ProgressForm);
    dialog->SetButton->Click();
    Settle();
    EXPECT_EQ(Sets(kStp), std::vector<std::string>{"1.0=INTEGER:3"});
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("To enable STP may take a long time. Do you want to go on?")});
    EXPECT_EQ(watch.seen, QStringLiteral("Enable STP Progress | Enable STP is processing..."));
    EXPECT_EQ(ProgressForm, nullptr);
    EXPECT_EQ(dialog->ComboBox1->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(Pdus().back(), "get");
}

TEST_F(SpanningTreeAlgorithmFormTest, ACancelledEnableSendsNothingAndReadsAgain) {
    Choose("disabled");
    dialog->SetButton->Click();
    Settle();
    Mark();
    Choose("enabled");
    messages.answers = {IDCANCEL};
    dialog->SetButton->Click();
    Settle();
    EXPECT_TRUE(Sets(kStp).empty());
    EXPECT_EQ(Pdus(), (std::vector<std::string>{"get", "get"}));
    EXPECT_EQ(dialog->ComboBox1->Text(), QStringLiteral("disabled"));
}

class StpInfoTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        SetStpVersionText(QStringLiteral("ST_Version"));
    }
    void Open(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TSTP_Info>(nullptr);
        dialog->ProgressTickMs = kQuickTickMs;
        dialog->Show();
        Settle();
        Mark();
        messages.boxes.clear();
    }
    void TearDown() override {
        delete dialog;
        SetStpVersionText(QStringLiteral("ST_Version"));
        DialogSimTest::TearDown();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return dialog->MstpRequest && !dialog->MstpRequest->Busy; }));
    }
    void Choose(TComboBox* combo, const char* text) {
        combo->SetItemIndex(combo->Items().IndexOf(QString::fromLatin1(text)));
    }
    void Fill(const char* maxAge, const char* hello, const char* forwardDelay) {
        dialog->ET_AgingTime->SetText(QString::fromLatin1(maxAge));
        dialog->ET_HelloTime->SetText(QString::fromLatin1(hello));
        dialog->ET_ForwardDelay->SetText(QString::fromLatin1(forwardDelay));
    }

    TSTP_Info* dialog = nullptr;
};

TEST_F(StpInfoTest, ShowsTheBridgeValues) {
    Open();
    EXPECT_EQ(dialog->Combo_STPVersion->Text(), QStringLiteral("rstp"));
    EXPECT_EQ(dialog->ET_AgingTime->Text(), QStringLiteral("2000"));
    EXPECT_EQ(dialog->ET_HelloTime->Text(), QStringLiteral("200"));
    EXPECT_EQ(dialog->ET_ForwardDelay->Text(), QStringLiteral("1500"));
    EXPECT_EQ(dialog->ET_Priority->Text(), QStringLiteral("20"));
    EXPECT_EQ(dialog->ED_TxHoldCount->Text(), QStringLiteral("3"));
    EXPECT_EQ(dialog->Combo_BPDU->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->lbMSTPState->Caption(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_TRUE(dialog->ET_HelloTime->Enabled());
    EXPECT_EQ(dialog->MainRequest->Request.Timeout, 300);
    EXPECT_EQ(dialog->MstpRequest->Request.Timeout, 300);
    EXPECT_EQ(dialog->MainRequest->Mode, RM_BLOCKING);
    EXPECT_EQ(dialog->MstpRequest->Mode, RM_ASYNC);
    Screenshot(dialog, "STP_Info");
}

TEST_F(StpInfoTest, UnderMstpHelloTimeIsGreyedAndSwitchingBackFillsIt) {
    SetStpVersionText(QStringLiteral("mstp"));
    Open();
    EXPECT_FALSE(dialog->ET_HelloTime->Enabled());
    EXPECT_TRUE(dialog->ET_HelloTime->Text().isEmpty());
    Choose(dialog->Combo_STPVersion, "rstp");
    dialog->Combo_STPVersionChange();
    EXPECT_TRUE(dialog->ET_HelloTime->Enabled());
    EXPECT_EQ(dialog->ET_HelloTime->Text(), QStringLiteral("200"));
    Choose(dialog->Combo_STPVersion, "mstp");
    dialog->Combo_STPVersionChange();
    EXPECT_FALSE(dialog->ET_HelloTime->Enabled());
    EXPECT_TRUE(dialog->ET_HelloTime->Text().isEmpty());
}

TEST_F(StpInfoTest, ChecksStopTheSetWithTheirTextAndSendNothing) {
    struct Case {
        const char* version;
        const char* maxAge;
        const char* hello;
        const char* forwardDelay;
        const char* maxHops;
        const char* status;
    };
    const Case cases[] = {
        {"rstp", "2000", "200", "1500", "", "Don't Leave Empty Fileds !"},
        {"mstp", "", "200", "1500", "20", "Don't Leave Empty Fileds !"},
        {"rstp", "2001", "200", "1100", "20", "Data Error !"},
        {"mstp", "2001", "", "1100", "20", "Data Error !"},
        {"rstp", "2000", "", "1500", "20", "Don't Leave Empty Fileds !"},
        {"stp", "600", "201", "1500", "20", "Data Error !"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.maxAge + " " + c.hello + " " + c.forwardDelay);
        Choose(dialog->Combo_STPVersion, c.version);
        Fill(c.maxAge, c.hello, c.forwardDelay);
        dialog->ET_Priority->SetText(QString::fromLatin1(c.maxHops));
        dialog->BT_Set->Click();
        QTest::qWait(30);
        EXPECT_EQ(dialog->StatusOut().Text(), QString::fromLatin1(c.status));
        EXPECT_TRUE(Sets(kStp).empty());
        EXPECT_EQ(StpVersionText(), QStringLiteral("ST_Version"));
    }
}

TEST_F(StpInfoTest, SetSendsTheValuesOfItsBranchAndRecordsTheVersion) {
    struct Case {
        const char* version;
        const char* maxAge;
        const char* hello;
        const char* forwardDelay;
        std::string set;
    };
    const Case cases[] = {
        {"rstp", "2000", "200", "1100",
         "2.0=INTEGER:1 3.0=INTEGER:2000 4.0=INTEGER:200 5.0=INTEGER:1100 6.0=INTEGER:20 7.0=INTEGER:3 "
         "8.0=INTEGER:3"},
        {"stp", "600", "200", "400",
         "2.0=INTEGER:0 3.0=INTEGER:600 4.0=INTEGER:200 5.0=INTEGER:400 6.0=INTEGER:20 7.0=INTEGER:3 "
         "8.0=INTEGER:3"},
        {"mstp", "2000", "150", "1500",
         "2.0=INTEGER:2 3.0=INTEGER:2000 5.0=INTEGER:1500 6.0=INTEGER:20 7.0=INTEGER:3 8.0=INTEGER:3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        SetStpVersionText(QStringLiteral("ST_Version"));
        Open();
        Choose(dialog->Combo_STPVersion, c.version);
        Fill(c.maxAge, c.hello, c.forwardDelay);
        ProgressWatch watch(ProgressForm2);
        dialog->BT_Set->Click();
        ASSERT_TRUE(WaitFor([&] { return StpVersionText() == QString::fromLatin1(c.version); }));
        EXPECT_EQ(Sets(kStp), std::vector<std::string>{c.set});
        EXPECT_EQ(watch.seen, QStringLiteral("Set STP Progress | Change STP Version is processing..."))
            << "the first Set after start counts as a change";
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_TRUE(messages.boxes.isEmpty());
    }
}

TEST_F(StpInfoTest, AnUnchangedVersionShowsNoProgressBox) {
    SetStpVersionText(QStringLiteral("rstp"));
    Open();
    ProgressWatch watch(ProgressForm2);
    dialog->BT_Set->Click();
    EXPECT_EQ(Sets(kStp).size(), 1u);
    EXPECT_TRUE(watch.seen.isEmpty());
}

TEST_F(StpInfoTest, ARefusedSetLeavesTheVersionRecordAlone) {
    for (const char* version : {"stp", "mstp"}) {
        SCOPED_TRACE(version);
        Open({"--set-error", ".1.3.6.1.4.1.58613.12.15.1.2=wrongValue"});
        Choose(dialog->Combo_STPVersion, version);
        dialog->BT_Set->Click();
        ASSERT_TRUE(WaitFor([this] { return !messages.boxes.isEmpty(); }));
        Settle();
        EXPECT_EQ(Sets(kStp).size(), 1u);
        EXPECT_EQ(StpVersionText(), QStringLiteral("ST_Version"));
    }
}

TEST(StpVersionRecord, IsTheMainWindowsHiddenTextWhenThereIsOne) {
    EnsureApplication();
    TForm main;
    auto* text = new TStaticText(&main);
    text->SetName(QStringLiteral("ST_Version"));
    text->SetCaption(QStringLiteral("ST_Version"));
    TForm* before = std::exchange(Application->MainForm, &main);
    EXPECT_EQ(StpVersionText(), QStringLiteral("ST_Version"));
    SetStpVersionText(QStringLiteral("mstp"));
    EXPECT_EQ(text->Caption(), QStringLiteral("mstp"));
    EXPECT_EQ(StpVersionText(), QStringLiteral("mstp"));
    Application->MainForm = before;
}

} // namespace
} // namespace qs::test
