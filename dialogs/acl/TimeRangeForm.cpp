#include "TimeRangeForm.h"

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
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TTimeRangeForm* TimeRangeForm = nullptr;

namespace {

const QsSNMPVarDesc* TimeRangeVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.50.3.1.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.50.3.1.1.2", "Week Days", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.50.3.1.1.3", "Start Time", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.50.3.1.1.4", "End Time", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.50.3.1.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

enum { kName, kWeekDays, kStart, kEnd, kRowStatus };
constexpr int kCreateAndGo = 1; // positions in the row status combo
constexpr int kDestroy = 2;

const char* const kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const kDayCaptions[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};

qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.writeMessage = QStringLiteral("Get data not complete");
    config.refresh = qs::WalkGateConfig::Refresh::Silent;
    config.refreshChecksBusy = true;
    config.closeGate = true;
    config.closeMessage = QStringLiteral("Get data not complete");
    return config;
}

} // namespace

TTimeRangeForm::TTimeRangeForm(TComponent* owner)
    : FeatureDialog(owner, "TimeRangeForm", QStringLiteral("Time Range Form"), QSize(640, 460)),
      ReadComplete(GateConfig(), nullptr) {
    BuildControls();
    SetCloseGate([this] { return ReadComplete.AllowClose(); });
    OnCreate = [this](TObject*) { FormCreate(); };
}

TTimeRangeForm::~TTimeRangeForm() {
    Shutdown.Run();
}

void TTimeRangeForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(150);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors(lower);
    BuildButtons(column);
    qs::FollowRowCount(ListView1, StaticText1);
}

void TTimeRangeForm::BuildEditors(TPanel* lower) {
    Label1 = Make<TLabel>(lower, "Label1");
    Label1->SetCaption(QStringLiteral("Name"));
    Label1->SetBounds(10, 12, 60, 16);
    edtName = Make<TEdit>(lower, "edtName");
    edtName->SetBounds(74, 8, 180, 22);
    edtweekdays = Make<TEdit>(lower, "edtweekdays");
    edtweekdays->SetVisible(false);
    cbxStatus = Make<TComboBox>(lower, "cbxStatus");
    cbxStatus->SetVisible(false);
    auto* weekdays = Make<TPanel>(lower, "GroupBox1");
    weekdays->SetBounds(6, 40, 250, 104);
    Label4 = Make<TLabel>(weekdays, "Label4");
    Label4->SetCaption(QStringLiteral("Weekdays"));
    Label4->SetBounds(4, 2, 100, 16);
    for (std::size_t i = 0; i < WeekdayBoxes.size(); ++i) {
        auto* box = Make<TCheckBox>(weekdays, ("CheckBox" + std::to_string(i + 1)).c_str());
        box->SetCaption(QString::fromLatin1(kDayCaptions[i]));
        box->SetBounds(4 + static_cast<int>(i % 2) * 120, 22 + static_cast<int>(i / 2) * 20, 116, 18);
        WeekdayBoxes[i] = box;
    }
    CheckBox8 = Make<TCheckBox>(weekdays, "CheckBox8");
    CheckBox8->SetCaption(QStringLiteral("None"));
    CheckBox8->SetVisible(false);
    auto* daily = Make<TPanel>(lower, "GroupBox2");
    daily->SetBounds(266, 40, 280, 104);
    Label5 = Make<TLabel>(daily, "Label5");
    Label5->SetCaption(QStringLiteral("Daily"));
    Label5->SetBounds(4, 2, 100, 16);
    Label2 = Make<TLabel>(daily, "Label2");
    Label2->SetCaption(QStringLiteral("Start Time"));
    Label2->SetBounds(4, 28, 70, 16);
    edtStart = Make<TEdit>(daily, "edtStart");
    edtStart->SetBounds(78, 24, 80, 22);
    Label3 = Make<TLabel>(daily, "Label3");
    Label3->SetCaption(QStringLiteral("End Time"));
    Label3->SetBounds(4, 60, 70, 16);
    edtEnd = Make<TEdit>(daily, "edtEnd");
    edtEnd->SetBounds(78, 56, 80, 22);
    for (const auto& [name, top] : {std::pair{"Label7", 28}, std::pair{"Label8", 60}}) {
        auto* hint = Make<TLabel>(daily, name);
        hint->SetCaption(QStringLiteral("(Time hh:mm:ss )"));
        hint->SetBounds(162, top, 110, 16);
    }
}

void TTimeRangeForm::BuildButtons(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label6", &Label6, "StaticText1", &StaticText1},
                         {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                          {&btnSet, "btnSet", "Edit", [this] { btnSetClick(); }},
                          {&btnAdd, "btnAdd", "Add", [this] { btnAddClick(); }},
                          {&btnDelete, "btnDelete", "Delete", [this] { btnDeleteClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }},
                          {&btnStop, "btnStop", "Stop", [this] { btnStopClick(); }}});
}

