#include "PortTrunkForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SelectedRowDelete.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

namespace {

constexpr QsOption kTrunkTypes[] = {{1, "static"}, {2, "lacp"}, {}};
constexpr QsOption kTrunkStates[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {}};

using C = TPortTrunkForm::Column;
constexpr int kCreateAndGo = 2; // position in the state combo
constexpr int kTimeout = 300;
constexpr int kPortsPerUnit = 64;
constexpr int kMostMembers = 8;

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

// A text that is not a number counts as -1.
int NumberOr(const QString& text, int fallback) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : fallback;
}

void FocusIfEnabled(TWinControl* control) {
    if (control->Enabled()) {
        control->SetFocus();
    }
}

} // namespace

const QsSNMPVarDesc* PortTrunkVars() {
    static const QsOptionList types(kTrunkTypes, OVT_INT);
    static const QsOptionList states(kTrunkStates, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.2", "Master Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.3", "Member Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.4", "Type", SYN_INTEGER, ACC_READWRITE, &types},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.5", "Active Ports", SYN_BITSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.6", "State", SYN_INTEGER, ACC_READWRITE, &states},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.7", "Flooding Port", SYN_INTEGER, ACC_READONLY},
        {nullptr},
    };
    return table;
}

TPortTrunkForm::TPortTrunkForm(TComponent* owner)
    : FeatureDialog(owner, "PortTrunkForm", QStringLiteral("Port Trunk"), QSize(760, 540), 0),
      MemberPorts(this), ActivePorts(this), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({SetBtn, BT_Delete}, {BT_Set});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TPortTrunkForm::~TPortTrunkForm() {
    Shutdown.Run();
}

void TPortTrunkForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* lower = Make<TPanel>(nullptr, "Panel2");
    lower->SetAlign(alBottom);
    lower->SetHeight(250);
    LV_PortTrunk = Make<TListView>(nullptr, "LV_PortTrunk");
    LV_PortTrunk->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    strip->SetHeight(66);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    BuildEditorStrip(strip);
    BuildPages();
    BuildButtonColumn(column);
    LV_PortTrunk->OnClick = [this](TObject*) { Guard([this] { LV_PortTrunkClick(); }); };
    qs::FollowRowCount(LV_PortTrunk, StaticText1);
}

void TPortTrunkForm::BuildEditorStrip(TPanel* strip) {
    auto label = [&](TLabel** out, const char* name, const char* caption, int left, int top, int width) {
        *out = Make<TLabel>(strip, name);
        (*out)->SetCaption(Text(caption));
        (*out)->SetBounds(left, top, width, 16);
    };
    auto readout = [&](TStaticText** out, const char* name, int left, int top) {
        *out = Make<TStaticText>(strip, name);
        (*out)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        (*out)->SetBounds(left, top, 60, 22);
    };
    label(&IndexLabel, "IndexLabel", "Index", 8, 10, 80);
    ED_Index = Make<TEdit>(strip, "ED_Index");
    ED_Index->SetBounds(92, 6, 60, 22);
    label(&Label3, "Label3", "Trunk Type", 176, 10, 76);
    Combo_Type = Make<TComboBox>(strip, "Combo_Type");
    Combo_Type->SetBounds(256, 6, 100, 22);
    label(&Label_Flooding, "Label_Flooding", "Flooding Port", 390, 10, 96);
    readout(&ST_FloodingPort, "ST_FloodingPort", 490, 6);
    label(&LB_Master, "LB_Master", "Master Port", 8, 40, 80);
    label(&Label_Unit, "Label_Unit", "Unit : ", 92, 40, 40);
    UnitEdit = Make<TEdit>(strip, "UnitEdit");
    UnitEdit->SetBounds(134, 36, 36, 22);
    label(&Label_Port, "Label_Port", "Port : ", 186, 40, 40);
    PortEdit = Make<TEdit>(strip, "PortEdit");
    PortEdit->SetBounds(228, 36, 48, 22);
    for (TEdit* edit : {UnitEdit, PortEdit}) {
        edit->OnKeyPress = [this](TObject*, char16_t& key) { UnitEditKeyPress(key); };
    }
    label(&Label_Count, "Label_Count", "Trunk Groups", 390, 40, 96);
    readout(&StaticText1, "StaticText1", 490, 36);
    ED_MasterPort = Make<TEdit>(strip, "ED_MasterPort");
    ED_MasterPort->SetVisible(false);
    Combo_State = Make<TComboBox>(strip, "Combo_State");
    Combo_State->SetVisible(false);
}

