// TSSLManagementForm: the device's SSL state, SSL cache time-out and which of four cipher
// suites are enabled. The suites are the four high bits of the first octet of one octet string,
// suite 1 in the highest bit; the low four bits are always sent as zero.
#pragma once

#include "FeatureDialog.h"

#include <QString>
#include <array>
#include <optional>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

namespace qs {
using CipherSuites = std::array<bool, 4>;
// The suites of a value text of exactly two hex digits (one octet); nothing for another text.
std::optional<CipherSuites> DecodeCipherSuites(const QString& text);
// The value text that carries the suites: their hex digit followed by "0".
QString EncodeCipherSuites(const CipherSuites& suites);
} // namespace qs

class TSSLManagementForm : public qs::FeatureDialog {
public:
    explicit TSSLManagementForm(TComponent* owner);
    ~TSSLManagementForm() override;

    void FormCreate();
    void btnGetClick();
    void btnSetClick();

    TLabel* StatusLabel;
    TComboBox* cbxSSLVersion;
    TEdit* edtciphersuites;
    TLabel* CacheLabel;
    TEdit* edtCacheTimeOut;
    TPanel* GroupBox1;
    std::array<TLabel*, 4> SuiteLabels;
    std::array<TComboBox*, 4> cbxciphersuites;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btn1;

    QsSNMPRequest2Edits* SslRequest = nullptr;

private:
    void BuildControls();
    void ShowSuites();
};

extern TSSLManagementForm* SSLManagementForm;
