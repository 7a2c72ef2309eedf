#include "Ipmacbindingformunit.h"

#include "AccessMarks.h"
#include "AddressValidators.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogHelpers.h"
#include "Edit.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableReads.h"

TIPMACBindingForm* IPMACBindingForm = nullptr;

namespace {

const QsOption BindingModeOptions[] = {{1, "arp"}, {2, "acl"}, {3, "dhcp-snooping"}, {4, "static"}, {}};

const QsSNMPVarDesc* BindingVars() {
    static const QsOptionList aclStatus(InactiveActiveOptions, OVT_INT);
    static const QsOptionList mode(BindingModeOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.23.4.1.1.1", "IP Index", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.23.4.1.1.2", "MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.23.4.1.1.7", "ACL Status", SYN_INTEGER, ACC_READONLY, &aclStatus},
        {"1.3.6.1.4.1.58613.12.23.4.1.1.4", "Ports", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.23.4.1.1.6", "Mode", SYN_INTEGER, ACC_READWRITE, &mode},
        {"1.3.6.1.4.1.58613.12.23.4.1.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = TIPMACBindingForm::Column;
constexpr int kCreateAndGo = 1; // position in the status combo

} // namespace

TIPMACBindingForm::TIPMACBindingForm(TComponent* owner)
    : FeatureDialog(owner, "IPMACBindingForm", QStringLiteral("IP-MAC Binding Form"), QSize(720, 520), 0),
      Ports(this), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({btnEdit, btnDelete}, {});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TIPMACBindingForm::~TIPMACBindingForm() {
    Shutdown.Run();
}

void TIPMACBindingForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(250);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    auto* group = Make<TPanel>(lower, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(36);
    StackingPortPanel = Make<TPanel>(lower, "StackingPortPanel");
    StackingPortPanel->SetAlign(alClient);
    BuildEditors(group);
    BuildButtonColumn(column);
}

void TIPMACBindingForm::BuildEditors(TPanel* group) {
    Label1 = Make<TLabel>(group, "Label1");
    Label1->SetCaption(QStringLiteral("IP Address"));
    Label1->SetBounds(8, 10, 70, 16);
    edtIpAddr = Make<TEdit>(group, "edtIpAddr");
    edtIpAddr->SetBounds(82, 6, 130, 22);
    Label2 = Make<TLabel>(group, "Label2");
    Label2->SetCaption(QStringLiteral("MAC Address"));
    Label2->SetBounds(230, 10, 84, 16);
    edtMacAddr = Make<TEdit>(group, "edtMacAddr");
    edtMacAddr->SetBounds(318, 6, 130, 22);
    ComboStatus = Make<TComboBox>(group, "ComboStatus");
    cbxActive = Make<TComboBox>(group, "cbxActive");
    cbxActive->SetEnabled(false);
    LabelMode = Make<TLabel>(group, "LabelMode");
    LabelMode->SetCaption(QStringLiteral("Mode"));
    LabelAction = Make<TLabel>(group, "LabelAction");
    LabelAction->SetCaption(QStringLiteral("Action"));
    cbxMode = Make<TComboBox>(group, "cbxMode");
    for (TControl* hidden :
         std::initializer_list<TControl*>{ComboStatus, cbxActive, LabelMode, LabelAction, cbxMode}) {
        hidden->SetVisible(false);
    }
}

void TIPMACBindingForm::BuildButtonColumn(TPanel* column) {
    int top = 12;
    auto place = [&](TButton* b) {
        b->SetBounds(12, top, 86, 28);
        top += 36;
        return b;
    };
    btnGet = place(MakeButton(column, "btnGet", "Refresh", [this] { btnGetClick(); }));
    btnAdd = place(MakeButton(column, "btnAdd", "Add", [this] { btnAddClick(); }));
    btnEdit = place(MakeButton(column, "btnEdit", "Edit", [this] { btnEditClick(); }));
    btnDelete = place(MakeButton(column, "btnDelete", "Delete", [this] { btnDeleteClick(); }));
    btnClose = place(MakeButton(column, "btnClose", "Close", [this] { Close(); }));
}

void TIPMACBindingForm::FormCreate() {
    Ports.PlaceOn(StackingPortPanel);
    Shutdown.SetListView(ListView1);
    Shutdown.AddPicker(&Ports);
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    BindingRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    BindingRequest->Request.List = QsSNMPVarList(BindingVars(), MVT_UMV, 1);
    StatusOut().AttachTo(*BindingRequest);
    qs::GuardedStatusLine(BindingRequest, [this] {
        BindingRequest->BindListView(ListView1, true);
        BindingRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        BindingRequest->BindEdits(C::kIp, "%s{l16}", {edtIpAddr});
        BindingRequest->BindEdits(C::kMac, "%s{l12}", {edtMacAddr});
        BindingRequest->BindComboBox(C::kRowStatus, ComboStatus);
        Ports.Bind(*BindingRequest, C::kPorts);
        BindingRequest->BindComboBox(C::kAclStatus, cbxActive);
        BindingRequest->Mode = RM_BLOCKING;
        qs::ReadReported(*BindingRequest);
        cbxActive->SetItemIndex(1);
    });
    rowButtons_.Show(false);
}

// Reads the table (a failure shown in the status panel) and empties the editing area.
void TIPMACBindingForm::ReadAndReset() {
    qs::GuardedStatusLine(BindingRequest, [this] { qs::ReadReported(*BindingRequest); });
    ResetEditors(true);
}

void TIPMACBindingForm::ResetEditors(bool clearPorts) {
    rowButtons_.Show(false);
    edtIpAddr->SetEnabled(true);
    edtIpAddr->SetText(QString());
    edtMacAddr->SetText(QString());
    if (clearPorts) {
        Ports.Clear();
    }
    cbxActive->SetEnabled(false);
}

void TIPMACBindingForm::btnGetClick() {
    if (RequestsEnded() || BindingRequest->Busy) {
        return;
    }
    ReadAndReset();
}

void TIPMACBindingForm::ListView1Click() {
    const bool selected = ListView1->Selected() != nullptr;
    if (selected) {
        rowButtons_.Show(true);
        edtIpAddr->SetEnabled(false);
        cbxActive->SetEnabled(false);
    } else {
        ResetEditors(true);
    }
}

// The address becomes the row's instance: it must be a dotted address, and is sent in plain
// decimal form; the MAC address must be one (no message of its own).
bool TIPMACBindingForm::EntryValid() {
    if (!IsValidIPv4Control(edtIpAddr)) {
        if (edtIpAddr->isEnabled()) {
            edtIpAddr->SetFocus();
        }
        return false;
    }
    edtIpAddr->SetText(qs::DottedQuadKey(edtIpAddr->Text()).value_or(QString()));
    if (!IsValidMacControl(edtMacAddr)) {
        if (edtMacAddr->isEnabled()) {
            edtMacAddr->SetFocus();
        }
        return false;
    }
    return true;
}

void TIPMACBindingForm::Write(std::initializer_list<int> excluded) {
    const bool ok = qs::GuardedStatusLine(BindingRequest, [&] {
        qs::AccessMarks marks(BindingRequest->Request.List);
        marks.Exclude(excluded);
        BindingRequest->Apply(false, true, std::string(), nullptr);
    });
    if (!ok) {
        // The status line holds the exception's text; the read that follows keeps it there.
        const QString text = StatusOut().Text();
        qs::GuardedStatusLine(BindingRequest, [this] { BindingRequest->Refresh(); });
        ResetEditors(false);
        StatusOut().Show(text);
        return;
    }
    ReadAndReset();
}

void TIPMACBindingForm::btnAddClick() {
    if (RequestsEnded() || BindingRequest->Busy || !EntryValid()) {
        return;
    }
    ComboStatus->SetItemIndex(kCreateAndGo);
    Write({C::kAclStatus, C::kMode});
}

void TIPMACBindingForm::btnEditClick() {
    if (RequestsEnded() || BindingRequest->Busy || ListView1->Selected() == nullptr || !EntryValid()) {
        return;
    }
    Write({C::kAclStatus});
}

// Delete destroys the selected row, with the keys taken from that row.
void TIPMACBindingForm::btnDeleteClick() {
    if (RequestsEnded() || BindingRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    qs::GuardedStatusLine(BindingRequest, [this] {
        BindingRequest->RowToValues();
        DeleteRow(BindingRequest, C::kRowStatus, "destroy");
    });
    ResetEditors(false);
}