void TPortTrunkForm::BuildPages() {
    auto page = [this](TTabSheet** sheet, TPanel** panel, const char* sheetName, const char* caption,
                       const char* panelName) {
        *sheet = new TTabSheet(this, PageControl1);
        (*sheet)->SetName(Text(sheetName));
        (*sheet)->SetCaption(Text(caption));
        *panel = Make<TPanel>(*sheet, panelName);
        (*panel)->SetAlign(alClient);
    };
    page(&tbsMember, &StackingPortPanel, "tbsMember", "Member Ports", "StackingPortPanel");
    page(&tbsActive, &StackingPortPanel2, "tbsActive", "Active Ports", "StackingPortPanel2");
}

void TPortTrunkForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtons(*this, column,
                    {{&BT_Get, "BT_Get", "Refresh", [this] { BT_GetClick(); }},
                     {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                     {&BT_Set, "BT_Set", "Add", [this] { BT_SetClick(); }},
                     {&BT_Delete, "BT_Delete", "Delete", [this] { BT_DeleteClick(); }},
                     {&BT_Close, "BT_Close", "Close", [this] { Close(); }}});
}

void TPortTrunkForm::FormCreate() {
    CreatePortPickers();
    PageControl1->SetActivePage(tbsMember);
    CreateTrunkRequest();
    BT_GetClick();
}

void TPortTrunkForm::CreatePortPickers() {
    MemberPorts.PlaceOn(StackingPortPanel);
    ActivePorts.PlaceOn(StackingPortPanel2);
    Shutdown.AddPicker(&MemberPorts);
    Shutdown.AddPicker(&ActivePorts);
    IndexLabel->SetCaption(QStringLiteral("Index(1-14)"));
    UnitList.push_back({1, PortCountOfModel(DeviceModelName), DeviceModelName});
}

void TPortTrunkForm::CreateTrunkRequest() {
    TrunkRequest = MakeTableRequest(LV_PortTrunk);
    Handle([this] {
        TrunkRequest->Request.List = QsSNMPVarList(PortTrunkVars(), MVT_UMV, 1);
        TrunkRequest->Mode = RM_BLOCKING;
        TrunkRequest->BindListView(LV_PortTrunk, true);
        // After the framework has shown the selected row in the editors: the row's state.
        TLVSelectItemEvent shown = LV_PortTrunk->OnSelectItem;
        LV_PortTrunk->OnSelectItem = [this, shown](TObject* sender, TListItem* item, bool selected) {
            if (shown) {
                shown(sender, item, selected);
            }
            Guard([this] { LV_PortTrunkClick(); });
        };
        TrunkRequest->AfterGetHook = [this] { qs::FitColumns(LV_PortTrunk); };
        TrunkRequest->BindEdits(C::kIndex, "%i{n1x14}", {ED_Index});
        TrunkRequest->BindEdits(C::kMaster, "%i", {ED_MasterPort});
        MemberPorts.Bind(*TrunkRequest, C::kMembers);
        TrunkRequest->BindStaticText(C::kFlooding, ST_FloodingPort);
        TrunkRequest->BindComboBox(C::kType, Combo_Type);
        TrunkRequest->BindComboBox(C::kState, Combo_State);
        ActivePorts.Bind(*TrunkRequest, C::kActive);
        StatusOut().AttachTo(*TrunkRequest);
        TrunkRequest->Request.Timeout = kTimeout;
        qs::RefreshShown(*TrunkRequest);
        ActivePorts.SetDisplayOnly(true);
        qs::ShowRowCount(LV_PortTrunk, StaticText1);
    });
}

