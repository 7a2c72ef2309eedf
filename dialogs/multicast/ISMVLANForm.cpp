#include "ISMVLANForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ScrollBox.h"
#include "ScrollBoxTab.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

#include <algorithm>

TISMVLANForm* ISMVLANForm = nullptr;

namespace {

using C = TISMVLANForm::Column;

const QsSNMPVarDesc* IsmVlanVars() {
    static const QsOptionList state(EnabledDisabledOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsOptionList replace(EnabledDisabledOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.3", "Source Port", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.4", "Member Port", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.5", "Tag Member Port", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.6", "State", SYN_INTEGER, ACC_READWRITE, &state},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.7", "Replace Source IP", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.8", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.9", "Untag Source Port", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.10", "Remap Priority", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.11", "Replace Priority", SYN_INTEGER, ACC_READWRITE, &replace},
        {nullptr},
    };
    return table;
}

constexpr int kCreateAndGo = 3; // positions in the row-status combo
constexpr int kDestroy = 5;
constexpr int kDisabled = 1; // position in the replace-priority combo
// The system colour of scroll bars, which marks the editors that wait for a selected row.
constexpr TColor kScrollBarColour = 0x00C8C8C8;

const char* const kNotComplete = "Get data not complete";

qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.writeMessage = QString::fromLatin1(kNotComplete);
    config.refresh = qs::WalkGateConfig::Refresh::Silent;
    config.refreshChecksBusy = true;
    config.closeGate = true;
    config.closeMessage = QString::fromLatin1(kNotComplete);
    return config;
}

} // namespace

TISMVLANForm::TISMVLANForm(TComponent* owner)
    : FeatureDialog(owner, "ISMVLANForm", QStringLiteral("IGMP Snooping Multicast VLAN"), QSize(900, 600)),
      SourcePorts(this), MemberPorts(this), TagMemberPorts(this), UntagSourcePorts(this),
      Ready(GateConfig(), nullptr), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({SetBtn, DeleteBtn}, {AddBtn});
    SetCloseGate([this] { return Ready.AllowClose(); });
    OnCreate = [this](TObject*) { FormCreate(); };
}

TISMVLANForm::~TISMVLANForm() {
    Shutdown.Run();
}

void TISMVLANForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(300);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    lvISMVLAN = Make<TListView>(nullptr, "lvISMVLAN");
    lvISMVLAN->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    strip->SetHeight(66);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    ScrollBox1 =
        qs::AddScrollBoxTab(this, PageControl1, "TabSheet1", QStringLiteral("Source Ports"), "ScrollBox1");
    ScrollBox2 =
        qs::AddScrollBoxTab(this, PageControl1, "TabSheet2", QStringLiteral("Member Ports"), "ScrollBox2");
    ScrollBox3 =
        qs::AddScrollBoxTab(this, PageControl1, "TabSheet3", QStringLiteral("Tag Member Port"), "ScrollBox3");
    ScrollBox4 = qs::AddScrollBoxTab(this, PageControl1, "TabSheet4", QStringLiteral("Untag Source Port"),
                                     "ScrollBox4");
    BuildEditors(strip);
    BuildButtonColumn(column);
    lvISMVLAN->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
        Handle([&] { lvISMVLANSelectItem(item, selected); });
    };
    qs::FollowRowCount(lvISMVLAN, ST_Count2);
}

void TISMVLANForm::BuildEditors(TPanel* strip) {
    qs::PlaceLabels(this, strip,
                    {{nullptr, "Label1", "VLAN ID", 8, 10},
                     {nullptr, "Label2", "VLAN Name", 200, 10},
                     {nullptr, "Label3", "VLAN State", 460, 10},
                     {nullptr, "Label4", "Replace Source IP", 8, 40},
                     {nullptr, "Label5", "Replace Priority", 280, 40},
                     {nullptr, "Label6", "Remap Priority", 520, 40}},
                    110);
    ED_VLANID = qs::PlaceOn<TEdit>(this, strip, "ED_VLANID", 70, 6, 110);
    ED_VLANName = qs::PlaceOn<TEdit>(this, strip, "ED_VLANName", 274, 6, 170);
    cbxVLANState = qs::PlaceOn<TComboBox>(this, strip, "cbxVLANState", 534, 6, 110);
    edtSourceIP = qs::PlaceOn<TEdit>(this, strip, "edtSourceIP", 120, 36, 140);
    ComboBox_ReplacePriority = qs::PlaceOn<TComboBox>(this, strip, "ComboBox_ReplacePriority", 384, 36, 110);
    Edit_RemapPriority = qs::PlaceOn<TEdit>(this, strip, "Edit_RemapPriority", 620, 36, 60);
    lblStatus = Make<TLabel>(strip, "Label7");
    lblStatus->SetCaption(QStringLiteral("Status"));
    lblStatus->SetVisible(false);
    cbxStatus = Make<TComboBox>(strip, "cbxStatus");
    cbxStatus->SetVisible(false);
}

void TISMVLANForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label11", &lblSamples, "ST_Count2", &ST_Count2},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                          {&AddBtn, "AddBtn", "Add", [this] { AddBtnClick(); }},
                          {&DeleteBtn, "DeleteBtn", "Delete", [this] { DeleteBtnClick(); }},
                          {&btnStop, "btnStop", "Stop", [this] { btnStopClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
}

void TISMVLANForm::FormCreate() {
    SourcePorts.PlaceOn(ScrollBox1);
    MemberPorts.PlaceOn(ScrollBox2);
    TagMemberPorts.PlaceOn(ScrollBox3);
    UntagSourcePorts.PlaceOn(ScrollBox4);
    Shutdown.SetListView(lvISMVLAN);
    for (qs::PortPickerSlot* slot : {&SourcePorts, &MemberPorts, &TagMemberPorts, &UntagSourcePorts}) {
        Shutdown.AddPicker(slot);
    }
    CreateRequest();
    ShowEditorsEnabled(false);
    cbxStatus->SetItemIndex(kCreateAndGo);
    rowButtons_.Show(false);
}

void TISMVLANForm::CreateRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    ISMRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Ready.Attach(ISMRequest);
    StatusOut().AttachTo(*ISMRequest);
    qs::GuardedStatusLine(ISMRequest, [this] {
        try {
            ISMRequest->Request.List = QsSNMPVarList(IsmVlanVars(), MVT_UMV, 1);
            ISMRequest->BindListView(lvISMVLAN, true);
            ISMRequest->AfterGetHook = [this] { qs::FitColumns(lvISMVLAN); };
            ISMRequest->BindEdits(C::kVlan, "%s", {ED_VLANID});
            ISMRequest->BindEdits(C::kName, "%s", {ED_VLANName});
            SourcePorts.Bind(*ISMRequest, C::kSourcePorts);
            MemberPorts.Bind(*ISMRequest, C::kMemberPorts);
            TagMemberPorts.Bind(*ISMRequest, C::kTagMemberPorts);
            ISMRequest->BindComboBox(C::kState, cbxVLANState);
            ISMRequest->BindEdits(C::kSourceIP, "%s{l16}", {edtSourceIP});
            ISMRequest->BindComboBox(C::kRowStatus, cbxStatus);
            UntagSourcePorts.Bind(*ISMRequest, C::kUntagSourcePorts);
            ISMRequest->BindEdits(C::kRemapPriority, "%i{n-1x7l2}", {Edit_RemapPriority});
            ISMRequest->BindComboBox(C::kReplacePriority, ComboBox_ReplacePriority);
            ISMRequest->OnGetDone = Ready.Hook();
            ISMRequest->Refresh();
            ShowRowCount();
        } catch (...) {
            Ready.Raise();
            throw;
        }
    });
}

void TISMVLANForm::ShowRowCount() {
    qs::ShowRowCount(lvISMVLAN, ST_Count2);
}

// Without a selected row the state, the source IP and the port maps wait, greyed.
void TISMVLANForm::ShowEditorsEnabled(bool rowSelected) {
    const TColor colour = rowSelected ? clWindow : kScrollBarColour;
    edtSourceIP->SetEnabled(rowSelected);
    edtSourceIP->SetColor(colour);
    cbxVLANState->SetItemIndex(rowSelected ? 0 : -1);
    cbxVLANState->SetEnabled(rowSelected);
    cbxVLANState->SetColor(colour);
    if (!rowSelected) {
        edtSourceIP->SetText(QString());
    }
    for (TScrollBox* box : {ScrollBox1, ScrollBox2, ScrollBox3, ScrollBox4}) {
        box->SetEnabled(rowSelected);
    }
}

void TISMVLANForm::lvISMVLANSelectItem(TListItem*, bool selected) {
    if (!selected) {
        ClearISMEditors();
    }
    rowButtons_.Show(selected);
    ShowEditorsEnabled(selected);
}

void TISMVLANForm::ClearISMEditors() {
    for (qs::PortPickerSlot* slot : {&SourcePorts, &MemberPorts, &TagMemberPorts, &UntagSourcePorts}) {
        slot->Clear();
    }
    ShowRowCount();
    for (TEdit* edit : {ED_VLANID, ED_VLANName, edtSourceIP, Edit_RemapPriority}) {
        edit->SetText(QString());
    }
    cbxVLANState->SetItemIndex(-1);
    ComboBox_ReplacePriority->SetItemIndex(-1);
}

void TISMVLANForm::RefreshBtnClick() {
    if (RequestsEnded() || !Ready.AllowRefresh()) {
        return;
    }
    qs::GuardedStatusLine(ISMRequest, [this] {
        Ready.Begin();
        ISMRequest->Request.Active = true;
        WalkAgain();
        ClearISMEditors();
    });
    ShowRowCount();
    rowButtons_.Show(false);
}

