#include "IGMPSnoopingDataDrivenLearingGroupForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "RowShown.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

using C = TIGMPSnoopingDataDrivenLearingGroupForm::Column;

const QsOption ClearGroupOptions[] = {{1, "other"}, {2, "clear"}, {}};

// The row instance is VLAN ID and group address.
const QsSNMPVarDesc* LearnedGroupVars() {
    static const QsOptionList clear(ClearGroupOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "VID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.73.3.1.3.1.1", "Group Addr", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.73.3.1.3.1.2", "Router Ports", SYN_BITSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.73.3.1.3.1.3", "Up Time", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.73.3.1.3.1.4", "Expiry Time", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.73.3.1.3.1.100", "Clear Group", SYN_INTEGER, ACC_READWRITE, &clear},
        {nullptr},
    };
    return table;
}

qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.refresh = qs::WalkGateConfig::Refresh::Message;
    config.refreshMessage = QStringLiteral("Get data not complete!");
    config.writeMessage = QStringLiteral("Get data not complete!");
    config.writesCheckBusy = false;
    config.stopRaises = true;
    return config;
}

} // namespace

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* owner)
    : FeatureDialog(owner, "IGMPSnoopingDataDrivenLearingGroupForm",
                    QStringLiteral("IGMP Snooping Data Driven Learning Group"), QSize(720, 520)),
      RouterPorts(this), WalkFinished(GateConfig(), nullptr) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TIGMPSnoopingDataDrivenLearingGroupForm::~TIGMPSnoopingDataDrivenLearingGroupForm() {
    Shutdown.Run();
}

void TIGMPSnoopingDataDrivenLearingGroupForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(280);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    strip->SetHeight(66);
    StackingPortPanel = Make<TPanel>(lower, "StackingPortPanel");
    StackingPortPanel->SetAlign(alClient);
    StackingPortPanel->SetEnabled(false);
    BuildEditors(strip);
    BuildButtonColumn(column);
    qs::FollowRowCount(ListView1, StaticText1);
}

void TIGMPSnoopingDataDrivenLearingGroupForm::BuildEditors(TPanel* strip) {
    struct Cell {
        const char* name;
        const char* caption;
        int left;
        int top;
    };
    const Cell labels[] = {{"Label1", "VLAN ID", 8, 10},
                           {"Label3", "Group IP Address", 200, 10},
                           {"Label5", "Clear Group", 440, 10},
                           {"Label2", "Up Time", 8, 40},
                           {"Label4", "Expiry Time", 200, 40}};
    for (const Cell& c : labels) {
        auto* label = Make<TLabel>(strip, c.name);
        label->SetCaption(QString::fromLatin1(c.caption));
        label->SetBounds(c.left, c.top, 104, 16);
    }
    stVID = Make<TStaticText>(strip, "stVID");
    stVID->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    stVID->SetBounds(70, 6, 100, 22);
    edtIPAddress = Make<TEdit>(strip, "edtIPAddress");
    edtIPAddress->SetBounds(308, 6, 120, 22);
    edtUptime = Make<TEdit>(strip, "edtUptime");
    edtUptime->SetBounds(70, 36, 100, 22);
    edtExpiryTime = Make<TEdit>(strip, "edtExpiryTime");
    edtExpiryTime->SetBounds(308, 36, 120, 22);
    for (TEdit* edit : {edtIPAddress, edtUptime, edtExpiryTime}) {
        edit->SetReadOnly(true);
        edit->SetEnabled(false);
        edit->SetColor(clBtnFace);
    }
    CBoxClear = Make<TComboBox>(strip, "CBoxClear");
    CBoxClear->SetBounds(520, 6, 90, 22);
}

