#include "FlowControlForm.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "StatusBar.h"
#include "Strings.h"
#include "TableLayout.h"
#include "Timer.h"

namespace qs {

namespace {

const int kIntervals[] = {0, 2000, 5000, 10000, 30000, 60000};
const char* const kIntervalTexts[] = {"none", "2s", "5s", "10s", "30s", "1m"};

WalkGateConfig GateConfig() {
    WalkGateConfig config;
    config.writeMessage = QStringLiteral("Get data not complete");
    config.refresh = WalkGateConfig::Refresh::Silent;
    config.refreshChecksBusy = true;
    return config;
}

} // namespace

FlowControlForm::FlowControlForm(TComponent* owner, const FlowControlConfig& config)
    : FeatureDialog(owner, config.formName, QString::fromLatin1(config.caption), QSize(700, 480)),
      WalkFinished(GateConfig(), nullptr), config_(config) {
    BuildControls();
    // The polling stops before the requests end.
    SetCloseGate([this] {
        Timer1->SetEnabled(false);
        return true;
    });
    OnCreate = [this](TObject*) { FormCreate(); };
}

FlowControlForm::~FlowControlForm() {
    Timer1->SetEnabled(false);
    Shutdown.Run();
}

void FlowControlForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(120);
    auto* strip = Make<TPanel>(nullptr, "Panel1");
    strip->SetAlign(alBottom);
    strip->SetHeight(36);
    ListView2 = Make<TListView>(nullptr, "ListView2");
    ListView2->SetAlign(alBottom);
    ListView2->SetHeight(90);
    ListView2->AddColumn(QStringLiteral("Name"), 150);
    ListView2->AddColumn(QStringLiteral("Value"), 150);
    for (const char* row : config_.counterRows) {
        ListView2->AddItem(QStringList{QString::fromLatin1(row), QString()});
    }
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildPortEditors(strip);
    BuildButtonColumn(column);
    Timer1 = new TTimer(this);
    Timer1->SetName(QStringLiteral("Timer1"));
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject*) { Handle([this] { Timer1Timer(); }); };
}

void FlowControlForm::BuildPortEditors(TPanel* strip) {
    Label1 = Make<TLabel>(strip, "Label1");
    Label1->SetCaption(config_.pause ? QStringLiteral("Admin Mode") : QStringLiteral("Function Support"));
    Label1->SetBounds(8, 10, 110, 16);
    if (config_.pause) {
        cbxAdminMode = Make<TComboBox>(strip, "cbxAdminMode");
        cbxAdminMode->SetBounds(122, 6, 180, 22);
        edtIndex = Make<TEdit>(strip, "edtIndex");
        edtIndex->SetVisible(false);
        return;
    }
    for (int i = 1; i <= 8; ++i) {
        auto* box = Make<TCheckBox>(strip, ("CheckBox" + std::to_string(i)).c_str());
        box->SetCaption(QStringLiteral("pause"));
        box->SetBounds(122, 8, 80, 20);
        box->SetVisible(i == 1);
        CheckBoxes.push_back(box);
    }
}

void FlowControlForm::BuildButtonColumn(TPanel* column) {
    Label2 = Make<TLabel>(column, "Label2");
    Label2->SetCaption(QStringLiteral("Interval Time"));
    Label2->SetBounds(12, 8, 96, 16);
    cbxInterval = Make<TComboBox>(column, "cbxInterval");
    cbxInterval->SetStyle(csDropDownList);
    for (const char* text : kIntervalTexts) {
        cbxInterval->Items().Add(QString::fromLatin1(text));
    }
    cbxInterval->SetBounds(12, 26, 96, 22);
    cbxInterval->OnChange = [this](TObject*) { Handle([this] { cbxIntervalChange(); }); };
    const qs::ButtonPlace place{.top = 62, .width = 96};
    qs::FillButtons(*this, column,
                    {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                     {&btnSet, "btnSet", "Set", [this] { btnSetClick(); }, config_.pause},
                     {&btnStop, "btnStop", "Stop", [this] { WalkFinished.Stop(); }, config_.pause},
                     {&btnClose, "btnClose", "Close",
                      [this] {
                          Timer1->SetEnabled(false);
                          Close();
                      }}},
                    place);
    lvChart = Make<TListView>(column, "lvChart");
    lvChart->SetVisible(false);
}

