#include "CurrentTimeForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TCurrentTimeForm* CurrentTimeForm = nullptr;

namespace qs {

std::optional<QString> TimeCapacityNames(const QString& hex) {
    if (hex.isEmpty()) {
        return std::nullopt;
    }
    // Reading stops at the first character that is not a hex digit; eight digits fill the number.
    unsigned value = 0;
    for (int i = 0; i < hex.size() && i < 8; ++i) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(hex[i].toUpper());
        if (digit < 0) {
            break;
        }
        value = (value << 4) | static_cast<unsigned>(digit);
    }
    static const std::pair<unsigned, const char*> kBits[] = {
        {0x80, "systemTime"}, {0x40, "SNTP"}, {0x20, "SummerTime"}, {0x10, "realTimeClock"}};
    QStringList names;
    for (const auto& [bit, name] : kBits) {
        if ((value & bit) != 0) {
            names << QString::fromLatin1(name);
        }
    }
    return QStringLiteral(" ") + names.join(QLatin1Char(','));
}

} // namespace qs

namespace {

const QsSNMPVarDesc* ClockVars() {
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.10.1", "Time Capacity", SYN_BITSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", SYN_DATETIME,
         ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.10.3", "Clock Reset On Reboot", SYN_INTEGER, ACC_READONLY, &trueFalse},
        {nullptr},
    };
    return table;
}

enum { kCapacity, kClock, kReset };

} // namespace

TCurrentTimeForm::TCurrentTimeForm(TComponent* owner)
    : FeatureDialog(owner, "CurrentTimeForm", QStringLiteral("Current Time"), QSize(470, 200)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TCurrentTimeForm::~TCurrentTimeForm() {
    Shutdown.Run();
}

void TCurrentTimeForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alClient);
    tempText = Make<TStaticText>(group, "tempText");
    tempText->SetVisible(false);
    auto label = [&](const char* name, const char* caption, int left, int top, int width) {
        auto* l = Make<TLabel>(group, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, top, width, 16);
        return l;
    };
    Label1 = label("Label1", "Time Capacity", 10, 12, 250);
    timecapacityEdit = Make<TEdit>(group, "timecapacityEdit");
    timecapacityEdit->SetBounds(10, 30, 330, 22);
    timecapacityEdit->SetEnabled(false);
    timecapacityEdit->SetColor(clBtnFace);
    Label2 = label("Label2", "Current Clock (e.g.:  2007-5-26,15:30:15.0)", 10, 64, 330);
    currentclockEdit = Make<TEdit>(group, "currentclockEdit");
    currentclockEdit->SetBounds(10, 82, 200, 22);
    Label3 = label("Label3", "Clock Reset On Reboot", 10, 116, 250);
    cbxReset = Make<TComboBox>(group, "cbxReset");
    cbxReset->SetBounds(10, 134, 120, 22);
    cbxReset->SetEnabled(false);
    qs::FillButtons(*this, column,
                    {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                     {&SetButton, "SetButton", "Set", [this] { SetButtonClick(); }},
                     {&CloseButton, "CloseButton", "Close", [this] { Close(); }}});
}

void TCurrentTimeForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    ClockRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        ClockRequest->Request.List = QsSNMPVarList(ClockVars(), SVT_SV, 0);
        ClockRequest->BindStaticText(kCapacity, tempText);
        ClockRequest->BindEdits(kClock, "%s{l22}", {currentclockEdit});
        ClockRequest->BindComboBox(kReset, cbxReset);
        StatusOut().AttachTo(*ClockRequest);
        ClockRequest->OnGetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
            qs::ReportReadFailure(sender, error);
            DescribeTimeCapacity();
        };
        ClockRequest->Refresh();
    });
}

void TCurrentTimeForm::GetButtonClick() {
    if (RequestsEnded() || ClockRequest->Busy) {
        return;
    }
    ClockRequest->Refresh();
}

void TCurrentTimeForm::DescribeTimeCapacity() {
    if (const auto names = qs::TimeCapacityNames(tempText->Caption())) {
        timecapacityEdit->SetText(*names);
    }
}

void TCurrentTimeForm::SetButtonClick() {
    if (RequestsEnded()) {
        return;
    }
    if (currentclockEdit->Text().isEmpty()) {
        ShowMessage(QStringLiteral("The Current Edit should not be empty!"));
        currentclockEdit->SetFocus();
        return;
    }
    ClockRequest->Apply(false, true, std::string(), nullptr);
}