void TIGMPSnoopingDataDrivenLearingGroupForm::BuildButtonColumn(TPanel* column) {
    const qs::ButtonColumn made = qs::FillButtonColumn(*this, column, "lbl_Sample", "Samples", "StaticText1",
                                                       {{"btnGet", "Refresh", [this] { btnGetClick(); }},
                                                        {"btnSet", "Set", [this] { btnSetClick(); }},
                                                        {"btnClose", "Close", [this] { Close(); }},
                                                        {"btn_stop", "Stop", [this] { btn_stopClick(); }}});
    StaticText1 = made.count;
    btnGet = made.buttons[0];
    btnSet = made.buttons[1];
    btnClose = made.buttons[2];
    btn_stop = made.buttons[3];
}

void TIGMPSnoopingDataDrivenLearingGroupForm::FormCreate() {
    RouterPorts.PlaceOn(StackingPortPanel);
    RouterPorts.SetDisplayOnly(true);
    GroupRequest = MakeTableRequest(ListView1, RouterPorts);
    BindRequest();
    btnSet->SetEnabled(false);
    qs::ShowRowCount(ListView1, StaticText1);
}

void TIGMPSnoopingDataDrivenLearingGroupForm::BindRequest() {
    WalkFinished.Attach(GroupRequest);
    try {
        GroupRequest->Request.List = QsSNMPVarList(LearnedGroupVars(), MVT_UMV, 2);
        GroupRequest->BindListView(ListView1, true);
        GroupRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        GroupRequest->BindStaticText(C::kVlan, stVID);
        GroupRequest->BindEdits(C::kGroup, "%s{I}", {edtIPAddress});
        GroupRequest->BindEdits(C::kUpTime, "%i", {edtUptime});
        GroupRequest->BindEdits(C::kExpiryTime, "%i", {edtExpiryTime});
        RouterPorts.Bind(*GroupRequest, C::kRouterPorts);
        GroupRequest->BindComboBox(C::kClearGroup, CBoxClear);
        qs::FollowRowShown(ListView1, [this] { Handle([this] { ListView1Click(); }); });
        StatusOut().AttachTo(*GroupRequest);
        GroupRequest->Mode = RM_ASYNC;
        GroupRequest->OnGetDone = WalkFinished.Hook();
        GroupRequest->Refresh();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void TIGMPSnoopingDataDrivenLearingGroupForm::btnGetClick() {
    if (RequestsEnded() || !WalkFinished.AllowRefresh()) {
        return;
    }
    try {
        GroupRequest->Request.Active = true;
        GroupRequest->Refresh();
        WalkFinished.Begin();
        ClearFields();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        ClearFields();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

// One blocking SET of Clear Group for the selected group, then a new walk.
void TIGMPSnoopingDataDrivenLearingGroupForm::btnSetClick() {
    if (RequestsEnded() || !WalkFinished.AllowWrite() || ListView1->Selected() == nullptr) {
        return;
    }
    try {
        GroupRequest->Mode = RM_BLOCKING;
        GroupRequest->Request.Active = true;
        GroupRequest->Apply(false, true, std::string(), nullptr);
        WalkFinished.Begin();
        ClearFields();
        GroupRequest->Mode = RM_ASYNC;
        GroupRequest->Refresh();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        ClearFields();
        StatusOut().Show(QString::fromStdString(e.what()));
        GroupRequest->Mode = RM_ASYNC;
    }
}

void TIGMPSnoopingDataDrivenLearingGroupForm::btn_stopClick() {
    WalkFinished.Stop();
}

void TIGMPSnoopingDataDrivenLearingGroupForm::ListView1Click() {
    if (ListView1->Selected() != nullptr) {
        btnSet->SetEnabled(true);
    } else {
        ClearFields();
    }
    RouterPorts.SetDisplayOnly(true);
}

void TIGMPSnoopingDataDrivenLearingGroupForm::ClearFields() {
    RouterPorts.Clear();
    stVID->SetCaption(QString());
    for (TEdit* edit : {edtIPAddress, edtUptime, edtExpiryTime}) {
        edit->SetText(QString());
    }
    btnSet->SetEnabled(false);
}
