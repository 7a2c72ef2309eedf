#include "frmSummerTime.h"

#include "AccessMarks.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "StatusBar.h"
#include "Strings.h"
#include "SummerTimeRules.h"
#include "TableLayout.h"

TfrmSummerTime* frmSummerTime = nullptr;

namespace {

const QsSNMPVarDesc* StateVars() {
    static const QsOption statuses[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {}};
    static const QsOptionList status(statuses, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.10.12.1", "Summer Time Status", SYN_INTEGER, ACC_READWRITE, &status},
        {"1.3.6.1.4.1.58613.12.10.12.2", "Summer Time Offset", SYN_INTEGER, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc RepeatVars[] = {
    {"1.3.6.1.4.1.58613.12.10.12.3", "Repeat Summer Time Start", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.10.12.4", "Repeat Summer Time End", SYN_OCTETSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc AnnualVars[] = {
    {"1.3.6.1.4.1.58613.12.10.12.5", "Annual Summer Time Start", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.10.12.6", "Annual Summer Time End", SYN_OCTETSTR, ACC_READWRITE},
    {nullptr},
};

enum { kStatus, kOffset };
enum { kStart, kEnd };

const char* const kMonths[] = {"none", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWeeks[] = {"last", "1st", "2nd", "3rd", "4th"};
const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const QString kTimeError = QStringLiteral("time error!!");

template <std::size_t N> void Fill(TComboBox* combo, const char* const (&items)[N]) {
    combo->SetStyle(csDropDownList);
    for (const char* item : items) {
        combo->Items().Add(QString::fromLatin1(item));
    }
}

// A blocking read whose failure is shown in the status output like any other read failure.
bool ReadShown(QsSNMPRequest2Controls& request) {
    if (request.Refresh()) {
        return true;
    }
    QsSNMPError error = request.Request.LastError;
    if (error.code == 0) {
        error.code = -1;
    }
    qs::ReportReadFailure(&request, &error);
    return false;
}

int EditNumber(const TEdit* edit) {
    return qs::StrToInt(edit->Text());
}

} // namespace

TfrmSummerTime::TfrmSummerTime(TComponent* owner)
    : FeatureDialog(owner, "frmSummerTime", QStringLiteral("Summer Time "), QSize(600, 210), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TfrmSummerTime::~TfrmSummerTime() {
    Shutdown.Run();
}

void TfrmSummerTime::BuildControls() {
    MakeStatusBar(true);
    BuildButtons();
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alClient);
    BuildStateRows(group);
    auto row = [&](const char* name, int top) {
        auto* p = Make<TPanel>(group, name);
        p->SetBounds(0, top, 480, 28);
        return p;
    };
    RepeatStartRow = row("RepeatStartRow", 76);
    RepeatEndRow = row("RepeatEndRow", 108);
    AnnualStartRow = row("AnnualStartRow", 76);
    AnnualEndRow = row("AnnualEndRow", 108);
    RepeatS = MakeRepeatRow(RepeatStartRow, 'S', "CheckBox3", "Repeat Summer Time Start");
    RepeatE = MakeRepeatRow(RepeatEndRow, 'E', "CheckBox4", "Repeat Summer Time End");
    AnnualS = MakeAnnualRow(AnnualStartRow, 'S', "CheckBox5", "Annual Summer Time Start");
    AnnualE = MakeAnnualRow(AnnualEndRow, 'E', "CheckBox6", "Annual Summer Time End");
    const std::pair<TEdit**, const char*> hidden[] = {{&edt_RepeatStart, "edt_RepeatStart"},
                                                      {&edt_RepeatEnd, "edt_RepeatEnd"},
                                                      {&edt_AnnualStart, "edt_AnnualStart"},
                                                      {&edt_AnnualEnd, "edt_AnnualEnd"}};
    for (const auto& [edit, name] : hidden) {
        *edit = Make<TEdit>(group, name);
        (*edit)->SetVisible(false);
    }
}

void TfrmSummerTime::BuildStateRows(TPanel* group) {
    CheckBox1 = Make<TCheckBox>(group, "CheckBox1");
    CheckBox1->SetBounds(10, 14, 20, 20);
    Label1 = Make<TLabel>(group, "Label1");
    Label1->SetCaption(QStringLiteral("Time Status"));
    Label1->SetBounds(34, 16, 170, 16);
    cbxTimeStatus = Make<TComboBox>(group, "cbxTimeStatus");
    cbxTimeStatus->SetBounds(210, 12, 110, 22);
    cbxTimeStatus->OnChange = [this](TObject*) { Handle([this] { cbxTimeStatusChange(); }); };
    CheckBox2 = Make<TCheckBox>(group, "CheckBox2");
    CheckBox2->SetBounds(10, 46, 20, 20);
    Label2 = Make<TLabel>(group, "Label2");
    Label2->SetCaption(QStringLiteral("Time Offset (30,60,90,120)"));
    Label2->SetBounds(34, 48, 170, 16);
    edtTimeOffset = Make<TEdit>(group, "edtTimeOffset");
    edtTimeOffset->SetBounds(210, 44, 60, 22);
}

TfrmSummerTime::RepeatRow TfrmSummerTime::MakeRepeatRow(TPanel* row, char end, const char* box,
                                                        const char* caption) {
    auto name = [end](const char* stem) { return std::string(stem) + end; };
    RepeatRow r{};
    r.include = Make<TCheckBox>(row, box);
    r.include->SetBounds(10, 4, 20, 20);
    r.label = Make<TLabel>(row, name("Label_Repeat").c_str());
    r.label->SetCaption(QString::fromLatin1(caption));
    r.label->SetBounds(34, 6, 170, 16);
    r.month = Make<TComboBox>(row, name("cbxRepeatMonth").c_str());
    r.month->SetBounds(210, 3, 64, 22);
    Fill(r.month, kMonths);
    r.week = Make<TComboBox>(row, name("cbxRepeatWeek").c_str());
    r.week->SetBounds(278, 3, 60, 22);
    Fill(r.week, kWeeks);
    r.weekday = Make<TComboBox>(row, name("cbxRepeatWeekday").c_str());
    r.weekday->SetBounds(342, 3, 60, 22);
    Fill(r.weekday, kWeekdays);
    r.hour = Make<TEdit>(row, name("edtRepeatH").c_str());
    r.hour->SetBounds(408, 3, 30, 22);
    r.colon = Make<TLabel>(row, name("Label_RepeatColon").c_str());
    r.colon->SetCaption(QStringLiteral(":"));
    r.colon->SetBounds(440, 6, 6, 16);
    r.minute = Make<TEdit>(row, name("edtRepeatM").c_str());
    r.minute->SetBounds(448, 3, 30, 22);
    return r;
}

TfrmSummerTime::AnnualRow TfrmSummerTime::MakeAnnualRow(TPanel* row, char end, const char* box,
                                                        const char* caption) {
    auto name = [end](const char* stem) { return std::string(stem) + end; };
    AnnualRow r{};
    r.include = Make<TCheckBox>(row, box);
    r.include->SetBounds(10, 4, 20, 20);
    r.label = Make<TLabel>(row, name("Label_Annual").c_str());
    r.label->SetCaption(QString::fromLatin1(caption));
    r.label->SetBounds(34, 6, 170, 16);
    r.day = Make<TEdit>(row, name("edtAnnualDay").c_str());
    r.day->SetBounds(210, 3, 36, 22);
    r.month = Make<TComboBox>(row, name("cbxAnnualMonth").c_str());
    r.month->SetBounds(250, 3, 64, 22);
    Fill(r.month, kMonths);
    r.hour = Make<TEdit>(row, name("edtAnnualH").c_str());
    r.hour->SetBounds(320, 3, 30, 22);
    r.colon = Make<TLabel>(row, name("Label_AnnualColon").c_str());
    r.colon->SetCaption(QStringLiteral(":"));
    r.colon->SetBounds(352, 6, 6, 16);
    r.minute = Make<TEdit>(row, name("edtAnnualM").c_str());
    r.minute->SetBounds(360, 3, 30, 22);
    return r;
}

void TfrmSummerTime::BuildButtons() {
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    const qs::ButtonPlace place{.top = 8, .height = 26, .step = 32};
    qs::FillButtons(*this, column,
                    {{&btnRefresh, "btnRefresh", "Refresh", [this] { btnRefreshClick(); }},
                     {&btnSet, "btnSet", "Set Checked", [this] { btnSetClick(); }},
                     {&btnCheckAll, "btnCheckAll", "Check All", [this] { btnCheckAllClick(); }},
                     {&btnClearChecks, "btnClearChecks", "Clear Checks", [this] { btnClearChecksClick(); }},
                     {&btnClose, "btnClose", "Close", [this] { Close(); }}},
                    place);
}

void TfrmSummerTime::FormCreate() {
    CreateRequests();
    Handle([this] {
        StateRequest->Request.List = QsSNMPVarList(StateVars(), SVT_SV, 0);
        StateRequest->BindComboBox(kStatus, cbxTimeStatus);
        StateRequest->BindEdits(kOffset, "%i{n30x120l3}", {edtTimeOffset});
        RepeatRequest->Request.List = QsSNMPVarList(RepeatVars, SVT_SV, 0);
        RepeatRequest->BindEdits(kStart, "%s", {edt_RepeatStart});
        RepeatRequest->BindEdits(kEnd, "%s", {edt_RepeatEnd});
        AnnualRequest->Request.List = QsSNMPVarList(AnnualVars, SVT_SV, 0);
        AnnualRequest->BindEdits(kStart, "%s", {edt_AnnualStart});
        AnnualRequest->BindEdits(kEnd, "%s", {edt_AnnualEnd});
        ReadSequence();
    });
}

void TfrmSummerTime::CreateRequests() {
    for (QsSNMPRequest2Edits** r : {&StateRequest, &RepeatRequest, &AnnualRequest}) {
        auto request = std::make_unique<QsSNMPRequest2Edits>(this);
        *r = request.get();
        request->Mode = RM_BLOCKING;
        StatusOut().AttachTo(*request);
        Shutdown.AddRequest(std::move(request));
    }
}

void TfrmSummerTime::ReadSequence() {
    if (!ReadShown(*StateRequest)) {
        return;
    }
    cbxTimeStatusChange();
    const QString status = cbxTimeStatus->Text();
    if (status == QStringLiteral("disable")) {
        return;
    }
    if (status == QStringLiteral("repeating")) {
        if (ReadShown(*RepeatRequest)) {
            DecodeRepeatingSummerTime();
        }
    } else if (status == QStringLiteral("annual")) {
        if (ReadShown(*AnnualRequest)) {
            DecodeAnnualSummerTime();
        }
    } else {
        ShowMessage(QStringLiteral("Get time status error!"));
    }
}

void TfrmSummerTime::btnRefreshClick() {
    if (RequestsEnded()) {
        return;
    }
    ReadSequence();
}

std::vector<TCheckBox*> TfrmSummerTime::RuleBoxes() const {
    return {RepeatS.include, RepeatE.include, AnnualS.include, AnnualE.include};
}

void TfrmSummerTime::cbxTimeStatusChange() {
    const QString status = cbxTimeStatus->Text();
    const bool repeating = status == QStringLiteral("repeating");
    const bool annual = status == QStringLiteral("annual");
    RepeatStartRow->SetVisible(repeating);
    RepeatEndRow->SetVisible(repeating);
    AnnualStartRow->SetVisible(annual);
    AnnualEndRow->SetVisible(annual);
    for (TCheckBox* box : RuleBoxes()) {
        box->SetChecked(false);
    }
}

// Only the rows shown can be ticked, so that a write never carries a rule the user cannot see.
void TfrmSummerTime::btnCheckAllClick() {
    CheckBox1->SetChecked(true);
    CheckBox2->SetChecked(true);
    for (TCheckBox* box : RuleBoxes()) {
        box->SetChecked(box->Parent()->Visible());
    }
}

void TfrmSummerTime::btnClearChecksClick() {
    for (TCheckBox* box : {CheckBox1, CheckBox2}) {
        box->SetChecked(false);
    }
    for (TCheckBox* box : RuleBoxes()) {
        box->SetChecked(false);
    }
}

void TfrmSummerTime::DecodeRepeatingSummerTime() {
    const auto start = ::DecodeRepeatingSummerTime(edt_RepeatStart->Text().toStdString());
    const auto end = ::DecodeRepeatingSummerTime(edt_RepeatEnd->Text().toStdString());
    if (!start || !end) {
        return;
    }
    for (const auto& [row, rule] : {std::pair{&RepeatS, *start}, std::pair{&RepeatE, *end}}) {
        row->week->SetItemIndex(rule.week);
        row->weekday->SetItemIndex(rule.weekday);
        row->month->SetItemIndex(rule.month);
        row->hour->SetText(QString::number(rule.hour));
        row->minute->SetText(QString::number(rule.minute));
    }
}

void TfrmSummerTime::DecodeAnnualSummerTime() {
    const auto start = ::DecodeAnnualSummerTime(edt_AnnualStart->Text().toStdString());
    const auto end = ::DecodeAnnualSummerTime(edt_AnnualEnd->Text().toStdString());
    if (!start || !end) {
        return;
    }
    for (const auto& [row, rule] : {std::pair{&AnnualS, *start}, std::pair{&AnnualE, *end}}) {
        row->day->SetText(QString::number(rule.day));
        row->month->SetItemIndex(rule.month);
        row->hour->SetText(QString::number(rule.hour));
        row->minute->SetText(QString::number(rule.minute));
    }
}

bool TfrmSummerTime::EncodeRepeatingSummerTime() {
    bool valid = true;
    for (const auto& [row, hidden] :
         {std::pair{&RepeatS, edt_RepeatStart}, std::pair{&RepeatE, edt_RepeatEnd}}) {
        const RepeatingSummerTime rule{row->week->ItemIndex(), row->weekday->ItemIndex(),
                                       row->month->ItemIndex(), EditNumber(row->hour),
                                       EditNumber(row->minute)};
        const auto text = ::EncodeRepeatingSummerTime(rule);
        if (text) {
            hidden->SetText(QString::fromStdString(*text));
        }
        valid = valid && text.has_value();
    }
    return valid;
}

bool TfrmSummerTime::EncodeAnnualSummerTime() {
    bool valid = true;
    AnnualSummerTime rules[2];
    int i = 0;
    for (const auto& [row, hidden] :
         {std::pair{&AnnualS, edt_AnnualStart}, std::pair{&AnnualE, edt_AnnualEnd}}) {
        rules[i] = AnnualSummerTime{EditNumber(row->day), row->month->ItemIndex(), EditNumber(row->hour),
                                    EditNumber(row->minute)};
        const auto text = ::EncodeAnnualSummerTime(rules[i++]);
        if (text) {
            hidden->SetText(QString::fromStdString(*text));
        }
        valid = valid && text.has_value();
    }
    return valid && CheckAnnualDays(rules[0], rules[1]);
}

void TfrmSummerTime::btnSetClick() {
    if (RequestsEnded()) {
        return;
    }
    if (CheckBox1->Checked() || CheckBox2->Checked()) {
        qs::AccessMarks marks(StateRequest->Request.List);
        if (!CheckBox1->Checked()) {
            marks.Exclude({kStatus});
        }
        if (!CheckBox2->Checked()) {
            marks.Exclude({kOffset});
        }
        bool isNumber = false;
        const int offset = edtTimeOffset->Text().toInt(&isNumber);
        if (CheckBox2->Checked() &&
            (!isNumber || (offset != 30 && offset != 60 && offset != 90 && offset != 120))) {
            ShowMessage(QStringLiteral("Time Offset error!"));
            return;
        }
        StateRequest->Apply(true, true, std::string(), nullptr);
    }
    // The rule written is the one whose rows are shown.
    if (RepeatStartRow->Visible() && (RepeatS.include->Checked() || RepeatE.include->Checked())) {
        WriteRepeating();
    } else if (AnnualStartRow->Visible() && (AnnualS.include->Checked() || AnnualE.include->Checked())) {
        WriteAnnual();
    }
}

void TfrmSummerTime::WriteRepeating() {
    if (!RepeatS.include->Checked() || !RepeatE.include->Checked()) {
        ShowMessage(QStringLiteral(
            "The Repeat Summer Time Start and Repeat Summer Time End should be set together!"));
        return;
    }
    if (!EncodeRepeatingSummerTime()) {
        ShowMessage(kTimeError);
        return;
    }
    RepeatRequest->Apply(true, true, std::string(), nullptr);
}

void TfrmSummerTime::WriteAnnual() {
    if (!AnnualS.include->Checked() || !AnnualE.include->Checked()) {
        ShowMessage(QStringLiteral(
            "The Annual Summer Time Start and Annual Summer Time End should be set together!"));
        return;
    }
    if (!EncodeAnnualSummerTime()) {
        ShowMessage(kTimeError);
        return;
    }
    AnnualRequest->Apply(true, true, std::string(), nullptr);
}
