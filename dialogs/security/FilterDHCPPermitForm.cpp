#include "FilterDHCPPermitForm.h"

#include "AccessMarks.h"
#include "AddressEdits.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "stackingPortUitFormUnit.h"

namespace {

const QsSNMPVarDesc* PermitVars() {
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.37.1.1.1.1", "Server IP", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.37.1.1.1.2", "Client MAC", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.37.1.1.1.3", "Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.37.1.1.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = TFilterDHCPPermitForm::Column;
constexpr int kCreateAndGo = 3; // positions in the status combo

// The bit positions of the 56 boxes: "0,1,...,55".
std::string BoxPositions() {
    std::string text;
    for (int i = 0; i < TFilterDHCPPermitForm::kBoxes; ++i) {
        text += (i ? "," : "") + std::to_string(i);
    }
    return text;
}

} // namespace

TFilterDHCPPermitForm::TFilterDHCPPermitForm(TComponent* owner)
    : AddressPortTableForm(owner, "FilterDHCPPermitForm", QStringLiteral("DHCP Permit Table Form"),
                           QSize(720, 520)),
      Ports(this), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({btnEdit, btnDelete}, {});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TFilterDHCPPermitForm::~TFilterDHCPPermitForm() {
    Shutdown.Run();
}

void TFilterDHCPPermitForm::BuildControls() {
    TPanel* lower = BuildFrame();
    StackingPortPanel = Make<TPanel>(lower, "StackingPortPanel");
    StackingPortPanel->SetAlign(alClient);
}

void TFilterDHCPPermitForm::FormCreate() {
    Ports.PlaceOn(StackingPortPanel, kBoxes);
    PermitRequest = MakeTableRequest(ListView1, Ports);
    PermitRequest->Request.List = QsSNMPVarList(PermitVars(), MVT_UMV, 2);
    StatusOut().AttachTo(*PermitRequest);
    qs::GuardedStatusLine(PermitRequest, [this] {
        PermitRequest->BindListView(ListView1, true);
        PermitRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        PermitRequest->BindEdits(C::kServerIp, "%s{l15}", {edtIpAddr});
        PermitRequest->BindEdits(C::kClientMac, "%s{l12}", {edtMacAddr});
        PermitRequest->BindComboBox(C::kStatus, ComboStatus);
        const auto& boxes = Ports.Picker()->PortBoxes;
        PermitRequest->BindControlList(C::kPorts, BoxPositions(),
                                       std::vector<TComponent*>(boxes.begin(), boxes.begin() + kBoxes));
        PermitRequest->Mode = RM_BLOCKING;
        qs::RefreshShown(*PermitRequest);
    });
    qs::ShowRowCount(ListView1, StaticText1);
    rowButtons_.Show(false);
}

void TFilterDHCPPermitForm::ResetEditors() {
    rowButtons_.Show(false);
    for (TEdit* key : {edtIpAddr, edtMacAddr}) {
        key->SetEnabled(true);
        key->SetText(QString());
    }
    Ports.Clear();
}

void TFilterDHCPPermitForm::btnGetClick() {
    if (RequestsEnded() || PermitRequest->Busy) {
        return;
    }
    qs::GuardedStatusLine(PermitRequest, [this] { qs::RefreshShown(*PermitRequest); });
    ResetEditors();
}

void TFilterDHCPPermitForm::ListView1Click() {
    if (ListView1->Selected() == nullptr) {
        ResetEditors();
        return;
    }
    rowButtons_.Show(true);
    edtIpAddr->SetEnabled(false);
    edtMacAddr->SetEnabled(false);
}

bool TFilterDHCPPermitForm::AnyPortTicked() const {
    for (int port = 1; port <= kBoxes; ++port) {
        if (Ports.Ticked(port)) {
            return true;
        }
    }
    return false;
}

// Both keys become the row's instance: a dotted address (sent in plain decimal form) and
// exactly 12 hex digits.
bool TFilterDHCPPermitForm::KeysValid() {
    if (!IsValidIPv4Text(edtIpAddr->Text(), QStringLiteral("Please input a valid IP"))) {
        if (edtIpAddr->isEnabled()) {
            edtIpAddr->SetFocus();
        }
        return false;
    }
    edtIpAddr->SetText(qs::DottedQuadKey(edtIpAddr->Text()).value_or(QString()));
    if (!qs::TakeMacEdit(edtMacAddr)) {
        ShowMessage(QStringLiteral("Invalid MAC address"));
        if (edtMacAddr->isEnabled()) {
            edtMacAddr->SetFocus();
        }
        return false;
    }
    return true;
}

void TFilterDHCPPermitForm::Write(bool fromSelectedRow, std::initializer_list<int> excluded) {
    const bool ok = qs::GuardedStatusLine(PermitRequest, [&] {
        qs::AccessMarks marks(PermitRequest->Request.List);
        marks.Exclude(excluded);
        if (fromSelectedRow) {
            PermitRequest->RowToValues();
            PermitRequest->Request.List.GetVar(C::kStatus)->Value = "destroy";
        }
        PermitRequest->Apply(false, !fromSelectedRow, std::string(), nullptr);
    });
    if (!ok) {
        rowButtons_.Show(false);
        for (TEdit* key : {edtIpAddr, edtMacAddr}) {
            key->SetEnabled(true);
            key->SetText(QString());
        }
        return;
    }
    btnGetClick();
    if (ListView1->ItemCount() == 0) {
        StaticText1->SetCaption(QStringLiteral("0"));
    }
}

void TFilterDHCPPermitForm::btnAddClick() {
    if (RequestsEnded() || PermitRequest->Busy) {
        return;
    }
    if (!AnyPortTicked()) {
        ShowMessage(QStringLiteral("Please select a certain portlist to configure!"));
        return;
    }
    if (!KeysValid()) {
        return;
    }
    ComboStatus->SetItemIndex(kCreateAndGo);
    Write(false, {});
}

void TFilterDHCPPermitForm::btnEditClick() {
    if (RequestsEnded() || PermitRequest->Busy || ListView1->Selected() == nullptr || !KeysValid()) {
        return;
    }
    Write(false, {});
}

// Delete destroys the selected row, with the keys taken from that row; it asks nothing.
void TFilterDHCPPermitForm::btnDeleteClick() {
    if (RequestsEnded() || PermitRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    ComboStatus->SetItemIndex(5);
    Write(true, {C::kPorts});
}
