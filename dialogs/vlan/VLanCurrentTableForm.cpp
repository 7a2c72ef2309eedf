#include "VLanCurrentTableForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

const QsOption ConstraintTypeOptions[] = {{1, "independent"}, {2, "shared"}, {}};
const QsOption CurrentVlanStatusOptions[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {}};

const QsSNMPVarDesc* VlanScalarVars() {
    static const QsOptionList constraintType(ConstraintTypeOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", SYN_COUNTER, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.9", "Constraint Set Default", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.10", "Constraint Type Default", SYN_INTEGER, ACC_READWRITE, &constraintType},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc* VlanCurrentVars() {
    static const QsOptionList status(CurrentVlanStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.17.7.1.4.2.1.1", "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.4.2.1.2", "Index", SYN_GUAGE, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", SYN_GUAGE, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", SYN_BITSTR, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", SYN_BITSTR, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.2.1.6", "Status", SYN_INTEGER, ACC_READONLY, &status},
        {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", SYN_TIMETICKS, ACC_READONLY},
        {nullptr},
    };
    return table;
}

enum Column { kTimeMark, kIndex, kFdbId, kEgress, kUntagged };

TStaticText* SunkenText(TStaticText* text) {
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return text;
}

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* owner)
    : FeatureDialog(owner, "VLanCurrentTableForm", QStringLiteral("VLAN Current Table"), QSize(840, 520)),
      EgressPorts(this), UntaggedPorts(this) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TVLanCurrentTableForm::~TVLanCurrentTableForm() {
    Shutdown.Run();
}

void TVLanCurrentTableForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(240);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    LV_dot1qVlanCurrentEntry = Make<TListView>(nullptr, "LV_dot1qVlanCurrentEntry");
    LV_dot1qVlanCurrentEntry->SetAlign(alClient);
    auto* group = Make<TPanel>(lower, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(36);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    BuildGroup(group);
    BuildButtonColumn(column);
    LV_dot1qVlanCurrentEntry->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
        Handle([&] { LV_dot1qVlanCurrentEntrySelectItem(item, selected); });
    };
    qs::FollowRowCount(LV_dot1qVlanCurrentEntry, ST_Count2);
}

void TVLanCurrentTableForm::BuildGroup(TPanel* group) {
    Label1 = Make<TLabel>(group, "Label1");
    Label1->SetCaption(QStringLiteral("VLAN Delete Numbers"));
    Label1->SetBounds(8, 10, 150, 16);
    VlanNumDeletes = SunkenText(Make<TStaticText>(group, "VlanNumDeletes"));
    VlanNumDeletes->SetBounds(162, 6, 80, 22);
    Label2 = Make<TLabel>(group, "Label2");
    Label2->SetCaption(QStringLiteral("VLAN Index"));
    Label2->SetBounds(270, 10, 80, 16);
    StaticText1 = SunkenText(Make<TStaticText>(group, "StaticText1"));
    StaticText1->SetBounds(354, 6, 80, 22);
}

void TVLanCurrentTableForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label11", &Label11, "ST_Count2", &ST_Count2},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&SetBtn, "SetBtn", "Set", [] {}},
                          {&Closebtn, "Closebtn", "Close", [this] { Close(); }}});
    SetBtn->SetVisible(false);
}

void TVLanCurrentTableForm::FormCreate() {
    EgressPorts.PlaceOnTab(QStringLiteral("Egress Ports"), PageControl1);
    UntaggedPorts.PlaceOnTab(QStringLiteral("Untagged Ports"), PageControl1);
    Shutdown.SetListView(LV_dot1qVlanCurrentEntry);
    Shutdown.AddPicker(&UntaggedPorts);
    Shutdown.AddPicker(&EgressPorts);
    // Ended in this order when the dialog closes: the table first.
    auto table = std::make_unique<QsSNMPRequest2Edits>(this);
    auto scalars = std::make_unique<QsSNMPRequest2Edits>(this);
    TableRequest = table.get();
    ScalarRequest = scalars.get();
    Shutdown.AddRequest(std::move(table));
    Shutdown.AddRequest(std::move(scalars));
    CreateScalarRequest();
    CreateTableRequest();
}

void TVLanCurrentTableForm::CreateScalarRequest() {
    Handle([&] {
        ScalarRequest->Request.List = QsSNMPVarList(VlanScalarVars(), SVT_SV, 0);
        ScalarRequest->BindStaticText(0, VlanNumDeletes);
        StatusOut().AttachTo(*ScalarRequest);
        ScalarRequest->Refresh();
    });
}

void TVLanCurrentTableForm::CreateTableRequest() {
    Handle([&] {
        TableRequest->Request.List = QsSNMPVarList(VlanCurrentVars(), MVT_UMV, 2);
        TableRequest->BindListView(LV_dot1qVlanCurrentEntry, false);
        TableRequest->AfterGetHook = [this] { qs::FitColumns(LV_dot1qVlanCurrentEntry); };
        TableRequest->BindStaticText(kIndex, StaticText1);
        EgressPorts.Bind(*TableRequest, kEgress);
        UntaggedPorts.Bind(*TableRequest, kUntagged);
        StatusOut().AttachTo(*TableRequest);
        TableRequest->Refresh();
        EgressPorts.SetDisplayOnly(true);
        UntaggedPorts.SetDisplayOnly(true);
        qs::ShowRowCount(LV_dot1qVlanCurrentEntry, ST_Count2);
    });
}

void TVLanCurrentTableForm::Read(QsSNMPRequest2Edits* request) {
    Handle([request] {
        request->Request.Active = true;
        if (!request->Busy) {
            request->Refresh();
        }
    });
}

void TVLanCurrentTableForm::RefreshBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    Read(ScalarRequest);
    Read(TableRequest);
    qs::ShowRowCount(LV_dot1qVlanCurrentEntry, ST_Count2);
    ClearPortViews();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntrySelectItem(TListItem*, bool selected) {
    if (!selected) {
        ClearPortViews();
    }
}

void TVLanCurrentTableForm::ClearPortViews() {
    EgressPorts.Clear();
    UntaggedPorts.Clear();
    StaticText1->SetCaption(QString());
}
