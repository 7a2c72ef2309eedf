#include "ARPSpoofingPreventMgmtForm.h"

#include "AccessMarks.h"
#include "AddressValidators.h"
#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "DialogHelpers.h"
#include "Edit.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm = nullptr;

namespace {

const QsSNMPVarDesc* SpoofVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.62.3.1.1.1", "Gateway IP", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.62.3.1.1.2", "MAC", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.62.3.1.1.3", "Ports", SYN_BITLIST, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.62.3.1.1.4", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = TARPSpoofingPreventMgmtForm::Column;
constexpr int kCreateAndGo = 1; // position in the status combo

} // namespace

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(TComponent* owner)
    : AddressPortTableForm(owner, "ARPSpoofingPreventMgmtTable",
                           QStringLiteral("ARP Spoofing Prevent Managment Table"), QSize(720, 520)),
      Ports(this), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({btnEdit, btnDelete}, {btnAdd});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TARPSpoofingPreventMgmtForm::~TARPSpoofingPreventMgmtForm() {
    Shutdown.Run();
}

void TARPSpoofingPreventMgmtForm::BuildControls() {
    TPanel* lower = BuildFrame();
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
}

void TARPSpoofingPreventMgmtForm::FormCreate() {
    Ports.PlaceOnTab(QStringLiteral("Ports"), PageControl1);
    SpoofRequest = MakeTableRequest(ListView1, Ports);
    SpoofRequest->Request.List = QsSNMPVarList(SpoofVars(), MVT_UMV, 2);
    StatusOut().AttachTo(*SpoofRequest);
    qs::GuardedStatusLine(SpoofRequest, [this] {
        SpoofRequest->BindListView(ListView1, true);
        SpoofRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        SpoofRequest->BindEdits(C::kGatewayIp, "%s{l16}", {edtIpAddr});
        SpoofRequest->BindEdits(C::kMac, "%s{l12}", {edtMacAddr});
        SpoofRequest->BindComboBox(C::kRowStatus, ComboStatus);
        Ports.Bind(*SpoofRequest, C::kPorts);
        SpoofRequest->Mode = RM_BLOCKING;
        qs::RefreshShown(*SpoofRequest);
    });
    qs::ShowRowCount(ListView1, StaticText1);
    rowButtons_.Show(false);
}

void TARPSpoofingPreventMgmtForm::ResetEntryEditors() {
    rowButtons_.Show(false);
    for (TEdit* key : {edtIpAddr, edtMacAddr}) {
        key->SetEnabled(true);
        key->SetText(QString());
    }
    Ports.Clear();
}

// Reads the table again; the editors keep what was entered.
void TARPSpoofingPreventMgmtForm::btnGetClick() {
    if (RequestsEnded() || SpoofRequest->Busy) {
        return;
    }
    qs::GuardedStatusLine(SpoofRequest, [this] { qs::RefreshShown(*SpoofRequest); });
    qs::ShowRowCount(ListView1, StaticText1);
}

void TARPSpoofingPreventMgmtForm::ListView1Click() {
    if (ListView1->Selected() == nullptr) {
        ResetEntryEditors();
        return;
    }
    rowButtons_.Show(true);
    edtIpAddr->SetEnabled(false);
    edtMacAddr->SetEnabled(false);
}

// Add leaves the ports out when none of the visible ones is ticked; Set always sends them.
void TARPSpoofingPreventMgmtForm::Write(bool add) {
    const bool ok = qs::GuardedStatusLine(SpoofRequest, [&] {
        qs::AccessMarks marks(SpoofRequest->Request.List);
        if (add) {
            ComboStatus->SetItemIndex(kCreateAndGo);
            bool anyTicked = false;
            for (int port = 1; port <= PortCountOfModel(DeviceModelName) && !anyTicked; ++port) {
                anyTicked = Ports.Ticked(port);
            }
            if (!anyTicked) {
                marks.Exclude({C::kPorts});
            }
        }
        SpoofRequest->Apply(false, true, std::string(), nullptr);
    });
    if (!ok) {
        const QString text = StatusOut().Text();
        ResetEntryEditors();
        StatusOut().Show(text);
        return;
    }
    btnGetClick();
}

void TARPSpoofingPreventMgmtForm::btnAddClick() {
    if (RequestsEnded() || SpoofRequest->Busy || !Keys.Valid()) {
        return;
    }
    Write(true);
}

void TARPSpoofingPreventMgmtForm::btnEditClick() {
    if (RequestsEnded() || SpoofRequest->Busy || ListView1->Selected() == nullptr || !Keys.Valid()) {
        return;
    }
    Write(false);
}

// Delete destroys the selected row, with the keys taken from that row.
void TARPSpoofingPreventMgmtForm::btnDeleteClick() {
    if (RequestsEnded() || SpoofRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    qs::GuardedStatusLine(SpoofRequest, [this] {
        SpoofRequest->RowToValues();
        DeleteRow(SpoofRequest, C::kRowStatus, "destroy");
    });
    qs::ShowRowCount(ListView1, StaticText1);
    ResetEntryEditors();
}
