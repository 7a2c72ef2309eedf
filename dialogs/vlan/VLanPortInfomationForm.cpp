#include "VLanPortInfomationForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

const QsOption FrameTypeOptions[] = {{1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {}};

const QsSNMPVarDesc* PortVlanVars() {
    static const QsOptionList frameTypes(FrameTypeOptions, OVT_INT);
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsOptionList enabledDisabled(EnabledDisabledOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.4.5.1.1", "VLAN ID", SYN_GUAGE, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", SYN_INTEGER, ACC_READWRITE, &frameTypes},
        {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", SYN_INTEGER, ACC_READWRITE, &enabledDisabled},
        {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", SYN_COUNTER, ACC_READONLY},
        {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", SYN_MACADDRESS, ACC_READONLY},
        {nullptr},
    };
    return table;
}

// Refresh and Set refuse while the request is busy; there is no walk flag of its own.
qs::WalkGateConfig BusyGate() {
    qs::WalkGateConfig config;
    config.writeMessage = QStringLiteral("Refresh Not Complete");
    config.refresh = qs::WalkGateConfig::Refresh::Message;
    config.refreshMessage = config.writeMessage;
    config.refreshChecksBusy = true;
    return config;
}

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* owner)
    : FeatureDialog(owner, "VLanPortInfomationForm", QStringLiteral("VLAN Port Information Form"),
                    QSize(760, 480)),
      busyGate_(BusyGate(), nullptr) {
    BuildControls();
    busyGate_.Raise();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TVLanPortInfomationForm::~TVLanPortInfomationForm() {
    Shutdown.Run();
}

void TVLanPortInfomationForm::BuildControls() {
    MakeStatusBar(false);
    auto* strip = Make<TPanel>(nullptr, "Panel1");
    strip->SetAlign(alBottom);
    strip->SetHeight(72);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    LV_dot1qPortVlanEntry = Make<TListView>(nullptr, "LV_dot1qPortVlanEntry");
    LV_dot1qPortVlanEntry->SetAlign(alClient);
    BuildEditors(strip);
    BuildButtonColumn(column);
    qs::FollowRowCount(LV_dot1qPortVlanEntry, ST_Count);
}

void TVLanPortInfomationForm::BuildEditors(TPanel* strip) {
    qs::PlaceLabels(this, strip,
                    {{&Label1, "Label1", "Port VLAN ID", 8, 10},
                     {&Label2, "Label2", "Acceptable Frame Types", 300, 10},
                     {&Label3, "Label3", "Ingress Filtering", 8, 42},
                     {&Label4, "Label4", "GVRP Status", 300, 42}},
                    150);
    PortVLanID = qs::PlaceOn<TEdit>(this, strip, "PortVLanID", 160, 6, 120);
    AcceptableFrameTypes = qs::PlaceOn<TComboBox>(this, strip, "AcceptableFrameTypes", 452, 6, 180);
    IngressFiltering = qs::PlaceOn<TComboBox>(this, strip, "IngressFiltering", 160, 38, 120);
    GvrpStatus = qs::PlaceOn<TComboBox>(this, strip, "GvrpStatus", 452, 38, 180);
}

void TVLanPortInfomationForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label5", &Label5, "ST_Count", &ST_Count},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                          {&Closebtn, "Closebtn", "Close", [this] { Close(); }}});
}

void TVLanPortInfomationForm::FormCreate() {
    PortRequest = MakeTableRequest(LV_dot1qPortVlanEntry);
    busyGate_.Attach(PortRequest);
    Handle([this] {
        PortRequest->Request.List = QsSNMPVarList(PortVlanVars(), MVT_FMV, 1);
        StatusOut().AttachTo(*PortRequest);
        PortRequest->BindListView(LV_dot1qPortVlanEntry, true);
        PortRequest->AfterGetHook = [this] { qs::FitColumns(LV_dot1qPortVlanEntry); };
        PortRequest->BindEdits(1, "%i{}", {PortVLanID});
        PortRequest->BindComboBox(2, AcceptableFrameTypes);
        PortRequest->BindComboBox(3, IngressFiltering);
        PortRequest->BindComboBox(4, GvrpStatus);
        PortRequest->Refresh();
        PortVLanID->SetText(QString());
        qs::ShowRowCount(LV_dot1qPortVlanEntry, ST_Count);
    });
}

void TVLanPortInfomationForm::RefreshBtnClick() {
    if (RequestsEnded() || !busyGate_.AllowRefresh()) {
        return;
    }
    PortRequest->Refresh();
    qs::ShowRowCount(LV_dot1qPortVlanEntry, ST_Count);
}

void TVLanPortInfomationForm::SetBtnClick() {
    if (RequestsEnded() || !busyGate_.AllowWrite()) {
        return;
    }
    const TListItem* selected = LV_dot1qPortVlanEntry->Selected();
    const QString port = selected ? selected->Caption() : QString();
    PortRequest->Apply(true, true, std::string(), nullptr);
    SelectPort(port);
}

void TVLanPortInfomationForm::SelectPort(const QString& port) {
    for (int i = 0; i < LV_dot1qPortVlanEntry->ItemCount(); ++i) {
        if (LV_dot1qPortVlanEntry->Item(i)->Caption() == port) {
            LV_dot1qPortVlanEntry->SetSelected(LV_dot1qPortVlanEntry->Item(i));
            return;
        }
    }
}
