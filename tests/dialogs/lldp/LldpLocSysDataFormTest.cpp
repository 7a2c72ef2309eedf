// The LLDP local system data dialog against krs-sim: one GET of the six scalars, the
// capabilities as names, the system name's hint, and a failed read shown.
#include "LLDPLocSysDataForm.h"
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"

namespace qs::test {
namespace {

TEST(LldpSystemNameHint, BreaksTheNameIntoLinesOf99Characters) {
    const QString name250 = QString(250, QLatin1Char('a'));
    const QString hint = SystemNameHint(name250);
    EXPECT_EQ(hint.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(hint.split(QLatin1Char('\n')),
              (QStringList{QString(99, QLatin1Char('a')), QString(99, QLatin1Char('a')),
                           QString(52, QLatin1Char('a'))}));
    EXPECT_EQ(SystemNameHint(QString(99, QLatin1Char('b'))), QString(99, QLatin1Char('b')));
    EXPECT_EQ(SystemNameHint(QString(100, QLatin1Char('c'))),
              QString(99, QLatin1Char('c')) + QLatin1Char('\n') + QLatin1Char('c'));
    EXPECT_EQ(SystemNameHint(QString()), QString());
}

class LldpLocSysDataFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> simArgs = {}) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        Mark();
        dialog = CreateForm<TLLDPLocSysDataForm>(nullptr);
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->SysDataRequest->Busy; }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }

    TLLDPLocSysDataForm* dialog = nullptr;
};

TEST_F(LldpLocSysDataFormTest, ShowsTheScalarsAndTheCapabilitiesAsNames) {
    Open();
    EXPECT_EQ(Pdus(), std::vector<std::string>{"get"});
    ASSERT_EQ(Sent().front().varbinds.size(), 6U);
    EXPECT_EQ(dialog->subtypeText->Caption(), QStringLiteral("macAddress"));
    EXPECT_FALSE(dialog->IDText->Caption().isEmpty());
    EXPECT_EQ(dialog->sysNameText->Caption(), QStringLiteral("core-sw-1"));
    EXPECT_EQ(dialog->sysNameText->Hint(), QStringLiteral("core-sw-1"));
    EXPECT_EQ(dialog->sysDescText->Caption(), QStringLiteral("KRS-5400MX-28 Gigabit Ethernet Switch"));
    EXPECT_EQ(dialog->CapSupportEdit->Text(), QStringLiteral(" Bridge,Router"));
    EXPECT_EQ(dialog->capEnableEdit->Text(), QStringLiteral(" Router"));
    EXPECT_FALSE(dialog->CapSupportEdit->isEnabled());
    EXPECT_FALSE(dialog->capEnableEdit->isEnabled());
    EXPECT_FALSE(dialog->tempText1->isVisible());
    EXPECT_TRUE(messages.boxes.isEmpty());
    Screenshot(dialog, "LLDPLocSysDataForm");

    Mark();
    dialog->GetButton->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->SysDataRequest->Busy; }));
    EXPECT_EQ(Pdus(), std::vector<std::string>{"get"});
    EXPECT_EQ(dialog->capEnableEdit->Text(), QStringLiteral(" Router"));
}

TEST_F(LldpLocSysDataFormTest, AFailedReadIsShownAndTheCapabilitiesReadNone) {
    Open({"--no-answer"});
    EXPECT_EQ(dialog->CapSupportEdit->Text(), QStringLiteral(" "));
    EXPECT_EQ(dialog->capEnableEdit->Text(), QStringLiteral(" "));
    EXPECT_FALSE(dialog->StatusOut().Text().isEmpty()) << "the time-out is reported";
    EXPECT_EQ(dialog->StatusOut().Text().indexOf(QStringLiteral("Success")), -1)
        << dialog->StatusOut().Text().toStdString();
}

} // namespace
} // namespace qs::test
