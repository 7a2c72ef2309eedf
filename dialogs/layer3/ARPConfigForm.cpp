#include "ARPConfigForm.h"

#include "ARPAddEdit.h"
#include "AccessMarks.h"
#include "AddressChecks.h"
#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"

TARPConfigForm* ARPConfigForm = nullptr;

namespace {

const QsOption AddressTypeOptions[] = {{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"},
                                       {4, "ipv6z"},   {16, "dns"}, {}};
const QsOption ArpTypeOptions[] = {{1, "other"},  {2, "invalid"}, {3, "dynamic"},
                                   {4, "static"}, {5, "local"},   {}};
const QsOption ArpStateOptions[] = {{1, "reachable"}, {2, "stale"},   {3, "delay"},      {4, "probe"},
                                    {5, "invalid"},   {6, "unknown"}, {7, "incomplete"}, {}};

const QsSNMPVarDesc* ArpVars() {
    static const QsOptionList addressType(AddressTypeOptions, OVT_INT);
    static const QsOptionList type(ArpTypeOptions, OVT_INT);
    static const QsOptionList state(ArpStateOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.4.35.1.1", "Interface Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.4.35.1.2", "IP Type", SYN_INTEGER, ACC_NOTACCESS, &addressType},
        {"1.3.6.1.2.1.4.35.1.3", "IP", SYN_OCTETSTR, ACC_NOTACCESS},
        {"1.3.6.1.2.1.4.35.1.4", "MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.2.1.4.35.1.6", "Type", SYN_INTEGER, ACC_READWRITE, &type},
        {"1.3.6.1.2.1.4.35.1.7", "State", SYN_INTEGER, ACC_READONLY, &state},
        {"1.3.6.1.2.1.4.35.1.8", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = TARPConfigForm::Column;
constexpr int kActive = 0; // positions in the row-status combo
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;
constexpr int kIpv4 = 1; // positions in the address-type and type combos
constexpr int kIpv6 = 2;
constexpr int kStatic = 3;
const char* const kBusy = "Get data not complete";

} // namespace

TARPConfigForm::TARPConfigForm(TComponent* owner)
    : FeatureDialog(owner, "ARPConfigForm", QStringLiteral("ARP"), QSize(640, 360)), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({EditBtn, DelBtn}, {});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TARPConfigForm::~TARPConfigForm() {
    Shutdown.Run();
    ARPAddEdit = nullptr;
}

void TARPConfigForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    ListView1->OnDblClick = [this](TObject*) {
        Handle([this] {
            if (ListView1->Selected() != nullptr) {
                EditBtnClick();
            }
        });
    };
    qs::FillButtonColumn(*this, column, {nullptr, nullptr, "StaticText", &StaticText},
                         {{&AddBtn, "AddBtn", "Add", [this] { AddBtnClick(); }},
                          {&EditBtn, "EditBtn", "Edit", [this] { EditBtnClick(); }},
                          {&DelBtn, "DelBtn", "Delete", [this] { DelBtnClick(); }},
                          {&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&CloseBtn, "CloseBtn", "Close", [this] { Close(); }}});
    qs::FollowRowCount(ListView1, StaticText);
}

void TARPConfigForm::FormCreate() {
    rowButtons_.Show(false);
    Editor = new TARPAddEdit(
        this, [this](bool addMode) { return WriteFromEditor(addMode); }, StatusOut());
    ARPAddEdit = Editor;
    ArpRequest = MakeTableRequest(ListView1);
    Handle([this] {
        ArpRequest->Request.List = QsSNMPVarList(ArpVars(), MVT_UMV, 3);
        ArpRequest->BindListView(ListView1, true);
        ArpRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        BindEditor();
        StatusOut().AttachTo(*ArpRequest);
        ArpRequest->Refresh();
    });
}

void TARPConfigForm::BindEditor() {
    ArpRequest->BindEdits(C::kIndex, "%i{n1x65535}", {Editor->IndexEdit});
    ArpRequest->BindComboBox(C::kIpType, Editor->IpTypeComb);
    ArpRequest->BindEdits(C::kIp, "%s", {Editor->IPEdit});
    ArpRequest->BindEdits(C::kMac, "%s{M}", {Editor->MACEdit});
    ArpRequest->BindComboBox(C::kType, Editor->TypeComb);
    ArpRequest->BindComboBox(C::kState, Editor->StateComb);
    ArpRequest->BindComboBox(C::kRowStatus, Editor->RowStatus);
}

void TARPConfigForm::RefreshBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    ArpRequest->Request.Active = true;
    if (!ArpRequest->Busy) {
        Handle([this] { ArpRequest->Refresh(); });
        rowButtons_.Show(false); // the list is read anew: no row stays selected
    }
}

void TARPConfigForm::ListView1Click() {
    rowButtons_.Show(ListView1->Selected() != nullptr);
    saved_.valid = false;
}

void TARPConfigForm::AddBtnClick() {
    Editor->SetCaption(QStringLiteral("ARP Add:") + QString::fromStdString(DeviceAddressText));
    Editor->AddBtn->SetCaption(QStringLiteral("Add"));
    Editor->IndexEdit->SetEnabled(true);
    Editor->IPEdit->SetEnabled(true);
    Editor->AddMode = true;
    saved_ = {Editor->IndexEdit->Text(),
              Editor->IPEdit->Text(),
              Editor->MACEdit->Text(),
              Editor->TypeComb->ItemIndex(),
              Editor->StateComb->ItemIndex(),
              Editor->RowStatus->ItemIndex(),
              false};
    Editor->IndexEdit->SetText(QString());
    Editor->IPEdit->SetText(QString());
    Editor->MACEdit->SetText(QString());
    Editor->TypeComb->SetItemIndex(kStatic);
    Editor->IpTypeComb->SetItemIndex(kIpv4);
    saved_.valid = true;
    ShowEditor();
}

void TARPConfigForm::EditBtnClick() {
    Editor->SetCaption(QStringLiteral("ARP Edit:") + QString::fromStdString(DeviceAddressText));
    Editor->AddBtn->SetCaption(QStringLiteral("Set"));
    Editor->IndexEdit->SetEnabled(false);
    Editor->IPEdit->SetEnabled(false);
    Editor->AddMode = false;
    if (saved_.valid) {
        Editor->IndexEdit->SetText(saved_.index);
        Editor->IPEdit->SetText(saved_.address);
        Editor->MACEdit->SetText(saved_.mac);
        Editor->TypeComb->SetItemIndex(saved_.type);
        Editor->StateComb->SetItemIndex(saved_.state);
        Editor->RowStatus->SetItemIndex(saved_.rowStatus);
        Editor->TypeComb->SetEnabled(true);
    }
    ShowEditor();
}

void TARPConfigForm::ShowEditor() {
    Editor->ShowModal();
    // Back in the list: its activation greys the row buttons until a row is clicked again.
    rowButtons_.Show(false);
}

// The typed keys become the row's instance: an interface index of 1 to 65535 and an address.
// The address is typed as dotted IPv4, IPv6 text or the hex of its 4 or 16 octets, and stands in
// the edit as that hex before anything reads it; an Add takes the address type of what was typed,
// a row keeps its own. So no text can name another row.
bool TARPConfigForm::KeysValid() {
    bool number = false;
    const int index = Editor->IndexEdit->Text().toInt(&number);
    if (!number || index < 1 || index > 65535) {
        return Refuse(QStringLiteral("Please input an index from 1 to 65535."), Editor->IndexEdit);
    }
    const std::string hex = qs::CanonicalInetHexText(Editor->IPEdit->Text().toStdString());
    const int typed = hex.size() == 8 ? kIpv4 : kIpv6;
    if (Editor->AddMode && !hex.empty()) {
        Editor->IpTypeComb->SetItemIndex(typed);
    }
    const int type = Editor->IpTypeComb->ItemIndex();
    if (hex.empty() || ((type == kIpv4 || type == kIpv6) && type != typed)) {
        return Refuse(QString::fromStdString(qs::InetAddressMessage()).trimmed(), Editor->IPEdit);
    }
    Editor->IPEdit->SetText(QString::fromStdString(hex));
    return true;
}

// Shows why a key is refused and gives its edit the focus when it takes it.
bool TARPConfigForm::Refuse(const QString& message, TEdit* edit) const {
    ShowMessage(message);
    if (edit->isEnabled()) {
        edit->SetFocus();
    }
    return false;
}

bool TARPConfigForm::WriteFromEditor(bool addMode) {
    if (RequestsEnded() || (!addMode && ListView1->Selected() == nullptr) || !KeysValid()) {
        return false;
    }
    if (!qs::AwaitIdleForWrite(*ArpRequest)) {
        ShowMessage(QString::fromLatin1(kBusy));
        return false;
    }
    Editor->RowStatus->SetItemIndex(addMode ? kCreateAndGo : kActive);
    return qs::WriteTaken(
        *ArpRequest,
        [&] {
            bool sent = false;
            Handle([&] {
                qs::AccessMarks marks(ArpRequest->Request.List);
                marks.Exclude({C::kState});
                if (!addMode) {
                    marks.Exclude({C::kRowStatus});
                }
                sent = ArpRequest->Apply(true, true, std::string(), nullptr);
            });
            return sent;
        },
        [this] { return RequestsEnded(); });
}

// Delete destroys the selected row, with the keys taken from that row (never from the editors,
// which an abandoned Add may have changed); it asks nothing.
void TARPConfigForm::DelBtnClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr) {
        return;
    }
    if (!qs::AwaitIdleForWrite(*ArpRequest)) {
        ShowMessage(QString::fromLatin1(kBusy));
        return;
    }
    Editor->RowStatus->SetItemIndex(kDestroy);
    Handle([this] {
        qs::AccessMarks marks(ArpRequest->Request.List);
        marks.Exclude({C::kMac, C::kType, C::kState});
        ArpRequest->RowToValues();
        ArpRequest->Request.List.GetVar(C::kRowStatus)->Value = "destroy";
        ArpRequest->Apply(true, false, std::string(), nullptr);
    });
    rowButtons_.Show(false);
}
