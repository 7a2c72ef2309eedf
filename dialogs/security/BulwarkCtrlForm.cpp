#include "BulwarkCtrlForm.h"

#include "AccessMarks.h"
#include "BulwarkRules.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

TBulwarkCtrlForm* BulwarkCtrlForm = nullptr;

namespace {

const QsOption ModeOptions[] = {{1, "strict"}, {2, "fuzzy"}, {}};
const QsOption CurrentStateOptions[] = {{1, "normal"}, {2, "exhausted"}, {}};

const QsSNMPVarDesc* BulwarkVars() {
    static const QsOptionList mode(ModeOptions, OVT_INT);
    static const QsOptionList alarm(DisabledEnabledOptions, OVT_INT);
    static const QsOptionList current(CurrentStateOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.19.2.1", "Rising Threshold", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.19.2.2", "Falling Threshold", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.19.2.3", "Mode", SYN_INTEGER, ACC_READWRITE, &mode},
        {"1.3.6.1.4.1.58613.12.19.2.4", "Alarm Admin State", SYN_INTEGER, ACC_READWRITE, &alarm},
        {"1.3.6.1.4.1.58613.12.19.2.5", "Current Status", SYN_INTEGER, ACC_READONLY, &current},
        {"1.3.6.1.4.1.58613.12.19.2.6", "Interval", SYN_INTEGER, ACC_READONLY},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc FallingVars[] = {
    {"1.3.6.1.4.1.58613.12.19.2.2", "Falling Threshold", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

constexpr int kWritable[] = {0, 1, 2, 3};
const char* const kThresholdFormat = "%i{n20x100l3}";

std::string Text(const TEdit* edit) {
    return edit->Text().toStdString();
}

} // namespace

TBulwarkCtrlForm::TBulwarkCtrlForm(TComponent* owner)
    : FeatureDialog(owner, "BulwarkCtrlForm", QStringLiteral("Bulwark Control"), QSize(470, 250), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TBulwarkCtrlForm::~TBulwarkCtrlForm() {
    Shutdown.Run();
}

void TBulwarkCtrlForm::BuildControls() {
    MakeStatusBar(true)->SetName(QStringLiteral("stbStatus"));
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(130);
    auto* fields = Make<TPanel>(nullptr, "Panel1");
    fields->SetAlign(alClient);
    struct Row {
        TLabel** label;
        const char* labelName;
        const char* caption;
        TCheckBox** box;
        const char* boxName;
    };
    const Row rows[] = {
        {&lbRising, "lbRising", "Rising Threshold", &ckRising, "ckRising"},
        {&lbFallingCaption, "lbFallingCaption", "Falling Threshold", &ckFalling, "ckFalling"},
        {&lbMode, "lbMode", "Mode", &ckMode, "ckMode"},
        {&lbAlarm, "lbAlarm", "Alarm State", &ckAlarm, "ckAlarm"},
        {&lbCurrentState, "lbCurrentState", "Current State", nullptr, nullptr},
    };
    int top = 14;
    for (const Row& r : rows) {
        *r.label = Make<TLabel>(fields, r.labelName);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(36, top + 4, 130, 16);
        if (r.box) {
            *r.box = Make<TCheckBox>(fields, r.boxName);
            (*r.box)->SetBounds(12, top + 3, 20, 20);
            (*r.box)->OnClick = [this](TObject*) { Handle([this] { ChangeSetState(); }); };
        }
        top += 34;
    }
    edtRising = Make<TEdit>(fields, "edtRising");
    edtRising->SetBounds(176, 14, 140, 24);
    edtFalling = Make<TEdit>(fields, "edtFalling");
    edtFalling->SetBounds(176, 48, 140, 24);
    cbxMode = Make<TComboBox>(fields, "cbxMode");
    cbxMode->SetBounds(176, 82, 140, 24);
    cbxAlarm = Make<TComboBox>(fields, "cbxAlarm");
    cbxAlarm->SetBounds(176, 116, 140, 24);
    cbxCurrentState = Make<TComboBox>(fields, "cbxCurrentState");
    cbxCurrentState->SetBounds(176, 150, 140, 24);
    cbxCurrentState->SetEnabled(false);
    lbFalling = Make<TLabel>(fields, "lbFalling");
    lbFalling->SetCaption(QString());
    lbFalling->SetVisible(false);
    const qs::ButtonPlace place{.left = 16, .width = 100};
    qs::FillButtons(*this, column,
                    {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                     {&btnSet, "btnSet", "Set", [this] { btnSetClick(); }},
                     {&btnCheckAll, "btnCheckAll", "Check All", [this] { btnCheckAllClick(); }},
                     {&btnClearCheck, "btnClearCheck", "Clear Checks", [this] { btnClearCheckClick(); }},
                     {&btnClose, "btnClose", "Close", [this] { Close(); }}},
                    place);
}

void TBulwarkCtrlForm::FormCreate() {
    btnSet->SetEnabled(false);
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    auto falling = std::make_unique<QsSNMPRequest2Edits>(this);
    BulwarkRequest = request.get();
    FallingRequest = falling.get();
    Shutdown.AddRequest(std::move(request));
    Shutdown.AddRequest(std::move(falling));
    if (Handle([this] { BindRequests(); })) {
        btnGetClick();
    }
}

void TBulwarkCtrlForm::BindRequests() {
    BulwarkRequest->Request.List = QsSNMPVarList(BulwarkVars(), SVT_SV, 0);
    BulwarkRequest->BindEdits(0, kThresholdFormat, {edtRising});
    BulwarkRequest->BindEdits(1, kThresholdFormat, {edtFalling});
    BulwarkRequest->BindComboBox(2, cbxMode);
    BulwarkRequest->BindComboBox(3, cbxAlarm);
    BulwarkRequest->BindComboBox(4, cbxCurrentState);
    StatusOut().AttachTo(*BulwarkRequest);
    BulwarkRequest->Mode = RM_BLOCKING;
    FallingRequest->Request.List = QsSNMPVarList(FallingVars, SVT_SV, 0);
    FallingRequest->BindLabel(0, lbFalling);
    StatusOut().AttachTo(*FallingRequest);
    FallingRequest->Mode = RM_BLOCKING;
}

void TBulwarkCtrlForm::btnGetClick() {
    if (RequestsEnded() || BulwarkRequest->Busy) {
        return;
    }
    Handle([this] {
        // Only a value the device gave counts as the last read falling threshold.
        if (qs::RefreshShown(*BulwarkRequest)) {
            lbFalling->SetCaption(edtFalling->Text());
        }
    });
}

void TBulwarkCtrlForm::ChangeSetState() {
    btnSet->SetEnabled(ckRising->Checked() || ckFalling->Checked() || ckAlarm->Checked() ||
                       ckMode->Checked());
}

void TBulwarkCtrlForm::btnCheckAllClick() {
    for (TCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm}) {
        box->SetChecked(true);
    }
}

void TBulwarkCtrlForm::btnClearCheckClick() {
    for (TCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm}) {
        box->SetChecked(false);
    }
}

bool TBulwarkCtrlForm::RangesValid() {
    if (ckRising->Checked() && !qs::BulwarkThresholdInRange(Text(edtRising))) {
        ShowMessage(QStringLiteral("Rising Threshold should between 20-100"));
        return false;
    }
    if (ckFalling->Checked() && !qs::BulwarkThresholdInRange(Text(edtFalling))) {
        ShowMessage(QStringLiteral("Falling Threshold should between 20-100"));
        return false;
    }
    return true;
}

void TBulwarkCtrlForm::btnSetClick() {
    if (RequestsEnded() || BulwarkRequest->Busy || !RangesValid()) {
        return;
    }
    const qs::BulwarkTicks ticks{ckRising->Checked(), ckFalling->Checked(), ckMode->Checked(),
                                 ckAlarm->Checked()};
    std::optional<int> lastRead = qs::BulwarkThresholdValue(lbFalling->Caption().toStdString());
    if (ticks.rising && ticks.falling && !lastRead) {
        // No read has succeeded yet: ask the device now; if that fails too, rising goes first.
        Handle([this] { qs::RefreshShown(*FallingRequest); });
        lastRead = qs::BulwarkThresholdValue(lbFalling->Caption().toStdString());
    }
    fallingFirst_ = qs::BulwarkFallingFirst(ticks, qs::BulwarkThresholdValue(Text(edtFalling)), lastRead);
    Handle([this] { SetThresholdsInOrder(); });
    btnGetClick();
    fallingFirst_ = false;
}

// A refused SET has shown its box and the next one is still sent; an exception ends the
// sequence. The access words are put back in every case.
void TBulwarkCtrlForm::SetThresholdsInOrder() {
    const qs::BulwarkTicks ticks{ckRising->Checked(), ckFalling->Checked(), ckMode->Checked(),
                                 ckAlarm->Checked()};
    qs::AccessMarks marks(BulwarkRequest->Request.List);
    marks.Exclude(kWritable);
    for (const qs::BulwarkField field : qs::BulwarkSetOrder(ticks, fallingFirst_)) {
        const int column[] = {static_cast<int>(field)};
        marks.KeepOnly(kWritable, column);
        BulwarkRequest->Apply(false, true, std::string(), nullptr);
    }
}
