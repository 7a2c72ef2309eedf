#include "VlanStaticForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "TypedText.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

const QsOptionList& VlanRowStatusOptions() {
    static const QsOptionList list(RowStatusOptions, OVT_INT);
    return list;
}

const QsSNMPVarDesc* VlanStaticVars() {
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "VLAN Index", SYN_GUAGE, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SYN_BITLIST, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &VlanRowStatusOptions()},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc NextFreeVlanIndexVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

using C = TVlanStaticForm::Column;
// The columns the writes manage; the index column is never sent.
constexpr int kWritten[] = {C::kName, C::kEgress, C::kForbidden, C::kUntagged, C::kRowStatus};
constexpr int kCreateAndGo = 3; // positions in the status combo
constexpr int kDestroy = 5;

const char* const kNotComplete = "Get data not complete";

qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.writeMessage = QString::fromLatin1(kNotComplete);
    config.refresh = qs::WalkGateConfig::Refresh::Silent;
    config.closeGate = true;
    config.closeMessage = QString::fromLatin1(kNotComplete);
    return config;
}

} // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* owner)
    : FeatureDialog(owner, "VlanStaticForm", QStringLiteral("VLAN Static Form"), QSize(840, 540)),
      EgressPorts(this), ForbiddenPorts(this), UntaggedPorts(this), WalkFinished(GateConfig(), nullptr),
      rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({SetBtn, DeleteBtn}, {AddBtn});
    SetCloseGate([this] { return WalkFinished.AllowClose(); });
    OnCreate = [this](TObject*) { FormCreate(); };
}

TVlanStaticForm::~TVlanStaticForm() {
    Shutdown.Run();
}

void TVlanStaticForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(250);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    LV_dot1qVlanStaticEntry = Make<TListView>(nullptr, "LV_dot1qVlanStaticEntry");
    LV_dot1qVlanStaticEntry->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    strip->SetHeight(36);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    BuildEditorStrip(strip);
    BuildButtonColumn(column);
    LV_dot1qVlanStaticEntry->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
        Handle([&] { LV_dot1qVlanStaticEntrySelectItem(item, selected); });
    };
    LV_dot1qVlanStaticEntry->OnClick = [this](TObject*) { Handle([&] { LV_dot1qVlanStaticEntryClick(); }); };
    qs::FollowRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
}

void TVlanStaticForm::BuildEditorStrip(TPanel* strip) {
    lbl1 = Make<TLabel>(strip, "lbl1");
    lbl1->SetCaption(QStringLiteral("VLAN ID"));
    lbl1->SetBounds(8, 10, 48, 16);
    ED_VLANID = Make<TEdit>(strip, "ED_VLANID");
    ED_VLANID->SetBounds(60, 6, 70, 22);
    lbl3 = Make<TLabel>(strip, "lbl3");
    lbl3->SetCaption(QStringLiteral("VLAN Name"));
    lbl3->SetBounds(142, 10, 70, 16);
    ED_VLANName = Make<TEdit>(strip, "ED_VLANName");
    ED_VLANName->SetBounds(214, 6, 150, 22);
    lbl4 = Make<TLabel>(strip, "lbl4");
    lbl4->SetCaption(QStringLiteral("Next Free Local VLAN Index"));
    lbl4->SetBounds(378, 10, 170, 16);
    NextFreeLocalVlanIndex = Make<TStaticText>(strip, "NextFreeLocalVlanIndex");
    NextFreeLocalVlanIndex->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    NextFreeLocalVlanIndex->SetBounds(552, 6, 80, 22);
    lbl2 = Make<TLabel>(strip, "lbl2");
    lbl2->SetCaption(QStringLiteral("Status"));
    lbl2->SetVisible(false);
    Status = Make<TComboBox>(strip, "Status");
    Status->SetVisible(false);
}

void TVlanStaticForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label11", &Label11, "ST_Count2", &ST_Count2},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                          {&AddBtn, "AddBtn", "Add", [this] { AddBtnClick(); }},
                          {&DeleteBtn, "DeleteBtn", "Delete", [this] { DeleteBtnClick(); }},
                          {&btnStop, "btnStop", "Stop", [this] { btnStopClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
}

void TVlanStaticForm::FormCreate() {
    EgressPorts.PlaceOnTab(QStringLiteral("Egress Ports"), PageControl1);
    ForbiddenPorts.PlaceOnTab(QStringLiteral("Forbidden Egress Ports"), PageControl1);
    UntaggedPorts.PlaceOnTab(QStringLiteral("Untagged Ports"), PageControl1);
    Shutdown.SetListView(LV_dot1qVlanStaticEntry);
    for (qs::PortPickerSlot* slot : {&EgressPorts, &ForbiddenPorts, &UntaggedPorts}) {
        Shutdown.AddPicker(slot);
    }
    CreateVlanRequest();
    CreateNextFreeRequest();
    rowButtons_.Show(false);
}

void TVlanStaticForm::CreateVlanRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    VlanRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    WalkFinished.Attach(VlanRequest);
    try {
        VlanRequest->Request.List = QsSNMPVarList(VlanStaticVars(), MVT_UMV, 1);
        VlanRequest->BindListView(LV_dot1qVlanStaticEntry, true);
        VlanRequest->AfterGetHook = [this] { qs::FitColumns(LV_dot1qVlanStaticEntry); };
        VlanRequest->BindEdits(C::kIndex, "%s", {ED_VLANID});
        VlanRequest->BindEdits(C::kName, "%s", {ED_VLANName});
        EgressPorts.Bind(*VlanRequest, C::kEgress);
        ForbiddenPorts.Bind(*VlanRequest, C::kForbidden);
        UntaggedPorts.Bind(*VlanRequest, C::kUntagged);
        VlanRequest->BindComboBox(C::kRowStatus, Status);
        StatusOut().AttachTo(*VlanRequest);
        VlanRequest->OnGetDone = WalkFinished.Hook();
        VlanRequest->Refresh();
        qs::ShowRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void TVlanStaticForm::CreateNextFreeRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    NextFreeRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    try {
        NextFreeRequest->Request.List = QsSNMPVarList(NextFreeVlanIndexVars, SVT_SV, 0);
        NextFreeRequest->BindStaticText(0, NextFreeLocalVlanIndex);
        StatusOut().AttachTo(*NextFreeRequest);
        NextFreeRequest->Mode = RM_BLOCKING;
        NextFreeRequest->Refresh();
    } catch (const std::exception& e) {
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void TVlanStaticForm::RefreshBtnClick() {
    if (Shutdown.Done() || !WalkFinished.AllowRefresh()) {
        return;
    }
    try {
        NextFreeRequest->Request.Active = true;
        if (!NextFreeRequest->Busy) {
            NextFreeRequest->Refresh();
        }
    } catch (const std::exception& e) {
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    if (VlanRequest->Busy) {
        return;
    }
    try {
        WalkFinished.Begin();
        VlanRequest->Request.Active = true;
        VlanRequest->Refresh();
        qs::ShowRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    qs::ShowRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
    ClearEditors();
    rowButtons_.Show(false);
}

void TVlanStaticForm::WriteThenWalk(const std::vector<qs::SetStep>& steps) {
    WalkFinished.Begin();
    VlanRequest->Request.Active = true;
    try {
        if (!qs::SendSequence(*VlanRequest, kWritten, steps)) {
            WalkFinished.Raise();
            return;
        }
        VlanRequest->Refresh();
        ClearEditors();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

bool TVlanStaticForm::VlanIdTaken() {
    static const qs::EditFormat kVlanIdFormat = qs::ParseEditFormat("%i{n1x4094}");
    const QString text = ED_VLANID->Text();
    const char* refusal = nullptr;
    qs::TypedValue typed;
    if (text.trimmed().isEmpty()) {
        refusal = "Please input VLAN ID.";
    } else {
        typed = qs::ParseTypedText(text.toStdString(), {.syntax = SYN_INTEGER, .format = &kVlanIdFormat});
        refusal = typed.Taken() ? nullptr : "Please input a VLAN ID from 1 to 4094.";
    }
    if (refusal != nullptr) {
        ShowMessage(QString::fromLatin1(refusal));
        ED_VLANID->SetFocus();
        return false;
    }
    ED_VLANID->SetText(QString::fromStdString(typed.text));
    return true;
}

void TVlanStaticForm::SetBtnClick() {
    if (Shutdown.Done() || LV_dot1qVlanStaticEntry->Selected() == nullptr || !WalkFinished.AllowWrite() ||
        !VlanIdTaken()) {
        return;
    }
    WriteThenWalk({{C::kEgress}, {C::kForbidden}, {C::kUntagged}, {C::kRowStatus}, {C::kName}});
    rowButtons_.Show(false);
}

void TVlanStaticForm::AddBtnClick() {
    if (Shutdown.Done() || !WalkFinished.AllowWrite()) {
        return;
    }
    if (!VlanIdTaken()) {
        return;
    }
    qs::SetStep first{C::kEgress, C::kUntagged, C::kRowStatus};
    if (!ED_VLANName->Text().isEmpty()) {
        first.insert(first.begin(), C::kName);
    }
    Status->SetItemIndex(kCreateAndGo);
    WriteThenWalk({first, {C::kForbidden}});
}

void TVlanStaticForm::DeleteBtnClick() {
    if (Shutdown.Done() || !WalkFinished.AllowWrite()) {
        return;
    }
    Status->SetItemIndex(kDestroy);
    WriteThenWalk({{C::kRowStatus}});
    rowButtons_.Show(false);
}

void TVlanStaticForm::btnStopClick() {
    WalkFinished.Stop();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem(TListItem*, bool selected) {
    if (!selected) {
        ClearEditors();
    }
    rowButtons_.Show(selected);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick() {
    const bool selected = LV_dot1qVlanStaticEntry->Selected() != nullptr;
    if (!selected) {
        ClearEditors();
    }
    rowButtons_.Show(selected);
}

void TVlanStaticForm::ClearEditors() {
    EgressPorts.Clear();
    ForbiddenPorts.Clear();
    UntaggedPorts.Clear();
    ED_VLANID->SetText(QString());
    ED_VLANName->SetText(QString());
    Status->SetItemIndex(-1);
}
