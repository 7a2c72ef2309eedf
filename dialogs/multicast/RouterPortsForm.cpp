#include "RouterPortsForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "RowShown.h"
#include "ScrollBox.h"
#include "ScrollBoxTab.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

#include <QGuiApplication>
#include <QScreen>

namespace qs {

namespace {

const char* const kNotComplete = "Get data not complete";

WalkGateConfig GateConfig(bool mld) {
    WalkGateConfig config;
    config.refresh = WalkGateConfig::Refresh::Silent;
    config.writeMessage = QString::fromLatin1(kNotComplete);
    config.writesCheckBusy = false;
    config.closeGate = mld;
    config.closeMessage = QString::fromLatin1(kNotComplete);
    return config;
}

void CenterOnScreen(QWidget* form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
    }
}

} // namespace

RouterPortsForm::RouterPortsForm(TComponent* owner, const RouterPortsConfig& config)
    : FeatureDialog(owner, config.formName, QString::fromLatin1(config.caption), QSize(700, 520),
                    config.mld ? 1.25 : 0),
      StaticPorts(this), DynamicPorts(this), ForbiddenPorts(this),
      WalkFinished(GateConfig(config.mld), nullptr), config_(config) {
    BuildControls();
    if (config_.mld) {
        CenterOnScreen(this);
        SetCloseGate([this] { return WalkFinished.AllowClose(); });
    }
    OnCreate = [this](TObject*) { FormCreate(); };
}

RouterPortsForm::~RouterPortsForm() {
    Shutdown.Run();
}

void RouterPortsForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(270);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    strip->SetHeight(36);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    ScrollBox1 =
        AddScrollBoxTab(this, PageControl1, "tbsStatic", QStringLiteral("Static Ports"), "ScrollBox1");
    ScrollBox2 =
        AddScrollBoxTab(this, PageControl1, "tbsDynamic", QStringLiteral("Dynamic Ports"), "ScrollBox2");
    ScrollBox3 =
        AddScrollBoxTab(this, PageControl1, "tbsForbidden", QStringLiteral("Forbidden Ports"), "ScrollBox3");
    BuildEditors(strip);
    BuildButtonColumn(column);
    FollowRowCount(ListView1, StaticText1);
}

void RouterPortsForm::BuildEditors(TPanel* strip) {
    Label1 = Make<TLabel>(strip, "Label1");
    Label1->SetCaption(QString::fromLatin1(config_.vlanLabel));
    Label1->SetBounds(8, 10, 52, 16);
    stVlanID = Make<TStaticText>(strip, "stVlanID");
    stVlanID->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    stVlanID->SetBounds(64, 6, 80, 22);
    if (!config_.mld) {
        Label2 = Make<TLabel>(strip, "Label2");
        Label2->SetCaption(QStringLiteral("VLAN Name"));
        Label2->SetVisible(false);
        stVlanName = Make<TStaticText>(strip, "stVlanName");
        stVlanName->SetVisible(false);
    }
}

void RouterPortsForm::BuildButtonColumn(TPanel* column) {
    FillButtonColumn(*this, column, {"lbl_Sample", &lbl_Sample, "StaticText1", &StaticText1},
                     {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                      {&btnSet, "btnSet", "Set", [this] { btnSetClick(); }},
                      {&btnStop, "btnStop", "Stop", [this] { btnStopClick(); }, config_.mld},
                      {&btnClose, config_.closeName, "Close", [this] { Close(); }}});
}

void RouterPortsForm::FormCreate() {
    StaticPorts.PlaceOn(ScrollBox1);
    DynamicPorts.PlaceOn(ScrollBox2);
    ForbiddenPorts.PlaceOn(ScrollBox3);
    // The pickers go with the form, after the request: a walk that is stopped while the dialog
    // closes still greys its bound boxes when it ends.
    Shutdown.SetListView(ListView1);
    if (config_.mld) {
        btnSet->SetEnabled(false);
    }
    CreateRequest();
    ShowRowCount();
}

void RouterPortsForm::CreateRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    RouterRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    WalkFinished.Attach(RouterRequest);
    try {
        RouterRequest->Request.List = QsSNMPVarList(config_.table, MVT_FMV, 1);
        RouterRequest->BindListView(ListView1, true);
        RouterRequest->AfterGetHook = [this] { FitColumns(ListView1); };
        RouterRequest->BindStaticText(kVlan, stVlanID);
        StaticPorts.Bind(*RouterRequest, kStatic);
        DynamicPorts.Bind(*RouterRequest, kDynamic);
        ForbiddenPorts.Bind(*RouterRequest, kForbidden);
        // After the framework's own selection step, which enables every bound box.
        FollowRowShown(ListView1, [this] { Handle([this] { ListView1Click(); }); });
        StatusOut().AttachTo(*RouterRequest);
        // The framework has disabled every bound box at the end of the walk.
        RouterRequest->OnGetDone = WalkFinished.Hook([this](QsSNMPError*) {
            StaticPorts.SetDisplayOnly(false);
            ForbiddenPorts.SetDisplayOnly(false);
        });
        RouterRequest->Refresh();
        config_.mld ? ClearEditors() : DynamicPorts.SetDisplayOnly(true);
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void RouterPortsForm::ShowRowCount() {
    qs::ShowRowCount(ListView1, StaticText1);
}

void RouterPortsForm::btnGetClick() {
    if (RequestsEnded() || !WalkFinished.AllowRefresh()) {
        return;
    }
    try {
        WalkFinished.Begin();
        RouterRequest->Request.Active = true;
        RouterRequest->Refresh();
        ClearEditors();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

// A Set needs the VLAN of a selected row: without one there is no instance to write.
void RouterPortsForm::btnSetClick() {
    if (RequestsEnded() || (config_.mld && !WalkFinished.AllowWrite()) || ListView1->Selected() == nullptr) {
        return;
    }
    if (!config_.mld) {
        Handle([this] { RouterRequest->Apply(true, true, std::string(), nullptr); });
        ClearEditors();
        return;
    }
    try {
        WalkFinished.Begin();
        RouterRequest->Request.Active = true;
        RouterRequest->Apply(false, true, std::string(), nullptr);
        ClearEditors();
        RouterRequest->Refresh();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void RouterPortsForm::btnStopClick() {
    WalkFinished.Stop();
}

void RouterPortsForm::ListView1Click() {
    if (ListView1->Selected() != nullptr) {
        btnSet->SetEnabled(true);
        DynamicPorts.SetDisplayOnly(true);
        return;
    }
    ClearEditors();
    btnSet->SetEnabled(false);
}

void RouterPortsForm::ClearEditors() {
    StaticPorts.Clear();
    DynamicPorts.Clear();
    ForbiddenPorts.Clear();
    stVlanID->SetCaption(QString());
    if (stVlanName) {
        stVlanName->SetCaption(QString());
    }
    if (config_.mld) {
        DynamicPorts.SetDisplayOnly(true);
        btnSet->SetEnabled(false);
    }
    ShowRowCount();
}

} // namespace qs
