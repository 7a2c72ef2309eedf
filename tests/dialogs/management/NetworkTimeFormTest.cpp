// The SNTP settings dialog against krs-sim: Set Checked sends exactly the ticked values, refuses
// bad addresses and an empty interval before anything is sent, and reads the values again.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "QsSNMPRequest2Edits.h"
#include "frmNetwroktime.h"

namespace qs::test {
namespace {

const std::string kSntp = ".1.3.6.1.4.1.58613.12.10.11.";

class NetworkTimeFormTest : public FormSimTest<TfrmNetwroktime, &TfrmNetwroktime::TimeRequest> {
public: // the cases act on the fixture
    void SetUp() override {
        FormSimTest::SetUp();
        Open();
    }
};

TEST_F(NetworkTimeFormTest, ShowsTheSettingsWithTheSourceGreyed) {
    EXPECT_EQ(dialog->CBox_TimeSate->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->ED_TimeSource->Text(), QStringLiteral("server1"));
    EXPECT_FALSE(dialog->ED_TimeSource->Enabled());
    EXPECT_EQ(dialog->ED_Server1IPAddress->Text(), QStringLiteral("10.90.90.1"));
    EXPECT_EQ(dialog->ED_ServerIPAddress2->Text(), QStringLiteral("10.90.90.2"));
    EXPECT_EQ(dialog->ED_PollInterval->Text(), QStringLiteral("720"));
    EXPECT_EQ(dialog->Button_SetChecked->Caption(), QStringLiteral("Set Checked "));
    Screenshot(dialog, "frmNetwroktime");
}

TEST_F(NetworkTimeFormTest, SetCheckedSendsTheTickedValuesOnly) {
    struct Case {
        const char* what;
        std::vector<TCheckBox * TfrmNetwroktime::*> ticks;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"the interval alone", {&TfrmNetwroktime::CheckBox_PollInterval}, {"5.0=INTEGER:600"}},
        {"state and first server",
         {&TfrmNetwroktime::CheckBox_TimeState, &TfrmNetwroktime::CheckBox_Server1IP},
         {"1.0=INTEGER:2 3.0=IpAddress:10.1.1.1"}},
        {"everything",
         {&TfrmNetwroktime::CheckBox_TimeState, &TfrmNetwroktime::CheckBox_Server1IP,
          &TfrmNetwroktime::CheckBox_Server2IP, &TfrmNetwroktime::CheckBox_PollInterval},
         {"1.0=INTEGER:2 3.0=IpAddress:10.1.1.1 4.0=IpAddress:1.2.3.4 5.0=INTEGER:600"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->Button_RefreshClick();
        Settle();
        Mark();
        dialog->CBox_TimeSate->SetItemIndex(0);
        dialog->ED_Server1IPAddress->SetText(QStringLiteral("10.1.1.1"));
        dialog->ED_ServerIPAddress2->SetText(QStringLiteral("1.2.3.4"));
        dialog->ED_PollInterval->SetText(QStringLiteral("600"));
        for (auto box : c.ticks) {
            (dialog->*box)->SetChecked(true);
        }
        dialog->Button_SetChecked->Click();
        Settle();
        EXPECT_EQ(Sets(kSntp), c.sets);
        EXPECT_EQ(Pdus(), (std::vector<std::string>{"set", "get"})) << "read again after the write";
        EXPECT_TRUE(messages.boxes.isEmpty());
        EXPECT_FALSE(dialog->CheckBox_TimeState->Checked());
        EXPECT_FALSE(dialog->CheckBox_PollInterval->Checked());
        for (int i = 0; i < dialog->TimeRequest->Request.List.GetCount(); ++i) {
            EXPECT_EQ(dialog->TimeRequest->Request.List.GetVar(i)->Access & ACC_INVALID, 0u);
        }
    }
}

TEST_F(NetworkTimeFormTest, RefusedInputsSendNothing) {
    struct Case {
        const char* server1;
        const char* server2;
        const char* poll;
        const char* message;
    };
    const Case cases[] = {
        {"1.2.3", "10.0.0.2", "60", "Please input a valid ip"},
        {"10.0.0.1", "192.168.100.2001", "60", "Please input a valid ip"},
        {"10.0.0.1", "00.1.1.1", "60", "Please input a valid ip"},
        {"10.0.0.1", "10.0.0.2", "", " Please enter a number between 30 and 99999!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        Mark();
        dialog->Button_CheckAllClick();
        dialog->ED_Server1IPAddress->SetText(QString::fromLatin1(c.server1));
        dialog->ED_ServerIPAddress2->SetText(QString::fromLatin1(c.server2));
        dialog->ED_PollInterval->SetText(QString::fromLatin1(c.poll));
        dialog->Button_SetChecked->Click();
        QTest::qWait(100);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Pdus().empty());
        EXPECT_TRUE(dialog->CheckBox_Server1IP->Checked()) << "the ticks stay for a second try";
    }
    // An unticked address is not looked at: the state alone goes out.
    messages.boxes.clear();
    dialog->Button_ClearAllClick();
    dialog->ED_Server1IPAddress->SetText(QStringLiteral("1.2.3"));
    dialog->CheckBox_TimeState->SetChecked(true);
    dialog->Button_SetChecked->Click();
    Settle();
    EXPECT_EQ(Sets(kSntp), std::vector<std::string>{"1.0=INTEGER:3"});
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