void TPortTrunkForm::Guard(const std::function<void()>& work) {
    if (!qs::Guarded(StatusOut(), work)) {
        ClearPortEditors();
        ShowRowButtons(false);
    }
}

void TPortTrunkForm::ShowRowButtons(bool rowSelected) {
    rowButtons_.Show(rowSelected);
}

void TPortTrunkForm::ResetIndexEdit() {
    ED_Index->SetColor(clWhite);
    ED_Index->SetEnabled(true);
    ED_Index->SetText(QString());
}

void TPortTrunkForm::BT_GetClick() {
    if (RequestsEnded()) {
        return;
    }
    Guard([this] {
        TrunkRequest->Request.Active = true;
        qs::RefreshShown(*TrunkRequest);
        ActivePorts.SetDisplayOnly(true);
        qs::ShowRowCount(LV_PortTrunk, StaticText1);
        ResetIndexEdit();
        ClearPortEditors();
        ShowRowButtons(false);
    });
}

void TPortTrunkForm::ClearPortEditors() {
    UnitEdit->SetText(QString());
    PortEdit->SetText(QString());
    ST_FloodingPort->SetCaption(QString());
    MemberPorts.Clear();
    ActivePorts.Clear();
}

void TPortTrunkForm::LV_PortTrunkClick() {
    if (LV_PortTrunk->Selected() == nullptr) {
        ResetIndexEdit();
        ClearPortEditors();
        ShowRowButtons(false);
        return;
    }
    ED_Index->SetEnabled(false);
    ED_Index->SetColor(clBtnFace);
    ShowRowButtons(true);
    ActivePorts.SetDisplayOnly(true); // shown, never sent
    const int master = NumberOr(ED_MasterPort->Text(), 0);
    if (master % kPortsPerUnit != 0) {
        UnitEdit->SetText(QString::number(master / kPortsPerUnit + 1));
        PortEdit->SetText(QString::number(master % kPortsPerUnit));
    } else {
        UnitEdit->SetText(QString::number(master / kPortsPerUnit));
        PortEdit->SetText(master == 0 ? QStringLiteral("0") : QString::number(kPortsPerUnit));
    }
}

void TPortTrunkForm::UnitEditKeyPress(char16_t& key) {
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != u'\b') {
        key = 0;
        Tone(0, 0);
    }
}

bool TPortTrunkForm::IsValidMasterPort(int unit, int port) {
    for (const UnitInformationTrunkList& u : UnitList) {
        if (u.UnitNo != unit) {
            continue;
        }
        if (port >= 1 && port <= u.PortCount) {
            return true;
        }
        ShowMessage(QStringLiteral("set valid master port"));
        FocusIfEnabled(PortEdit);
        return false;
    }
    ShowMessage(QStringLiteral("set valid master port"));
    FocusIfEnabled(UnitEdit);
    return false;
}

bool TPortTrunkForm::CheckMemberCount(int unit) {
    const int first = (unit - 1) * kPortsPerUnit + 1;
    int ticked = 0;
    for (int p = first; p < first + kPortsPerUnit; ++p) {
        if (!MemberPorts.Ticked(p)) {
            continue;
        }
        if (++ticked > kMostMembers) {
            MemberPorts.Tick(p, false);
            ShowMessage(QStringLiteral("The trunk member can't over eight!"));
            return false;
        }
    }
    if (ticked < 2) {
        ShowMessage(QStringLiteral("You must choose at least two members!"));
        return false;
    }
    return true;
}

bool TPortTrunkForm::MasterTicked(int master) {
    if (MemberPorts.Ticked(master)) {
        return true;
    }
    ShowMessage(QStringLiteral("Master port must be checked."));
    FocusIfEnabled(PortEdit);
    return false;
}