void TTimeRangeForm::FormCreate() {
    RangeRequest = MakeTableRequest(ListView1);
    ReadComplete.Attach(RangeRequest);
    try {
        RangeRequest->Request.List = QsSNMPVarList(TimeRangeVars(), MVT_UMV, 1);
        RangeRequest->BindListView(ListView1, true);
        RangeRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        RangeRequest->BindEdits(kName, "%s", {edtName});
        RangeRequest->BindEdits(kWeekDays, "%s", {edtweekdays});
        RangeRequest->BindEdits(kStart, "%s", {edtStart});
        RangeRequest->BindEdits(kEnd, "%s", {edtEnd});
        RangeRequest->BindComboBox(kRowStatus, cbxStatus);
        StatusOut().AttachTo(*RangeRequest);
        RangeRequest->OnGetDone = ReadComplete.Hook();
        btnSet->SetEnabled(false);
        btnDelete->SetEnabled(false);
        RangeRequest->Refresh();
        qs::ShowRowCount(ListView1, StaticText1);
    } catch (const std::exception& e) {
        ReadComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void TTimeRangeForm::btnGetClick() {
    if (RequestsEnded() || !ReadComplete.AllowRefresh()) {
        return;
    }
    ReadComplete.Begin();
    RangeRequest->Request.Active = true;
    try {
        RangeRequest->Refresh();
    } catch (const std::exception& e) {
        ReadComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    ClearEditors();
}

void TTimeRangeForm::btnStopClick() {
    if (!RequestsEnded()) {
        ReadComplete.Stop();
    }
}

bool TTimeRangeForm::InputAccepted() {
    WeekdaysToText();
    const std::pair<bool, const char*> checks[] = {
        {edtweekdays->Text().isEmpty(), "Please input the weekdays"},
        {edtStart->Text().isEmpty(), "Please select the daily start time"},
        {edtEnd->Text().isEmpty(), "Please select the daily end time"}};
    for (const auto& [empty, message] : checks) {
        if (empty) {
            ShowMessage(QString::fromLatin1(message));
            return false;
        }
    }
    return true;
}

void TTimeRangeForm::WriteAndWalk() {
    ReadComplete.Begin();
    RangeRequest->Request.Active = true;
    try {
        RangeRequest->Apply(false, true, std::string(), nullptr);
        RangeRequest->Refresh();
        qs::ShowRowCount(ListView1, StaticText1);
    } catch (const std::exception& e) {
        ReadComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void TTimeRangeForm::btnAddClick() {
    if (RequestsEnded() || !ReadComplete.AllowWrite()) {
        return;
    }
    cbxStatus->SetItemIndex(kCreateAndGo);
    if (InputAccepted()) {
        WriteAndWalk();
    }
}

void TTimeRangeForm::btnSetClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr || !ReadComplete.AllowWrite()) {
        return;
    }
    if (InputAccepted()) {
        WriteAndWalk();
        ResetAfterWrite();
    }
}

void TTimeRangeForm::btnDeleteClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr || !ReadComplete.AllowWrite()) {
        return;
    }
    cbxStatus->SetItemIndex(kDestroy);
    WriteAndWalk();
    ResetAfterWrite();
}

void TTimeRangeForm::ResetAfterWrite() {
    btnSet->SetEnabled(false);
    btnDelete->SetEnabled(false);
    btnAdd->SetEnabled(true);
    edtName->SetEnabled(true);
    cbxStatus->SetEnabled(true);
    ClearEditors();
}

void TTimeRangeForm::ListView1Click() {
    const bool selected = ListView1->Selected() != nullptr;
    btnSet->SetEnabled(selected);
    btnDelete->SetEnabled(selected);
    if (!selected) {
        ClearEditors();
        return;
    }
    edtName->SetEnabled(false);
    cbxStatus->SetEnabled(false);
    TextToWeekdays();
}

void TTimeRangeForm::ClearEditors() {
    cbxStatus->SetEnabled(true);
    cbxStatus->SetItemIndex(-1);
    for (TEdit* edit : {edtStart, edtEnd, edtweekdays, edtName}) {
        edit->SetText(QString());
    }
    edtName->SetEnabled(true);
    for (TCheckBox* box : WeekdayBoxes) {
        box->SetChecked(false);
    }
}

void TTimeRangeForm::WeekdaysToText() {
    QStringList days;
    for (std::size_t i = 0; i < WeekdayBoxes.size(); ++i) {
        if (WeekdayBoxes[i]->Checked()) {
            days << QString::fromLatin1(kDayNames[i]);
        }
    }
    edtweekdays->SetText(days.join(QLatin1Char(',')));
}

void TTimeRangeForm::TextToWeekdays() {
    const QString text = edtweekdays->Text();
    for (std::size_t i = 0; i < WeekdayBoxes.size(); ++i) {
        WeekdayBoxes[i]->SetChecked(text.contains(QString::fromLatin1(kDayNames[i]), Qt::CaseSensitive));
    }
}