void TISMVLANForm::WalkAgain() {
    Ready.Begin();
    try {
        ISMRequest->Refresh();
    } catch (...) {
        Ready.Raise();
        throw;
    }
}

bool TISMVLANForm::VlanIdGiven() {
    const QString id = ED_VLANID->Text();
    if (!id.isEmpty() && std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit(); })) {
        return true;
    }
    ShowMessage(QStringLiteral("Please specify VLAN ID"));
    return false;
}

bool TISMVLANForm::MarkOptionalColumns(qs::AccessMarks& marks) {
    if (edtSourceIP->Text().isEmpty()) {
        marks.Exclude({C::kSourceIP});
    } else if (IsValidIPv4Text(edtSourceIP->Text(), QStringLiteral("Please input a valid ip"))) {
        marks.Restore({C::kSourceIP});
    } else {
        if (edtSourceIP->Enabled()) {
            edtSourceIP->SetFocus();
        }
        return false;
    }
    cbxVLANState->Text().isEmpty() ? marks.Exclude({C::kState}) : marks.Restore({C::kState});
    Edit_RemapPriority->Text().isEmpty() ? marks.Exclude({C::kRemapPriority})
                                         : marks.Restore({C::kRemapPriority});
    return true;
}

bool TISMVLANForm::SendISMVLANAdd(qs::AccessMarks& marks) {
    if (!VlanIdGiven()) {
        return false;
    }
    if (ED_VLANName->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Please specify VLAN Name"));
        return false;
    }
    if (!MarkOptionalColumns(marks)) {
        return false;
    }
    ISMRequest->Apply(false, true, std::string(), nullptr);
    return true;
}

// Port maps never travel with a create: the row is made with its name and priorities, and its
// ports are set afterwards through Set.
void TISMVLANForm::AddBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    if (!Ready.Ready()) {
        ShowMessage(QString::fromLatin1(kNotComplete));
        return;
    }
    if (ComboBox_ReplacePriority->ItemIndex() < 0) {
        ComboBox_ReplacePriority->SetItemIndex(kDisabled);
    }
    if (!Ready.AllowWrite()) {
        return;
    }
    qs::GuardedStatusLine(ISMRequest, [this] {
        qs::AccessMarks marks(ISMRequest->Request.List);
        marks.Exclude({C::kSourcePorts, C::kMemberPorts, C::kTagMemberPorts, C::kUntagSourcePorts});
        cbxStatus->SetItemIndex(kCreateAndGo);
        ISMRequest->Request.Active = true;
        qs::GuardedStatusLine(ISMRequest, [&] { SendISMVLANAdd(marks); });
        marks.RestoreAll();
        WalkAgain();
    });
    ClearISMEditors();
}

bool TISMVLANForm::SendISMVLANSet(qs::AccessMarks& marks) {
    if (!VlanIdGiven() || !MarkOptionalColumns(marks)) {
        return false;
    }
    ISMRequest->Apply(false, true, std::string(), nullptr);
    return true;
}

void TISMVLANForm::SetBtnClick() {
    if (RequestsEnded() || lvISMVLAN->Selected() == nullptr || !Ready.AllowWrite()) {
        return;
    }
    qs::GuardedStatusLine(ISMRequest, [this] {
        ISMRequest->Request.Active = true;
        qs::GuardedStatusLine(ISMRequest, [this] {
            qs::AccessMarks marks(ISMRequest->Request.List);
            SendISMVLANSet(marks);
        });
        WalkAgain();
    });
    ClearISMEditors();
    rowButtons_.Show(false);
    ShowEditorsEnabled(false);
}

void TISMVLANForm::SendISMVLANDelete(qs::AccessMarks& marks) {
    marks.Exclude({C::kName, C::kSourcePorts, C::kMemberPorts, C::kTagMemberPorts, C::kState, C::kSourceIP,
                   C::kUntagSourcePorts, C::kRemapPriority, C::kReplacePriority});
    ISMRequest->Apply(false, true, std::string(), nullptr);
}

void TISMVLANForm::DeleteBtnClick() {
    if (RequestsEnded() || lvISMVLAN->Selected() == nullptr || !Ready.AllowWrite()) {
        return;
    }
    qs::GuardedStatusLine(ISMRequest, [this] {
        cbxStatus->SetItemIndex(kDestroy);
        ISMRequest->Request.Active = true;
        qs::GuardedStatusLine(ISMRequest, [this] {
            if (VlanIdGiven()) {
                qs::AccessMarks marks(ISMRequest->Request.List);
                SendISMVLANDelete(marks);
            }
        });
        WalkAgain();
    });
    ClearISMEditors();
    rowButtons_.Show(false);
    ShowEditorsEnabled(false);
}

void TISMVLANForm::btnStopClick() {
    Ready.Stop();
}
