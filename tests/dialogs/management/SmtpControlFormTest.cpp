// The SMTP dialog against krs-sim: Set sends the six settings, or all seven with the test mail
// after the user agreed (the progress box shown meanwhile), and reads the values again.
#include "SMTPControlForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "Label.h"
#include "Progress.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kSmtp = ".1.3.6.1.4.1.58613.12.29.1.";
const std::string kSettings =
    "1.0=INTEGER:3 2.0=IpAddress:10.90.90.25 3.0=INTEGER:25 4.0=STRING:switch@example.net "
    "5.0=STRING:Test 6.0=STRING:Mail from the switch";

class SmtpControlFormTest : public FormSimTest<TSMTPControlForm, &TSMTPControlForm::SmtpRequest> {
public: // the cases act on the fixture
    // The progress box is looked at, and left as soon as the device answered.
    void Prepare() override {
        dialog->RunProgress = [this](TProgressForm* progress) {
            progressShown << progress->Caption() << progress->LB_Prompt->Caption();
            EXPECT_EQ(ProgressForm, progress);
            EXPECT_TRUE(WaitFor([this] { return !dialog->SmtpRequest->Busy; }));
        };
    }

    QStringList progressShown;
};

TEST_F(SmtpControlFormTest, CaptionsItselfAndShowsTheSettings) {
    Open();
    EXPECT_EQ(dialog->Caption(), QStringLiteral("SMTP Control Table :"));
    EXPECT_EQ(dialog->SmtpRequest->Request.Timeout, 500);
    EXPECT_EQ(dialog->CB_Status->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->Ed_SourceAddress->Text(), QStringLiteral("10.90.90.25"));
    EXPECT_EQ(dialog->Ed_SourcePort->Text(), QStringLiteral("25"));
    EXPECT_EQ(dialog->Ed_SelfMailAddress->Text(), QStringLiteral("switch@example.net"));
    EXPECT_EQ(dialog->Ed_Content->Text(), QStringLiteral("Mail from the switch"));
    EXPECT_EQ(dialog->CB_SendTest->Text(), QStringLiteral("noAction"));
    Screenshot(dialog, "SMTPControlForm");
}

TEST_F(SmtpControlFormTest, SetSendsTheSettingsAndTheTestMailOnlyWhenAgreed) {
    struct Case {
        const char* what;
        int sendTest; // position in the combo: 0 send, 1 noAction
        int status;   // 0 disabled, 1 enabled
        QList<int> answers;
        std::vector<std::string> sets;
        QStringList boxes;
        bool readAgain;
        QStringList progress;
    };
    const Case cases[] = {
        {"noAction: the six settings", 1, 1, {}, {kSettings}, {}, true, {}},
        {"send, agreed: all seven with the progress box",
         0,
         1,
         {IDOK},
         {kSettings + " 7.0=INTEGER:1"},
         {"To Send the mail may take a long time. Do you want to go on?"},
         true,
         {"Send the mail Progress", "Send the mail is processing..."}},
        {"send, cancelled: nothing sent, read again",
         0,
         1,
         {IDCANCEL},
         {},
         {"To Send the mail may take a long time. Do you want to go on?"},
         true,
         {}},
        {"send with SMTP disabled", 0, 0, {}, {}, {"Enable SMTP first if you want send a mail"}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        progressShown.clear();
        messages.answers = c.answers;
        dialog->CB_SendTest->SetItemIndex(c.sendTest);
        dialog->CB_Status->SetItemIndex(c.status);
        dialog->Btn_Set->Click();
        Settle();
        EXPECT_EQ(Sets(kSmtp), c.sets);
        std::vector<std::string> pdus(c.sets.size(), "set");
        if (c.readAgain) {
            pdus.push_back("get");
        }
        EXPECT_EQ(Pdus(), pdus);
        EXPECT_EQ(messages.Texts(), c.boxes);
        EXPECT_EQ(progressShown, c.progress);
        EXPECT_EQ(ProgressForm, nullptr);
        EXPECT_EQ(dialog->SmtpRequest->Request.List.GetVar(6)->Access, unsigned{ACC_READWRITE});
        messages.boxes.clear();
        Close();
    }
}

TEST_F(SmtpControlFormTest, AnEmptyServerOrPortStopsSetInTheStatusBarAndABoxWithTheFocusOnIt) {
    Open();
    for (TEdit* edit : {dialog->Ed_SourcePort, dialog->Ed_SourceAddress}) {
        dialog->Btn_RefreshClick();
        Settle();
        Mark();
        messages.boxes.clear();
        edit->SetText(QString());
        dialog->Btn_Set->Click();
        QTest::qWait(50);
        EXPECT_TRUE(Pdus().empty());
        EXPECT_EQ(dialog->StatusOut().Text(), QStringLiteral("Please Input Value!"));
        EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please Input Value!")});
        EXPECT_EQ(dialog->focusWidget(), edit);
    }
}

} // namespace
} // namespace qs::test
