#include "IPMACBindingForm.h"

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
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

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
    Keys = qs::FillAddressKeys(*this, group);
    Label1 = Keys.ipLabel;
    edtIpAddr = Keys.ip;
    Label2 = Keys.macLabel;
    edtMacAddr = Keys.mac;
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
    const qs::ButtonColumn made = qs::FillButtonColumn(*this, column, nullptr, nullptr, nullptr,
                                                       {{"btnGet", "Refresh", [this] { btnGetClick(); }},
                                                        {"btnAdd", "Add", [this] { btnAddClick(); }},
                                                        {"btnEdit", "Edit", [this] { btnEditClick(); }},
                                                        {"btnDelete", "Delete", [this] { btnDeleteClick(); }},
                                                        {"btnClose", "Close", [this] { Close(); }}});
    btnGet = made.buttons[0];
    btnAdd = made.buttons[1];
    btnEdit = made.buttons[2];
    btnDelete = made.buttons[3];
    btnClose = made.buttons[4];
}

void TIPMACBindingForm::FormCreate() {
    Ports.PlaceOn(StackingPortPanel);
    BindingRequest = MakeTableRequest(ListView1, Ports);
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
        qs::RefreshShown(*BindingRequest);
        cbxActive->SetItemIndex(1);
    });
    rowButtons_.Show(false);
}

// Reads the table (a failure shown in the status panel) and empties the editing area.
void TIPMACBindingForm::ReadAndReset() {
    qs::GuardedStatusLine(BindingRequest, [this] { qs::RefreshShown(*BindingRequest); });
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
    if (RequestsEnded() || BindingRequest->Busy || !Keys.Valid()) {
        return;
    }
    ComboStatus->SetItemIndex(kCreateAndGo);
    Write({C::kAclStatus, C::kMode});
}

void TIPMACBindingForm::btnEditClick() {
    if (RequestsEnded() || BindingRequest->Busy || ListView1->Selected() == nullptr || !Keys.Valid()) {
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
