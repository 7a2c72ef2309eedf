#include "PortMirrorForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "PortTrunkForm.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "RequiredText.h"
#include "TableLayout.h"

TPortMirrorForm* PortMirrorForm = nullptr;

namespace {

constexpr QsOption kMirrorStates[] = {{2, "disabled"}, {3, "enabled"}, {}};

const QsSNMPVarDesc* MirrorVars() {
    static const QsOptionList states(kMirrorStates, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.6.2", "RX Member Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.6.3", "TX Member Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.6.4", "Target Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.6.5", "State", SYN_INTEGER, ACC_READWRITE, &states},
        {nullptr},
    };
    return table;
}

using C = TPortMirrorForm::Column;
constexpr int kAll[] = {C::kRxPorts, C::kTxPorts, C::kTargetPort, C::kState};
constexpr int kTrunkMaster = 1;
constexpr int kTrunkMembers = 2;

} // namespace

TPortMirrorForm::TPortMirrorForm(TComponent* owner)
    : FeatureDialog(owner, "PortMirrorForm", QStringLiteral("Port Mirror"), QSize(680, 470), 0),
      IngressPorts(this), EgressPorts(this), TrunkPorts(this) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TPortMirrorForm::~TPortMirrorForm() {
    Shutdown.Run();
}

void TPortMirrorForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    qs::FillButtons(*this, column,
                    {{&BT_Refresh, "BT_Refresh", "Refresh", {}},
                     {&BT_Set, "BT_Set", "Set ", {}},
                     {&Button1, "Button1", "Close", {}}});
    BT_Refresh->OnClick = [this](TObject*) {
        qs::GuardedStatusLine(MirrorRequest, [this] { BT_RefreshClick(); });
    };
    BT_Set->OnClick = [this](TObject*) { qs::GuardedStatusLine(MirrorRequest, [this] { BT_SetClick(); }); };
    Button1->OnClick = [this](TObject*) { Close(); };
    BuildTarget();
    BuildSources();
    BuildHiddenControls();
}

void TPortMirrorForm::BuildTarget() {
    auto* top = Make<TPanel>(nullptr, "Panel2");
    top->SetAlign(alTop);
    top->SetHeight(48);
    Label2 = Make<TLabel>(top, "Label2");
    Label2->SetCaption(QStringLiteral("Target Port "));
    Label2->SetBounds(12, 16, 80, 16);
    GroupBox2 = Make<TPanel>(top, "GroupBox2");
    GroupBox2->SetBounds(96, 6, 230, 36);
    Label_Unit = Make<TLabel>(GroupBox2, "Label_Unit");
    Label_Unit->SetCaption(QStringLiteral("Unit : "));
    Label_Unit->SetBounds(8, 10, 40, 16);
    UnitEdit = Make<TEdit>(GroupBox2, "UnitEdit");
    UnitEdit->SetBounds(50, 6, 40, 22);
    UnitEdit->SetText(QStringLiteral("1"));
    UnitEdit->SetEnabled(false);
    Label_Port = Make<TLabel>(GroupBox2, "Label_Port");
    Label_Port->SetCaption(QStringLiteral("Port : "));
    Label_Port->SetBounds(110, 10, 40, 16);
    PortEdit = Make<TEdit>(GroupBox2, "PortEdit");
    PortEdit->SetBounds(152, 6, 60, 22);
    PortEdit->SetText(QStringLiteral("1"));
    CK_Status = Make<TCheckBox>(top, "CK_Status");
    CK_Status->SetCaption(QStringLiteral("Mirror Enabled"));
    CK_Status->SetBounds(350, 14, 140, 20);
}

void TPortMirrorForm::BuildSources() {
    GroupBox1 = Make<TPanel>(nullptr, "GroupBox1");
    GroupBox1->SetAlign(alClient);
    auto* title = Make<TLabel>(GroupBox1, "SourceLabel");
    title->SetCaption(QStringLiteral("Source Port"));
    title->SetBold(true);
    title->SetBounds(8, 4, 120, 16);
    auto host = [this](TLabel** label, TPanel** box, const char* labelName, const char* caption,
                       const char* boxName, int top) {
        *label = Make<TLabel>(GroupBox1, labelName);
        (*label)->SetCaption(QString::fromLatin1(caption));
        (*label)->SetBounds(8, top, 120, 16);
        *box = Make<TPanel>(GroupBox1, boxName);
        (*box)->SetBounds(8, top + 18, 540, 150);
    };
    host(&IngressLabel, &IngressPortGB, "IngressLabel", "Ingress Port", "IngressPortGB", 24);
    host(&EgressLabel, &EgressPortGB, "EgressLabel", "Egress Port", "EgressPortGB", 198);
}

