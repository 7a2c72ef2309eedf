// The SSL dialogs: the cipher-suite octet as pure codecs, and against krs-sim the settings
// write with its empty-field refusal, a failed read shown, and the certificate file write of the
// ticked fields only.
#include "Button.h"
#include "CertificateFileForm.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"
#include "SSLManagementForm.h"

namespace qs::test {
namespace {

const std::string kSsl = ".1.3.6.1.4.1.58613.12.7.";

TEST(CipherSuites, TheHighNibbleOfOneOctet) {
    struct Case {
        const char* text;
        std::optional<CipherSuites> suites;
    };
    const Case cases[] = {
        {"F0", CipherSuites{true, true, true, true}},
        {"00", CipherSuites{false, false, false, false}},
        {"A5", CipherSuites{true, false, true, false}},
        {"3f", CipherSuites{false, false, true, true}},
        {"C", std::nullopt},
        {"C000", std::nullopt},
        {"G0", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecodeCipherSuites(QString::fromLatin1(c.text)), c.suites);
    }
    EXPECT_EQ(EncodeCipherSuites({true, false, true, false}), QStringLiteral("A0"));
    EXPECT_EQ(EncodeCipherSuites({false, false, false, false}), QStringLiteral("00"));
    EXPECT_EQ(EncodeCipherSuites({true, true, true, true}), QStringLiteral("F0"));
}

class SslManagementFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> simArgs = {}) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<TSSLManagementForm>(nullptr);
        dialog->Show();
        Settle();
        Mark();
    }
    void Settle() {
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->SslRequest->Busy; }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    TSSLManagementForm* dialog = nullptr;
};

TEST_F(SslManagementFormTest, TheSuitesFollowTheReadAndSetSendsTheHighNibble) {
    Open();
    EXPECT_EQ(dialog->cbxSSLVersion->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->edtCacheTimeOut->Text(), QStringLiteral("600"));
    const QStringList shown = {dialog->cbxciphersuites[0]->Text(), dialog->cbxciphersuites[1]->Text(),
                               dialog->cbxciphersuites[2]->Text(), dialog->cbxciphersuites[3]->Text()};
    EXPECT_EQ(shown, (QStringList{"enabled", "enabled", "disabled", "disabled"}));
    Screenshot(dialog, "SSLManagementForm");
    dialog->cbxciphersuites[1]->SetItemIndex(0);
    dialog->cbxciphersuites[3]->SetItemIndex(1);
    dialog->btnSet->Click();
    Settle();
    EXPECT_EQ(Sets(kSsl), std::vector<std::string>{"1.1.0=INTEGER:3 1.2.0=STRING:90 1.3.0=Gauge32:600"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(SslManagementFormTest, AnEmptyItemIsRefusedWithAWarning) {
    Open();
    dialog->edtCacheTimeOut->SetText(QString());
    dialog->btnSet->Click();
    Settle();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Some items are empty."));
    EXPECT_TRUE(Sets(kSsl).empty());
}

TEST_F(SslManagementFormTest, AFailedReadIsShownAndLeavesTheSuites) {
    Open({"--drop-under", "1.3.6.1.4.1.58613.12.7.1"});
    const QString status = dialog->StatusOut().Text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Get:"))) << status.toStdString();
    EXPECT_FALSE(status.contains(QStringLiteral("Ok"))) << status.toStdString();
    EXPECT_EQ(dialog->cbxciphersuites[0]->ItemIndex(), -1);
}

class CertificateFileFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TCertificateFileForm>(nullptr);
        dialog->Show();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    TCertificateFileForm* dialog = nullptr;
};

TEST_F(CertificateFileFormTest, OnlyTheTickedFieldsAreWritten) {
    EXPECT_EQ(dialog->ED_IPAddress->Text(), QStringLiteral("10.90.90.60"));
    EXPECT_EQ(dialog->ED_Status->Text(), QStringLiteral("rsa"));
    Screenshot(dialog, "CertificateFileForm");
    dialog->ED_IPAddress->SetText(QStringLiteral("not an address"));
    dialog->Combox_FileControl->SetItemIndex(2);
    dialog->CheckBox_FileControl->SetChecked(true);
    dialog->Button_SetChecked->Click();
    dialog->ED_IPAddress->SetText(QStringLiteral("10.90.90.61"));
    dialog->ED_FilePath->SetText(QStringLiteral("certs/new.crt"));
    dialog->CheckBox_IPAddress->SetChecked(true);
    dialog->CheckBox_FilePath->SetChecked(true);
    dialog->Button_SetChecked->Click();
    EXPECT_EQ(Sets(kSsl), (std::vector<std::string>{
                              "2.4.0=INTEGER:3",
                              "2.1.0=IpAddress:10.90.90.61 2.2.0=STRING:certs/new.crt",
                          }));
    EXPECT_FALSE(dialog->CheckBox_IPAddress->Checked());
    EXPECT_EQ(dialog->ED_FilePath->Text(), QStringLiteral("certs/new.crt")) << "read again";
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(CertificateFileFormTest, ATickedBadAddressIsRefused) {
    dialog->ED_IPAddress->SetText(QStringLiteral("10.90.90"));
    dialog->Button_CheckAll->Click();
    EXPECT_TRUE(dialog->CheckBox_FileControl->Checked());
    dialog->Button_SetChecked->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input a valid ip")});
    EXPECT_TRUE(Sets(kSsl).empty());
}

} // namespace
} // namespace qs::test
