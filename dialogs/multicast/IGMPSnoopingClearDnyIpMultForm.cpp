#include "IGMPSnoopingClearDnyIpMultForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4TextWording.h"
#include "Label.h"
#include "QsSNMPRequest2Edits.h"
#include "RequiredText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TIGMPSnoopingClearDnyIpMultForm* IGMPSnoopingClearDnyIpMultForm = nullptr;

namespace {

const QsOption MultActionOptions[] = {{1, "all"}, {2, "vlan"}, {3, "group"}, {4, "other"}, {}};

const QsSNMPVarDesc* ClearMulticastVars() {
    static const QsOptionList action(MultActionOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.12.2.1", "VLAN ID", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.12.2.2", "IP", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.12.2.3", "Action", SYN_INTEGER, ACC_READWRITE, &action},
        {nullptr},
    };
    return table;
}

} // namespace

TIGMPSnoopingClearDnyIpMultForm::TIGMPSnoopingClearDnyIpMultForm(TComponent* owner)
    : FeatureDialog(owner, "IGMPSnoopingClearDnyIpMultForm",
                    QStringLiteral("IGMP Snooping Clear Dynamic IP Multicast"), QSize(360, 170), 0) {
    MakeStatusBar(true);
    struct Row {
        TLabel** label;
        const char* name;
        const char* caption;
    };
    const Row rows[] = {{&Label4, "Label4", "VLAN ID"},
                        {&Label5, "Label5", "Multicast IP Address"},
                        {&Label6, "Label6", "Multicast Action"}};
    int top = 14;
    for (const Row& r : rows) {
        *r.label = Make<TLabel>(nullptr, r.name);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(16, top + 4, 130, 16);
        top += 30;
    }
    edtVID = Make<TEdit>(nullptr, "edtVID");
    edtVID->SetBounds(156, 14, 180, 22);
    edtIPAddr = Make<TEdit>(nullptr, "edtIPAddr");
    edtIPAddr->SetBounds(156, 44, 180, 22);
    cbMultAction = Make<TComboBox>(nullptr, "cbMultAction");
    cbMultAction->SetBounds(156, 74, 180, 22);
    qs::FillButtons(*this, nullptr,
                    {{&Button1, "Button1", "Set", [this] { Button1Click(); }},
                     {&Button2, "Button2", "Close", [this] { Close(); }}},
                    {.left = 156, .top = 110, .step = 94, .across = true});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TIGMPSnoopingClearDnyIpMultForm::~TIGMPSnoopingClearDnyIpMultForm() {
    Shutdown.Run();
}

// The three values are read once, blocking; a failed read shows its error.
void TIGMPSnoopingClearDnyIpMultForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    ClearRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        ClearRequest->Request.List = QsSNMPVarList(ClearMulticastVars(), SVT_SV, 0);
        ClearRequest->Mode = RM_BLOCKING;
        ClearRequest->BindEdits(kVlan, "%i{n0x4094l4}", {edtVID});
        ClearRequest->BindEdits(kAddress, "%s{l16}", {edtIPAddr});
        ClearRequest->BindComboBox(kAction, cbMultAction);
        StatusOut().AttachTo(*ClearRequest);
        if (!ClearRequest->Refresh()) {
            QsSNMPError error = ClearRequest->Request.LastError;
            qs::ReportReadFailure(ClearRequest, &error);
        }
    });
}

void TIGMPSnoopingClearDnyIpMultForm::Button1Click() {
    if (RequestsEnded() || !qs::RequireText(edtVID, QStringLiteral("VLAN ID can't be empty.")) ||
        !qs::RequireText(edtIPAddr, QStringLiteral("Multicast IP Address can't be empty.")) ||
        !qs::IPv4EditAccepted(edtIPAddr)) {
        return;
    }
    ClearRequest->Request.Active = true;
    ClearRequest->Apply(false, true, std::string(), nullptr);
}
