#include "SSLManagementForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "FailureReport.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

TSSLManagementForm* SSLManagementForm = nullptr;

namespace qs {

std::optional<CipherSuites> DecodeCipherSuites(const QString& text) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    bool ok = false;
    const int digit = text.left(1).toUpper().toInt(&ok, 16);
    if (!ok) {
        return std::nullopt;
    }
    return CipherSuites{(digit & 8) != 0, (digit & 4) != 0, (digit & 2) != 0, (digit & 1) != 0};
}

QString EncodeCipherSuites(const CipherSuites& suites) {
    const int digit = (suites[0] ? 8 : 0) + (suites[1] ? 4 : 0) + (suites[2] ? 2 : 0) + (suites[3] ? 1 : 0);
    return QString::number(digit, 16).toUpper() + QLatin1Char('0');
}

} // namespace qs

namespace {

const QsSNMPVarDesc* SslVars() {
    static const QsOptionList status(DisabledEnabledOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.7.1.1", "Status Admin", SYN_INTEGER, ACC_READWRITE, &status},
        {"1.3.6.1.4.1.58613.12.7.1.2", "Cipher Suites", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.7.1.3", "Cache Timeout", SYN_GUAGE, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

const char* const kSuites[] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                               "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};

} // namespace

TSSLManagementForm::TSSLManagementForm(TComponent* owner)
    : FeatureDialog(owner, "SSLManagementForm", QStringLiteral("SSL Management Table"), QSize(440, 330)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSSLManagementForm::~TSSLManagementForm() {
    Shutdown.Run();
}

void TSSLManagementForm::BuildControls() {
    MakeStatusBar(true);
    StatusLabel = Make<TLabel>(nullptr, "StatusLabel");
    StatusLabel->SetCaption(QStringLiteral("SSL Status"));
    StatusLabel->SetBounds(16, 19, 140, 16);
    cbxSSLVersion = Make<TComboBox>(nullptr, "cbxSSLVersion");
    cbxSSLVersion->SetBounds(170, 16, 150, 22);
    CacheLabel = Make<TLabel>(nullptr, "CacheLabel");
    CacheLabel->SetCaption(QStringLiteral("Cache Timeout"));
    CacheLabel->SetBounds(16, 51, 140, 16);
    edtCacheTimeOut = Make<TEdit>(nullptr, "edtCacheTimeOut");
    edtCacheTimeOut->SetBounds(170, 48, 150, 22);
    edtciphersuites = Make<TEdit>(nullptr, "edtciphersuites");
    edtciphersuites->SetVisible(false);
    GroupBox1 = Make<TPanel>(nullptr, "GroupBox1");
    GroupBox1->SetBounds(8, 82, 424, 166);
    auto* title = Make<TLabel>(GroupBox1, "GroupTitle");
    title->SetCaption(QStringLiteral("SSL Ciphersuite Settings"));
    title->SetBounds(8, 6, 300, 16);
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string n = std::to_string(i + 1);
        SuiteLabels[k] = Make<TLabel>(GroupBox1, ("SuiteLabel" + n).c_str());
        SuiteLabels[k]->SetCaption(QString::fromLatin1(kSuites[i]));
        SuiteLabels[k]->SetBounds(8, 37 + 32 * i, 240, 16);
        cbxciphersuites[k] = Make<TComboBox>(GroupBox1, ("cbxciphersuites" + n).c_str());
        cbxciphersuites[k]->SetBounds(262, 34 + 32 * i, 150, 22);
        cbxciphersuites[k]->Items().Add(QStringLiteral("disabled"));
        cbxciphersuites[k]->Items().Add(QStringLiteral("enabled"));
    }
    qs::FillButtons(*this, nullptr,
                    {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                     {&btnSet, "btnSet", "Set", [this] { btnSetClick(); }},
                     {&btn1, "btn1", "Close", [this] { Close(); }}},
                    {.left = 152, .top = 260, .step = 94, .across = true});
}

void TSSLManagementForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    SslRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        SslRequest->Request.List = QsSNMPVarList(SslVars(), SVT_SV, 0);
        SslRequest->BindComboBox(0, cbxSSLVersion);
        SslRequest->BindEdits(1, "%s{l2}", {edtciphersuites});
        SslRequest->BindEdits(2, "%i{n60x86400l5}", {edtCacheTimeOut});
        // A failed read is shown; a successful one sets the suites from the value just shown.
        SslRequest->OnGetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
            if (!qs::ReportReadFailure(sender, error)) {
                ShowSuites();
            }
        };
        StatusOut().AttachTo(*SslRequest);
        SslRequest->Refresh();
    });
}

void TSSLManagementForm::ShowSuites() {
    const std::optional<qs::CipherSuites> suites = qs::DecodeCipherSuites(edtciphersuites->Text());
    if (!suites) {
        return;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        cbxciphersuites[k]->SetItemIndex((*suites)[k] ? 1 : 0);
    }
}

void TSSLManagementForm::btnGetClick() {
    if (RequestsEnded()) {
        return;
    }
    SslRequest->Request.Active = true;
    if (!SslRequest->Busy) {
        Handle([this] { SslRequest->Refresh(); });
    }
}

void TSSLManagementForm::btnSetClick() {
    if (RequestsEnded()) {
        return;
    }
    bool empty = cbxSSLVersion->Text().isEmpty() || edtCacheTimeOut->Text().isEmpty();
    for (const TComboBox* suite : cbxciphersuites) {
        empty = empty || suite->Text().isEmpty();
    }
    if (empty) {
        WarningBox(Widget(), QStringLiteral("Some items are empty."));
        btnSet->SetFocus();
        return;
    }
    qs::CipherSuites suites{};
    for (std::size_t k = 0; k < 4; ++k) {
        suites[k] = cbxciphersuites[k]->ItemIndex() == 1;
    }
    edtciphersuites->SetText(qs::EncodeCipherSuites(suites));
    // A read still running is awaited, so the write is really sent.
    if (!qs::AwaitIdleForWrite(*SslRequest)) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return;
    }
    Handle([this] { SslRequest->Apply(true, true, std::string(), nullptr); });
}