void TPortMirrorForm::BuildHiddenControls() {
    btnRemove = MakeButton(nullptr, "btnRemove", "Clear Member", [] {});
    btnSetstatus = MakeButton(nullptr, "btnSetstatus", "", [] {});
    ET_TargetPort = Make<TEdit>(nullptr, "ET_TargetPort");
    Combo_Unit = Make<TComboBox>(nullptr, "Combo_Unit");
    Combo_Port = Make<TComboBox>(nullptr, "Combo_Port");
    LV_PortTrunk = Make<TListView>(nullptr, "LV_PortTrunk");
    ED_MasterPort = Make<TEdit>(nullptr, "ED_MasterPort");
    StackingPortPanel = Make<TPanel>(nullptr, "StackingPortPanel");
    for (TControl* c :
         std::initializer_list<TControl*>{btnRemove, btnSetstatus, ET_TargetPort, Combo_Unit, Combo_Port,
                                          LV_PortTrunk, ED_MasterPort, StackingPortPanel}) {
        c->SetVisible(false);
    }
}

void TPortMirrorForm::FormCreate() {
    IngressPorts.PlaceOn(IngressPortGB);
    EgressPorts.PlaceOn(EgressPortGB);
    for (qs::PortPickerSlot* slot : {&IngressPorts, &EgressPorts, &TrunkPorts}) {
        Shutdown.AddPicker(slot);
    }
    CreateMirrorRequest();
    CreateTrunkRequest();
    qs::GuardedStatusLine(MirrorRequest, [this] {
        MirrorRequest->Request.List = QsSNMPVarList(MirrorVars(), SVT_SV, 0);
        MirrorRequest->Mode = RM_BLOCKING;
        MirrorRequest->BindEdits(C::kTargetPort, "%i", {PortEdit});
        IngressPorts.Bind(*MirrorRequest, C::kRxPorts);
        EgressPorts.Bind(*MirrorRequest, C::kTxPorts);
        MirrorRequest->BindComponent(C::kState, CK_Status);
        StatusOut().AttachTo(*MirrorRequest);
        qs::RefreshShown(*MirrorRequest);
        TrunkPorts.PlaceOn(StackingPortPanel);
        TrunkRequest->Request.List = QsSNMPVarList(PortTrunkVars(), MVT_UMV, 1);
        TrunkRequest->Mode = RM_BLOCKING;
        TrunkRequest->BindListView(LV_PortTrunk, true);
        TrunkRequest->BindEdits(kTrunkMaster, "%i", {ED_MasterPort});
        TrunkPorts.Bind(*TrunkRequest, kTrunkMembers);
        qs::RefreshShown(*TrunkRequest, MirrorRequest);
    });
}

void TPortMirrorForm::CreateMirrorRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    MirrorRequest = request.get();
    Shutdown.AddRequest(std::move(request));
}

void TPortMirrorForm::CreateTrunkRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    TrunkRequest = request.get();
    Shutdown.AddRequest(std::move(request));
}

void TPortMirrorForm::BT_RefreshClick() {
    if (RequestsEnded()) {
        return;
    }
    MirrorRequest->Request.Active = true;
    qs::RefreshShown(*MirrorRequest);
    TrunkRequest->Request.Active = true;
    qs::RefreshShown(*TrunkRequest, MirrorRequest);
}

// The target port must be one of the device's ports.
bool TPortMirrorForm::TargetPortValid() {
    const int ports = PortCountOfModel(DeviceModelName);
    const QString message = QStringLiteral("Please enter a valid Target Port: a port number from 1 to %1.");
    return qs::RequireNumber(PortEdit, 1, ports, message.arg(ports)).has_value();
}

// Three SETs, each collecting the controls again: all four values, then the ingress ports alone,
// then the egress ports alone. A refused SET is reported and the next one still goes out; an
// exception ends the sequence. The marks are put back and everything is read again in any case.
// A target port that is not one of the device's ports sends nothing.
void TPortMirrorForm::BT_SetClick() {
    if (RequestsEnded() || !TargetPortValid()) {
        return;
    }
    qs::GuardedStatusLine(MirrorRequest, [this] {
        qs::AccessMarks marks(MirrorRequest->Request.List);
        MirrorRequest->Request.Active = true;
        const std::vector<qs::SetStep> steps = {
            {C::kRxPorts, C::kTxPorts, C::kTargetPort, C::kState}, {C::kRxPorts}, {C::kTxPorts}};
        for (const qs::SetStep& step : steps) {
            marks.KeepOnly(kAll, step);
            MirrorRequest->Apply(true, true, std::string(), nullptr);
        }
    });
    BT_RefreshClick();
}
