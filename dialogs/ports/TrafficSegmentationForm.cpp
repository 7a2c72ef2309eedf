#include "TrafficSegmentationForm.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "TableLayout.h"

TTrafficSegmentationForm* TrafficSegmentationForm = nullptr;

namespace {

const QsSNMPVarDesc SegmentationVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.12.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.12.1.1.2", "Forward Ports", SYN_BITSTR, ACC_READWRITE},
    {nullptr},
};

constexpr int kPort = 0;
constexpr int kForwardPorts = 1;
constexpr int kPortsPerUnit = 64;

// Refresh and Set refuse with one text while a walk runs (also the walk that follows a Set,
// so that two walks never overlap); Stop lets both work again.
qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.writeMessage = QStringLiteral("Refresh not complete");
    config.refresh = qs::WalkGateConfig::Refresh::Message;
    config.refreshMessage = config.writeMessage;
    config.refreshChecksBusy = true;
    config.stopRaises = true;
    return config;
}

} // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(TComponent* owner)
    : FeatureDialog(owner, "TrafficSegmentationForm", QStringLiteral("Traffic Segmentation Form"),
                    QSize(640, 520), 0),
      ForwardPorts(this), WalkFinished(GateConfig(), nullptr) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TTrafficSegmentationForm::~TTrafficSegmentationForm() {
    Shutdown.Run();
}

void TTrafficSegmentationForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    Panel4 = Make<TPanel>(nullptr, "Panel4");
    Panel4->SetAlign(alBottom);
    Panel4->SetHeight(150);
    GroupBox1 = Make<TPanel>(nullptr, "GroupBox1");
    GroupBox1->SetAlign(alBottom);
    GroupBox1->SetHeight(36);
    LV_TrafficForward = Make<TListView>(nullptr, "LV_TrafficForward");
    LV_TrafficForward->SetAlign(alClient);
    ST_Port = Make<TStaticText>(GroupBox1, "ST_Port");
    ST_Port->SetVisible(false);
    Label_Port = Make<TLabel>(GroupBox1, "Label_Port");
    Label_Port->SetCaption(QStringLiteral("Port : "));
    Label_Port->SetBounds(12, 10, 40, 16);
    Combo_Port = Make<TEdit>(GroupBox1, "Combo_Port");
    Combo_Port->SetReadOnly(true);
    Combo_Port->SetBounds(56, 6, 60, 22);
    Label_Unit = Make<TLabel>(GroupBox1, "Label_Unit");
    Label_Unit->SetCaption(QStringLiteral("Unit : "));
    Label_Unit->SetVisible(false);
    Combo_Unit = Make<TEdit>(GroupBox1, "Combo_Unit");
    Combo_Unit->SetReadOnly(true);
    Combo_Unit->SetVisible(false);
    BuildButtonColumn(column);
    LV_TrafficForward->OnClick = [this](TObject*) { Handle([this] { LV_TrafficForwardClick(); }); };
}

void TTrafficSegmentationForm::BuildButtonColumn(TPanel* column) {
    const qs::ButtonColumn made = qs::FillButtonColumn(*this, column, nullptr, nullptr, nullptr,
                                                       {{"BT_Get", "Refresh", [this] { BT_GetClick(); }},
                                                        {"BT_Set", "Set", [this] { BT_SetClick(); }},
                                                        {"StopBtn", "Stop", [this] { StopBtnClick(); }},
                                                        {"CloseBtn", "Close", [this] { Close(); }}});
    BT_Get = made.buttons[0];
    BT_Set = made.buttons[1];
    StopBtn = made.buttons[2];
    CloseBtn = made.buttons[3];
    // The row count stands under the buttons here.
    StaticText1 = Make<TStaticText>(column, "StaticText1");
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->SetBounds(12, CloseBtn->Top() + 44, 86, 22);
    qs::FollowRowCount(LV_TrafficForward, StaticText1);
}

void TTrafficSegmentationForm::FormCreate() {
    ForwardPorts.PlaceOn(Panel4);
    SegmentRequest = MakeTableRequest(LV_TrafficForward, ForwardPorts);
    WalkFinished.Attach(SegmentRequest);
    Handle([this] {
        SegmentRequest->Request.List = QsSNMPVarList(SegmentationVars, MVT_UMV, 1);
        SegmentRequest->BindListView(LV_TrafficForward, true);
        // After the framework has shown the selected row: the row's port and the Set button.
        TLVSelectItemEvent shown = LV_TrafficForward->OnSelectItem;
        LV_TrafficForward->OnSelectItem = [this, shown](TObject* sender, TListItem* item, bool selected) {
            if (shown) {
                shown(sender, item, selected);
            }
            Handle([this] { LV_TrafficForwardClick(); });
        };
        SegmentRequest->AfterGetHook = [this] { qs::FitColumns(LV_TrafficForward); };
        SegmentRequest->BindStaticText(kPort, ST_Port);
        ForwardPorts.Bind(*SegmentRequest, kForwardPorts);
        StatusOut().AttachTo(*SegmentRequest);
        // The hook is bound to this form: the menu command does not publish the dialog.
        SegmentRequest->OnGetDone = WalkFinished.Hook();
        SegmentRequest->Refresh();
    });
    BT_Set->SetEnabled(false);
}

void TTrafficSegmentationForm::ClearSelection() {
    BT_Set->SetEnabled(false);
    ClearPortBoxes();
    Combo_Unit->SetText(QString());
    Combo_Port->SetText(QString());
}

void TTrafficSegmentationForm::BT_GetClick() {
    if (RequestsEnded() || !WalkFinished.AllowRefresh()) {
        return;
    }
    try {
        SegmentRequest->Request.Active = true;
        WalkFinished.Begin();
        SegmentRequest->Refresh();
        ClearSelection();
    } catch (const std::exception& e) {
        StatusOut().Show(QString::fromStdString(e.what()));
        WalkFinished.Raise();
    }
}

void TTrafficSegmentationForm::BT_SetClick() {
    if (RequestsEnded() || LV_TrafficForward->Selected() == nullptr || !WalkFinished.AllowWrite()) {
        return;
    }
    Handle([this] {
        SegmentRequest->Request.Active = true;
        SegmentRequest->Apply(true, true, std::string(), nullptr);
    });
    ClearSelection();
}

void TTrafficSegmentationForm::StopBtnClick() {
    WalkFinished.Stop();
}

void TTrafficSegmentationForm::ClearPortBoxes() {
    ForwardPorts.Clear();
}

void TTrafficSegmentationForm::LV_TrafficForwardClick() {
    if (LV_TrafficForward->Selected() == nullptr) {
        ClearSelection();
        return;
    }
    const int port = ST_Port->Caption().toInt();
    if (port % kPortsPerUnit != 0) {
        Combo_Unit->SetText(QString::number(port / kPortsPerUnit + 1));
        Combo_Port->SetText(QString::number(port % kPortsPerUnit));
    } else {
        Combo_Unit->SetText(QString::number(port / kPortsPerUnit));
        Combo_Port->SetText(port == 0 ? QStringLiteral("0") : QString::number(kPortsPerUnit));
    }
    BT_Set->SetEnabled(true);
}
