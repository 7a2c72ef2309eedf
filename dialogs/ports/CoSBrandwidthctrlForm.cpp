#include "CoSBrandwidthctrlForm.h"

#include "Button.h"
#include "CheckBox.h"
#include "Colors.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "ReadShown.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm = nullptr;

namespace {

const QsSNMPVarDesc CoSBandwidthVars[] = {
    {"1.3.6.1.4.1.58613.12.61.3.9.1.1", "CoS Bandwidth Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.61.3.9.1.2", "CoS Bandwidth CoS ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.61.3.9.1.4", "CoS Bandwidth Maximum Rate", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

constexpr int kRate = 2;
constexpr int kLowestRate = 64;
constexpr int kHighestRate = 1024000;
const QString kNoLimit = QStringLiteral("No Limit");

qs::WalkGateConfig GateConfig() {
    qs::WalkGateConfig config;
    config.writeMessage = QStringLiteral("Get data not complete");
    config.writesCheckBusy = true;
    config.refresh = qs::WalkGateConfig::Refresh::Message;
    config.refreshMessage = QStringLiteral("Get data not complete!");
    config.stopRaises = true;
    return config;
}

// Switches a request to blocking mode for one operation and back to asynchronous afterwards,
// also when the operation raises.
class BlockingScope {
public:
    explicit BlockingScope(QsSNMPRequest2Controls& request) : request_(request) {
        request_.Mode = RM_BLOCKING;
    }
    ~BlockingScope() { request_.Mode = RM_ASYNC; }
    BlockingScope(const BlockingScope&) = delete;
    BlockingScope& operator=(const BlockingScope&) = delete;

private:
    QsSNMPRequest2Controls& request_;
};

} // namespace

void CoSBrandWidthNewRequest2Edits::OnRow() {
    if (ListView == nullptr) {
        return;
    }
    std::string& rate = Request.List.GetVar(kRate)->Value;
    if (rate == "0") {
        rate = kNoLimit.toStdString();
    }
    QsSNMPRequest2Edits::OnRow();
}

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(TComponent* owner)
    : FeatureDialog(owner, "CoSBrandwidthctrlForm", QStringLiteral("CoS Bandwidth Control Table"),
                    QSize(620, 420)),
      WalkComplete(GateConfig(), nullptr) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TCoSBrandwidthctrlForm::~TCoSBrandwidthctrlForm() {
    Shutdown.Run();
}

void TCoSBrandwidthctrlForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* strip = Make<TPanel>(nullptr, "Panel1");
    strip->SetAlign(alBottom);
    strip->SetHeight(76);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors(strip);
    qs::FillButtonColumn(*this, column, {"Label5", &Label5, "StaticText1", &StaticText1},
                         {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                          {&EditButton, "EditButton", "Set", [this] { EditButtonClick(); }},
                          {&StopButton, "StopButton", "Stop", [this] { StopButtonClick(); }},
                          {&CloseButton, "CloseButton", "Close", [this] { CloseButtonClick(); }}});
    qs::FollowRowCount(ListView1, StaticText1);
}

void TCoSBrandwidthctrlForm::BuildEditors(TWinControl* strip) {
    auto label = [&](TLabel*& l, const char* name, const char* caption, int left, int top, int width) {
        l = Make<TLabel>(strip, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, top, width, 16);
    };
    auto text = [&](TStaticText*& t, const char* name, int left, int top) {
        t = Make<TStaticText>(strip, name);
        t->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        t->SetBounds(left, top, 70, 22);
    };
    label(Label1, "Label1", "Port Number", 12, 12, 90);
    text(PortText, "PortText", 106, 9);
    label(Label2, "Label2", "Class ID", 200, 12, 60);
    text(ClassIDText, "ClassIDText", 266, 9);
    text(TXText, "TXText", 360, 9);
    TXText->SetVisible(false);
    text(RXText, "RXText", 440, 9);
    RXText->SetVisible(false);
    label(Label3, "Label3", "Maximum Rate", 12, 46, 90);
    rateEdit = Make<TEdit>(strip, "rateEdit");
    rateEdit->SetBounds(106, 42, 110, 24);
    label(Label4, "Label4", "Kbit/sec", 222, 46, 60);
    NOLIMITRBT = Make<TCheckBox>(strip, "NOLIMITRBT");
    NOLIMITRBT->SetCaption(QStringLiteral("No Limit"));
    NOLIMITRBT->SetBounds(300, 44, 100, 20);
    NOLIMITRBT->OnClick = [this](TObject*) { Handle([this] { CheckBox1Click(); }); };
}

void TCoSBrandwidthctrlForm::FormCreate() {
    auto request = std::make_unique<CoSBrandWidthNewRequest2Edits>(this);
    RateRequest = request.get();
    Shutdown.SetListView(ListView1);
    Shutdown.AddRequest(std::move(request));
    WalkComplete.Attach(RateRequest);
    try {
        BindRequest();
        StatusOut().AttachTo(*RateRequest);
        StartWalk();
    } catch (const std::exception& e) {
        WalkComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    qs::ShowRowCount(ListView1, StaticText1);
}

void TCoSBrandwidthctrlForm::BindRequest() {
    RateRequest->Request.List = QsSNMPVarList(CoSBandwidthVars, MVT_UMV, 2);
    RateRequest->BindListView(ListView1, true);
    RateRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
    RateRequest->BindStaticText(0, PortText);
    RateRequest->BindStaticText(1, ClassIDText);
    RateRequest->BindStaticText(kRate, TXText);
    EditButton->SetEnabled(false);
    Label1->SetEnabled(false);
    RateRequest->OnGetDone = WalkComplete.Hook();
}

void TCoSBrandwidthctrlForm::StartWalk() {
    WalkComplete.Begin();
    RateRequest->Request.Active = true;
    RateRequest->Refresh();
}

void TCoSBrandwidthctrlForm::GetButtonClick() {
    if (RequestsEnded() || !WalkComplete.AllowRefresh()) {
        return;
    }
    try {
        // A walk that Stop ended may still wait for its last reply: it goes before a new one starts.
        StopButtonClick();
        qs::EndRunningRead(*RateRequest);
        EditButton->SetEnabled(false);
        PortText->SetCaption(QStringLiteral(" "));
        StartWalk();
    } catch (const std::exception& e) {
        WalkComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    qs::ShowRowCount(ListView1, StaticText1);
}

void TCoSBrandwidthctrlForm::StopButtonClick() {
    if (RateRequest) {
        WalkComplete.Stop();
    }
}

void TCoSBrandwidthctrlForm::CloseButtonClick() {
    StopButtonClick();
    Close();
}

void TCoSBrandwidthctrlForm::CheckBox1Click() {
    const bool noLimit = NOLIMITRBT->Checked();
    rateEdit->SetEnabled(!noLimit);
    rateEdit->SetColor(noLimit ? clBtnFace : clWindow);
    rateEdit->SetText(noLimit ? QStringLiteral("0") : QString());
}

void TCoSBrandwidthctrlForm::ListView1Click() {
    const TListItem* row = ListView1->Selected();
    if (row == nullptr) {
        EditButton->SetEnabled(false);
        return;
    }
    EditButton->SetEnabled(true);
    if (TXText->Caption() == kNoLimit) {
        NOLIMITRBT->SetChecked(true);
        rateEdit->SetEnabled(false);
    } else {
        NOLIMITRBT->SetChecked(false);
        rateEdit->SetText(row->SubItem(1));
    }
}

// A rate that is no whole number is refused as one out of range, in a box with the focus on it.
bool TCoSBrandwidthctrlForm::CheckRateInput() {
    bool number = false;
    const int rate = rateEdit->Text().trimmed().toInt(&number);
    if (!NOLIMITRBT->Checked() && (!number || rate > kHighestRate || rate < kLowestRate)) {
        ShowMessage(QStringLiteral("Please input a number between 64 and 1024000!"));
        if (rateEdit->isEnabled()) {
            rateEdit->SetFocus();
        }
        return false;
    }
    TXText->SetCaption(NOLIMITRBT->Checked() ? QStringLiteral("0") : QString::number(rate));
    return true;
}

void TCoSBrandwidthctrlForm::EditButtonClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr) {
        return;
    }
    Label1->SetEnabled(false);
    if (!WalkComplete.AllowWrite()) {
        return;
    }
    if (rateEdit->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input a rate number!"));
        return;
    }
    try {
        if (!CheckRateInput()) {
            return;
        }
        {
            RateRequest->Request.Active = true;
            BlockingScope blocking(*RateRequest);
            RateRequest->Apply(false, true, std::string(), nullptr);
        }
        StartWalk();
    } catch (const std::exception& e) {
        WalkComplete.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}
