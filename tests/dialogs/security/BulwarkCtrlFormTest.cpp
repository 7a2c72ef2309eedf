// The Bulwark engine dialog against krs-sim: what it shows on opening, the one-variable SETs in
// the order that keeps rising above falling, the range refusals that send nothing, a refused SET
// that does not stop the next, and the order when no read has succeeded yet.
#include "BulwarkCtrlForm.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Label.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPTarget.h"

namespace qs::test {
namespace {

const std::string kBulwark = ".1.3.6.1.4.1.58613.12.19.2.";

class BulwarkCtrlFormTest : public DialogSimTest {
public: // the cases act on the fixture
    // timeout: the requests' time-out in hundredths of a second.
    void Open(std::vector<std::string> args = {}, int timeout = 100) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        DefaultTimeout = timeout;
        dialog = CreateForm<TBulwarkCtrlForm>(nullptr);
        dialog->Show();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Tick(bool rising, bool falling, bool mode, bool alarm) {
        dialog->ckRising->SetChecked(rising);
        dialog->ckFalling->SetChecked(falling);
        dialog->ckMode->SetChecked(mode);
        dialog->ckAlarm->SetChecked(alarm);
    }

    TBulwarkCtrlForm* dialog = nullptr;
};

TEST_F(BulwarkCtrlFormTest, OpeningShowsTheEngineAndKeepsSetDisabled) {
    Open();
    EXPECT_EQ(dialog->edtRising->Text(), QStringLiteral("60"));
    EXPECT_EQ(dialog->edtFalling->Text(), QStringLiteral("50"));
    EXPECT_EQ(dialog->lbFalling->Caption(), QStringLiteral("50"));
    EXPECT_FALSE(dialog->lbFalling->isVisible());
    EXPECT_EQ(dialog->cbxMode->Text(), QStringLiteral("strict"));
    EXPECT_EQ(dialog->cbxAlarm->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->cbxCurrentState->Text(), QStringLiteral("normal"));
    EXPECT_FALSE(dialog->cbxCurrentState->isEnabled());
    EXPECT_FALSE(dialog->btnSet->Enabled());
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: Ok!")))
        << dialog->StatusOut().Text().toStdString();
    Screenshot(dialog, "BulwarkCtrlForm");
}

TEST_F(BulwarkCtrlFormTest, SetIsEnabledWhileABoxIsTicked) {
    Open();
    dialog->ckMode->SetChecked(true);
    EXPECT_TRUE(dialog->btnSet->Enabled());
    dialog->ckMode->SetChecked(false);
    EXPECT_FALSE(dialog->btnSet->Enabled());
    dialog->btnCheckAll->Click();
    for (TCheckBox* box : {dialog->ckRising, dialog->ckFalling, dialog->ckMode, dialog->ckAlarm}) {
        EXPECT_TRUE(box->Checked());
    }
    EXPECT_TRUE(dialog->btnSet->Enabled());
    dialog->btnClearCheck->Click();
    EXPECT_FALSE(dialog->ckAlarm->Checked());
    EXPECT_FALSE(dialog->btnSet->Enabled());
}

TEST_F(BulwarkCtrlFormTest, EachTickedFieldGoesInASetOfItsOwnInOrder) {
    struct Case {
        const char* what;
        const char* rising;
        const char* falling;
        int mode;  // combo position
        int alarm; // combo position: 0 disabled, 1 enabled
        bool ticks[4];
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"raised over 60/50: rising first",
         "90",
         "80",
         0,
         1,
         {true, true, false, false},
         {"1.0=INTEGER:90", "2.0=INTEGER:80"}},
        {"lowered under 60/50: falling first",
         "40",
         "30",
         0,
         1,
         {true, true, false, false},
         {"2.0=INTEGER:30", "1.0=INTEGER:40"}},
        {"falling unchanged: rising first",
         "70",
         "50",
         0,
         1,
         {true, true, false, false},
         {"1.0=INTEGER:70", "2.0=INTEGER:50"}},
        {"falling alone", "60", "30", 0, 1, {false, true, false, false}, {"2.0=INTEGER:30"}},
        {"mode and alarm disabled",
         "60",
         "50",
         1,
         0,
         {false, false, true, true},
         {"3.0=INTEGER:2", "4.0=INTEGER:2"}},
        {"everything, lowered",
         "40",
         "30",
         1,
         1,
         {true, true, true, true},
         {"2.0=INTEGER:30", "1.0=INTEGER:40", "3.0=INTEGER:2", "4.0=INTEGER:3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        dialog->edtRising->SetText(QString::fromLatin1(c.rising));
        dialog->edtFalling->SetText(QString::fromLatin1(c.falling));
        dialog->cbxMode->SetItemIndex(c.mode);
        dialog->cbxAlarm->SetItemIndex(c.alarm);
        Tick(c.ticks[0], c.ticks[1], c.ticks[2], c.ticks[3]);
        dialog->btnSet->Click();
        EXPECT_EQ(Sets(kBulwark), c.sets);
        EXPECT_EQ(Pdus().back(), "get") << "read again after the write";
        EXPECT_EQ(Pdus().size(), c.sets.size() + 1);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        for (int i = 0; i < 6; ++i) {
            const unsigned access = dialog->BulwarkRequest->Request.List.GetVar(i)->Access;
            EXPECT_EQ(access, i < 4 ? unsigned{ACC_READWRITE} : unsigned{ACC_READONLY}) << i;
        }
        EXPECT_EQ(dialog->lbFalling->Caption(), QString::fromLatin1(c.falling));
    }
}

TEST_F(BulwarkCtrlFormTest, ThresholdsOutsideTwentyToHundredSendNothing) {
    struct Case {
        const char* rising;
        const char* falling;
        bool ticks[2];
        const char* message;
    };
    const Case cases[] = {
        {"19", "50", {true, true}, "Rising Threshold should between 20-100"},
        {"101", "50", {true, false}, "Rising Threshold should between 20-100"},
        {"", "50", {true, false}, "Rising Threshold should between 20-100"},
        {"19", "101", {true, true}, "Rising Threshold should between 20-100"},
        {"60", "101", {true, true}, "Falling Threshold should between 20-100"},
        {"19", "abc", {false, true}, "Falling Threshold should between 20-100"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rising) + "/" + c.falling);
        messages.boxes.clear();
        Mark();
        dialog->edtRising->SetText(QString::fromLatin1(c.rising));
        dialog->edtFalling->SetText(QString::fromLatin1(c.falling));
        Tick(c.ticks[0], c.ticks[1], true, true);
        dialog->btnSet->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(BulwarkCtrlFormTest, ARefusedSetIsShownAndTheNextOneIsStillSent) {
    Open({"--set-error", kBulwark + "1=wrongValue"});
    dialog->edtRising->SetText(QStringLiteral("90"));
    dialog->edtFalling->SetText(QStringLiteral("80"));
    dialog->cbxMode->SetItemIndex(1);
    Tick(true, true, true, false);
    dialog->btnSet->Click();
    EXPECT_EQ(Sets(kBulwark),
              (std::vector<std::string>{"1.0=INTEGER:90", "2.0=INTEGER:80", "3.0=INTEGER:2"}));
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_TRUE(messages.Texts()[0].contains(QStringLiteral("(SNMP)"))) << messages.Texts()[0].toStdString();
    EXPECT_EQ(dialog->edtRising->Text(), QStringLiteral("60")) << "read again";
}

TEST_F(BulwarkCtrlFormTest, WithoutAReadTheFallingThresholdIsAskedForFirst) {
    Open();
    dialog->lbFalling->SetCaption(QString()); // as after a failed first read
    dialog->edtRising->SetText(QStringLiteral("40"));
    dialog->edtFalling->SetText(QStringLiteral("30"));
    Tick(true, true, false, false);
    dialog->btnSet->Click();
    const std::vector<std::string> pdus = Pdus();
    ASSERT_EQ(pdus.size(), 4u);
    EXPECT_EQ(pdus[0], "get");
    ASSERT_EQ(Sent()[0].varbinds.size(), 1u);
    EXPECT_EQ(Sent()[0].varbinds[0].oid, kBulwark + "2.0");
    EXPECT_EQ(Sets(kBulwark), (std::vector<std::string>{"2.0=INTEGER:30", "1.0=INTEGER:40"}));
}

// Set first asks for the falling threshold; that read times out. Within the click, the further
// requests with the same credentials are not sent: nothing is written blindly, each skipped SET
// says why in its box, and the time-out stays shown. Writes with another (write) community are a
// target of their own: they are sent, rising first as when no read has succeeded, and the SET of
// the dropped falling threshold times out in its box.
TEST_F(BulwarkCtrlFormTest, AFailedReadIsShownAndATimedOutReadEndsTheSetsOfItsCredentials) {
    struct Case {
        bool oneCommunity; // the SETs carry the read community
        std::vector<std::string> sets;
        std::size_t boxes;
    };
    const Case cases[] = {
        {true, {}, 2},
        {false, {"1.0=INTEGER:40", "2.0=INTEGER:30", "2.0=INTEGER:30"}, 1}, // the unanswered one is retried
    };
    for (const Case& c : cases) {
        Open({"--drop-under", kBulwark + "2"}, 50); // every unanswered request takes twice 0.5 s
        EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
            << dialog->StatusOut().Text().toStdString();
        EXPECT_TRUE(dialog->lbFalling->Caption().isEmpty());
        if (c.oneCommunity) {
            QsSNMPSecurity& security = dialog->BulwarkRequest->Request.Security;
            security.writeCommunity = security.readCommunity;
        }
        dialog->edtRising->SetText(QStringLiteral("40"));
        dialog->edtFalling->SetText(QStringLiteral("30"));
        Tick(true, true, false, false);
        messages.boxes.clear();
        dialog->btnSet->Click();
        EXPECT_EQ(Sets(kBulwark), c.sets) << c.oneCommunity;
        EXPECT_EQ(static_cast<std::size_t>(messages.Texts().size()), c.boxes) << c.oneCommunity;
        for (const QString& box : messages.Texts()) {
            EXPECT_TRUE(box.contains(QStringLiteral("timed out"))) << box.toStdString();
        }
        EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
            << dialog->StatusOut().Text().toStdString();
        EXPECT_TRUE(dialog->lbFalling->Caption().isEmpty());
    }
}

} // namespace
} // namespace qs::test