void FlowControlForm::FormCreate() {
    Timer1->SetEnabled(false);
    cbxInterval->SetItemIndex(0);
    auto counters = std::make_unique<QsSNMPRequest2Edits>(this);
    auto ports = std::make_unique<QsSNMPRequest2Edits>(this);
    CounterRequest = counters.get();
    PortRequest = ports.get();
    Shutdown.SetListView(ListView1);
    Shutdown.AddRequest(std::move(counters));
    Shutdown.AddRequest(std::move(ports));
    WalkFinished.Attach(PortRequest);
    try {
        BindPortRequest();
        PortRequest->Refresh();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    if (btnSet) {
        btnSet->SetEnabled(false);
    }
}

void FlowControlForm::BindPortRequest() {
    PortRequest->Request.List = QsSNMPVarList(config_.portTable, MVT_FMV, 1);
    PortRequest->BindListView(ListView1, true);
    PortRequest->AfterGetHook = [this] { FitColumns(ListView1); };
    if (config_.pause) {
        PortRequest->BindEdits(0, "%i", {edtIndex});
        PortRequest->BindComboBox(1, cbxAdminMode);
    } else {
        PortRequest->BindCheckBoxes(1, "0,1,2,3,4,5,6,7", CheckBoxes);
    }
    StatusOut().AttachTo(*PortRequest);
    PortRequest->OnGetDone = WalkFinished.Hook([this](QsSNMPError*) { WalkDone(); });
    CounterRequest->BindListView(lvChart, true);
    StatusOut().AttachTo(*CounterRequest);
}

void FlowControlForm::WalkDone() {
    if (cbxAdminMode) {
        cbxAdminMode->SetEnabled(true);
    }
    if (!CheckBoxes.empty()) {
        CheckBoxes.front()->SetEnabled(true); // the one box shown
    }
}

void FlowControlForm::btnGetClick() {
    if (RequestsEnded() || !WalkFinished.AllowRefresh()) {
        return;
    }
    ResetCounterView();
    WalkFinished.Begin();
    if (config_.pause) {
        PortRequest->Request.Active = true;
    }
    try {
        PortRequest->Refresh();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void FlowControlForm::ListView1Click() {
    const TListItem* row = ListView1->Selected();
    if (row == nullptr) {
        ResetCounterView();
        return;
    }
    if (btnSet) {
        btnSet->SetEnabled(true);
    }
    Handle([&] {
        QsSNMPVarList list(config_.counterTable, MVT_SV, 0);
        list.AppendSuffix(row->Caption().toStdString());
        CounterRequest->Request.List = list;
        CounterRequest->Mode = RM_BLOCKING;
        CounterRequest->Refresh();
        ShowCounters();
    });
    if (btnSet && WalkFinished.Ready() && ListView1->Selected() != nullptr) {
        btnSet->SetEnabled(true);
    }
}

void FlowControlForm::cbxIntervalChange() {
    const int index = cbxInterval->ItemIndex();
    if (index <= 0 || index >= static_cast<int>(std::size(kIntervals))) {
        Timer1->SetEnabled(false);
        return;
    }
    Timer1->SetInterval(kIntervals[index]);
    Timer1->SetEnabled(true);
}

void FlowControlForm::Timer1Timer() {
    if (CounterRequest->Busy) {
        return;
    }
    lvChart->ClearItems();
    // Without a selected port there is nothing to read: the empty view says so below.
    if (CounterRequest->Request.List.GetCount() > 0) {
        CounterRequest->Refresh();
    }
    ShowCounters();
}

void FlowControlForm::ShowCounters() {
    if (lvChart->ItemCount() == 0) {
        // The polling stops first, so that no further tick opens another box behind this one.
        ResetCounterView();
        ShowMessage(QStringLiteral("Get data not completed."));
        return;
    }
    const TListItem* counters = lvChart->Item(0);
    for (int i = 0; i < ListView2->ItemCount(); ++i) {
        ListView2->Item(i)->SetSubItem(0, i == 0 ? counters->Caption() : counters->SubItem(i - 1));
    }
}

void FlowControlForm::btnSetClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr || !WalkFinished.AllowWrite()) {
        return;
    }
    WalkFinished.Begin();
    PortRequest->Request.Active = true;
    try {
        PortRequest->Apply(false, true, std::string(), nullptr);
        ResetCounterView();
        PortRequest->Refresh();
        WalkFinished.Raise();
    } catch (const std::exception& e) {
        WalkFinished.Raise();
        ResetCounterView();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void FlowControlForm::ResetCounterView() {
    Timer1->SetEnabled(false);
    cbxInterval->SetItemIndex(0);
    for (int i = 0; i < ListView2->ItemCount(); ++i) {
        ListView2->Item(i)->SetSubItem(0, QString());
    }
    if (cbxAdminMode) {
        cbxAdminMode->SetItemIndex(-1);
    }
    if (btnSet) {
        btnSet->SetEnabled(false);
    }
    if (!CheckBoxes.empty()) {
        CheckBoxes.front()->SetChecked(false);
    }
    lvChart->ClearItems();
}

} // namespace qs
