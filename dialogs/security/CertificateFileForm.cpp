#include "CertificateFileForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "KeyText.h"
#include "Label.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "StatusBar.h"
#include "TableLayout.h"

TCertificateFileForm* CertificateFileForm = nullptr;

namespace {

const QsOption FileControlOptions[] = {{1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {}};
const QsOption CertificateKindOptions[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};

const QsSNMPVarDesc* CertificateVars() {
    static const QsOptionList control(FileControlOptions, OVT_INT);
    static const QsOptionList kind(CertificateKindOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.7.2.1", "Certificate File IP Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.7.2.2", "Certificate File Path", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.7.2.3", "Certificate Key File Path", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.7.2.4", "Certificate File Control", SYN_INTEGER, ACC_READWRITE, &control},
        {"1.3.6.1.4.1.58613.12.7.2.5", "Certificate File Show Status", SYN_INTEGER, ACC_READONLY, &kind},
        {nullptr},
    };
    return table;
}

using C = TCertificateFileForm::Column;

} // namespace

TCertificateFileForm::TCertificateFileForm(TComponent* owner)
    : FeatureDialog(owner, "CertificateFileForm", QStringLiteral("SSL Certificate File"), QSize(470, 250),
                    0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TCertificateFileForm::~TCertificateFileForm() {
    Shutdown.Run();
}

void TCertificateFileForm::BuildControls() {
    MakeStatusBar(true);
    const char* captions[] = {"IP Address", "File Path", "Key File Path", "File Control", "Show State"};
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Labels[k] = Make<TLabel>(nullptr, ("Label" + std::to_string(i + 1)).c_str());
        Labels[k]->SetCaption(QString::fromLatin1(captions[i]));
        Labels[k]->SetBounds(40, 19 + 32 * i, 110, 16);
    }
    ED_IPAddress = Make<TEdit>(nullptr, "ED_IPAddress");
    ED_FilePath = Make<TEdit>(nullptr, "ED_FilePath");
    ED_KeyFilePath = Make<TEdit>(nullptr, "ED_KeyFilePath");
    Combox_FileControl = Make<TComboBox>(nullptr, "Combox_FileControl");
    ED_Status = Make<TEdit>(nullptr, "ED_Status");
    ED_Status->SetReadOnly(true);
    const std::array<TWinControl*, 5> editors = {ED_IPAddress, ED_FilePath, ED_KeyFilePath,
                                                 Combox_FileControl, ED_Status};
    const char* boxNames[] = {"CheckBox_IPAddress", "CheckBox_FilePath", "CheckBox_KeyFilePath",
                              "CheckBox_FileControl"};
    TCheckBox** boxes[] = {&CheckBox_IPAddress, &CheckBox_FilePath, &CheckBox_KeyFilePath,
                           &CheckBox_FileControl};
    for (int i = 0; i < 5; ++i) {
        editors[static_cast<std::size_t>(i)]->SetBounds(154, 16 + 32 * i, 300, 22);
        if (i < 4) {
            *boxes[i] = Make<TCheckBox>(nullptr, boxNames[i]);
            (*boxes[i])->SetBounds(14, 18 + 32 * i, 20, 20);
        }
    }
    const qs::ButtonPlace row{.left = 8, .top = 184, .step = 92, .across = true};
    qs::FillButtons(
        *this, nullptr,
        {{&Button_Refresh, "Button_Refresh", "Refresh", [this] { Button_RefreshClick(); }},
         {&Button_SetChecked, "Button_SetChecked", "Set Checked ", [this] { Button_SetCheckedClick(); }},
         {&Button_CheckAll, "Button_CheckAll", "Check All", [this] { TickAll(true); }},
         {&Button_ClearAll, "Button_ClearAll", "Clear All", [this] { TickAll(false); }},
         {&Button_Close, "Button_Close", "Close", [this] { Close(); }}},
        row);
}

void TCertificateFileForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    CertRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        CertRequest->Request.List = QsSNMPVarList(CertificateVars(), SVT_SV, 0);
        CertRequest->Mode = RM_BLOCKING;
        CertRequest->BindEdits(C::kIpAddress, "%s{l16}", {ED_IPAddress});
        CertRequest->BindEdits(C::kFilePath, "%s{l64}", {ED_FilePath});
        CertRequest->BindEdits(C::kKeyFilePath, "%s{l64}", {ED_KeyFilePath});
        CertRequest->BindComboBox(C::kFileControl, Combox_FileControl);
        CertRequest->BindEdits(C::kShowStatus, "%s", {ED_Status});
        StatusOut().AttachTo(*CertRequest);
        qs::RefreshShown(*CertRequest);
    });
}

void TCertificateFileForm::TickAll(bool ticked) {
    for (TCheckBox* box : Includes()) {
        box->SetChecked(ticked);
    }
}

void TCertificateFileForm::Button_RefreshClick() {
    if (RequestsEnded() || CertRequest->Busy) {
        return;
    }
    Handle([this] { qs::RefreshShown(*CertRequest); });
    TickAll(false);
}

// Only the ticked fields are written; a ticked address is checked first and sent in plain
// decimal form.
void TCertificateFileForm::Button_SetCheckedClick() {
    if (RequestsEnded() || CertRequest->Busy) {
        return;
    }
    if (CheckBox_IPAddress->Checked()) {
        if (!IsValidIPv4Text(ED_IPAddress->Text(), QStringLiteral("Please input a valid ip"))) {
            if (ED_IPAddress->isEnabled()) {
                ED_IPAddress->SetFocus();
            }
            return;
        }
        ED_IPAddress->SetText(qs::DottedQuadKey(ED_IPAddress->Text()).value_or(QString()));
    }
    const bool ok = Handle([this] {
        qs::AccessMarks marks(CertRequest->Request.List);
        const auto includes = Includes();
        for (int i = 0; i < 4; ++i) {
            if (!includes[static_cast<std::size_t>(i)]->Checked()) {
                marks.Exclude({i});
            }
        }
        CertRequest->Apply(false, true, std::string(), nullptr);
    });
    if (ok) {
        Handle([this] { qs::RefreshShown(*CertRequest); });
    }
    TickAll(false);
}