bool TPortTrunkForm::RowHasText(int column, const QString& text) const {
    for (int r = 0; r < LV_PortTrunk->ItemCount(); ++r) {
        const TListItem* row = LV_PortTrunk->Item(r);
        if ((column == 0 ? row->Caption() : row->SubItem(column - 1)) == text) {
            return true;
        }
    }
    return false;
}

// The one SET of Add and Set (the group's master, members, type and state for the index in
// ED_Index), then the table read again whether or not the device took it.
void TPortTrunkForm::SendAndRead() {
    TrunkRequest->Request.Active = true;
    TrunkRequest->Apply(false, true, std::string(), nullptr);
}

bool TPortTrunkForm::AddChecksPass() {
    UnitEdit->SetText(QStringLiteral("1"));
    if (ED_Index->Text().isEmpty()) {
        ShowMessage(QStringLiteral("The index should not be empty."));
        FocusIfEnabled(ED_Index);
        return false;
    }
    if (RowHasText(C::kIndex, ED_Index->Text())) {
        ShowMessage(QStringLiteral("The Index must be different!"));
        FocusIfEnabled(ED_Index);
        return false;
    }
    if (PortEdit->Text().isEmpty()) {
        ShowMessage(QStringLiteral("The Port should not be empty."));
        FocusIfEnabled(PortEdit);
        return false;
    }
    const int unit = NumberOr(UnitEdit->Text(), -1);
    const int port = NumberOr(PortEdit->Text(), -1);
    if (!IsValidMasterPort(unit, port)) {
        return false;
    }
    if (Combo_Type->ItemIndex() < 0) {
        ShowMessage(QStringLiteral("Please choose trunk type."));
        FocusIfEnabled(Combo_Type);
        return false;
    }
    const int master = (unit - 1) * kPortsPerUnit + port;
    if (RowHasText(C::kMaster, QString::number(master))) {
        ShowMessage(QStringLiteral("The master port must be different!"));
        FocusIfEnabled(UnitEdit);
        return false;
    }
    if (!MasterTicked(master)) {
        return false;
    }
    ED_MasterPort->SetText(QString::number(master));
    Combo_State->SetItemIndex(kCreateAndGo);
    return CheckMemberCount(unit);
}

void TPortTrunkForm::BT_SetClick() {
    if (RequestsEnded()) {
        return;
    }
    Guard([this] {
        if (!AddChecksPass()) {
            return;
        }
        SendAndRead();
        BT_GetClick();
    });
}

void TPortTrunkForm::SetBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    Guard([this] {
        UnitEdit->SetText(QStringLiteral("1"));
        if (ED_Index->Text().isEmpty()) {
            ShowMessage(QStringLiteral("Please select trunk group."));
            return;
        }
        if (PortEdit->Text().isEmpty()) {
            ShowMessage(QStringLiteral("The Port Edit should not be empty"));
            PortEdit->SetFocus();
            return;
        }
        // A port that is no number of the unit is refused in a box, as one out of its range.
        const int unit = NumberOr(UnitEdit->Text(), -1);
        const int port = NumberOr(PortEdit->Text(), -1);
        if (!IsValidMasterPort(unit, port)) {
            return;
        }
        const int master = (unit - 1) * kPortsPerUnit + port;
        ED_MasterPort->SetText(QString::number(master));
        if (!MasterTicked(master) || !CheckMemberCount(unit)) {
            return;
        }
        SendAndRead();
        ResetIndexEdit();
        BT_GetClick();
    });
}

// After the delete the buttons are those of no selection, so that a second Delete cannot reach
// whatever row the key variables hold after the walk.
void TPortTrunkForm::BT_DeleteClick() {
    if (RequestsEnded()) {
        return;
    }
    Guard([this] {
        TrunkRequest->Request.Active = true;
        if (!qs::DeleteSelectedRow(*TrunkRequest, C::kState, "destroy")) {
            return;
        }
        ActivePorts.SetDisplayOnly(true);
        ClearPortEditors();
        ResetIndexEdit();
        ShowRowButtons(false);
        qs::ShowRowCount(LV_PortTrunk, StaticText1);
    });
}
