#include "LldpDot1TxForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "WriteWait.h"

namespace qs {

namespace {

constexpr int kPort = 0;
constexpr int kIndex = 1;
constexpr int kTx = 2;

WalkGateConfig Dot1TxGate() {
    WalkGateConfig c;
    c.writeMessage = QStringLiteral("Get data not complete");
    c.writesCheckBusy = true;
    c.refresh = WalkGateConfig::Refresh::Message;
    c.refreshMessage = QStringLiteral("Get data not complete.");
    c.stopRaises = true;
    return c;
}

} // namespace

LldpDot1TxForm::LldpDot1TxForm(TComponent* owner, const LldpDot1TxSetup& setup)
    : FeatureDialog(owner, setup.formName, QString::fromLatin1(setup.caption), QSize(540, 400)),
      Gate(Dot1TxGate(), nullptr), setup_(setup) {
    MakeStatusBar(true);
    auto* editors = Make<TPanel>(nullptr, "Panel1");
    editors->SetAlign(alBottom);
    editors->SetHeight(44);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors(editors);
    BuildButtonColumn(column);
    FollowRowCount(ListView1, StaticText1);
    OnCreate = [this](TObject*) { FormCreate(); };
}

LldpDot1TxForm::~LldpDot1TxForm() {
    Shutdown.Run();
}

void LldpDot1TxForm::BuildEditors(TPanel* editors) {
    auto label = [&](const char* name, const char* caption, int left, int width) {
        auto* l = Make<TLabel>(editors, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, 14, width, 16);
        return l;
    };
    auto text = [&](const char* name, int left) {
        auto* t = Make<TStaticText>(editors, name);
        t->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        t->SetCaption(QStringLiteral(" "));
        t->SetBounds(left, 10, 50, 22);
        return t;
    };
    Label1 = label("Label1", "Port Number", 8, 80);
    PortNumberText = text("PortNumberText", 90);
    Label2 = label("Label2", setup_.indexLabel, 156, 56);
    IndexText = text("IndexText", 214);
    Label3 = label("Label3", setup_.txLabel, 280, 110);
    TXComboBox = Make<TComboBox>(editors, "TXComboBox");
    TXComboBox->SetBounds(392, 10, 76, 22);
}

void LldpDot1TxForm::BuildButtonColumn(TPanel* column) {
    SamplesLabel = Make<TLabel>(column, "SamplesLabel");
    SamplesLabel->SetCaption(QStringLiteral("Samples"));
    SamplesLabel->SetBounds(12, 8, 86, 16);
    StaticText1 = Make<TStaticText>(column, "StaticText1");
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->SetBounds(12, 26, 86, 22);
    int top = 62;
    auto place = [&](TButton* b) {
        b->SetBounds(12, top, 86, 28);
        top += 36;
        return b;
    };
    RefreshButton = place(MakeButton(column, "RefreshButton", "Refresh", [this] { RefreshButtonClick(); }));
    SetButton = place(MakeButton(column, "SetButton", "Set", [this] { SetButtonClick(); }));
    StopButton = place(MakeButton(column, "StopButton", "Stop", [this] { StopButtonClick(); }));
    CloseButton = place(MakeButton(column, "CloseButton", "Close", [this] { Close(); }));
}

void LldpDot1TxForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    TxRequest = request.get();
    Gate.Attach(TxRequest);
    Shutdown.SetListView(ListView1);
    Shutdown.AddRequest(std::move(request));
    const bool started = Handle([this] {
        TxRequest->Request.List = QsSNMPVarList(setup_.table, MVT_UMV, 2);
        TxRequest->BindListView(ListView1, true);
        TxRequest->AfterGetHook = [this] { FitColumns(ListView1); };
        TxRequest->BindStaticText(kPort, PortNumberText);
        TxRequest->BindStaticText(kIndex, IndexText);
        TxRequest->BindComboBox(kTx, TXComboBox);
        StatusOut().AttachTo(*TxRequest);
        TxRequest->OnGetDone = Gate.Hook();
        TxRequest->OnSetDone = RaisingSetHook(Gate); // a refused write is shown
        TxRequest->Refresh();
    });
    if (!started) {
        Gate.Raise();
    }
    SetButton->SetEnabled(false);
    GreyKeyLabels();
    ShowRowCount();
}

// The key labels stay greyed for the dialog's lifetime.
void LldpDot1TxForm::GreyKeyLabels() {
    Label1->SetEnabled(false);
    Label2->SetEnabled(false);
}

void LldpDot1TxForm::ShowRowCount() {
    qs::ShowRowCount(ListView1, StaticText1);
}

bool LldpDot1TxForm::Closing() const {
    return RequestsEnded() || ModalResult() != mrNone;
}

void LldpDot1TxForm::ClearDot1Editors() {
    IndexText->SetCaption(QStringLiteral(" "));
    PortNumberText->SetCaption(QStringLiteral(" "));
    TXComboBox->SetText(QString());
    SetButton->SetEnabled(false);
    ShowRowCount();
}

void LldpDot1TxForm::RefreshButtonClick() {
    if (RequestsEnded() || !Gate.AllowRefresh()) {
        return;
    }
    if (setup_.vlanKeyed) {
        TxRequest->Request.Active = false;
        StopButtonClick();
    }
    if (!EndRunningOperation(*TxRequest, [this] { return RequestsEnded(); })) {
        return;
    }
    ClearDot1Editors();
    GreyKeyLabels();
    Gate.Begin();
    TxRequest->Request.Active = true;
    if (!Handle([this] { TxRequest->Refresh(); })) {
        SetButton->SetEnabled(false); // the flag stays down until Stop
        if (!setup_.vlanKeyed) {
            IndexText->SetCaption(QStringLiteral(" "));
            PortNumberText->SetCaption(QStringLiteral(" "));
        }
    }
    ShowRowCount();
}

void LldpDot1TxForm::StopButtonClick() {
    Gate.Stop();
}

// Writes the selected row's choice, waits for the reply (Stop ends the wait; closing the dialog
// ends it without a further read) and reads the table again.
void LldpDot1TxForm::SetButtonClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr || !Gate.AllowWrite()) {
        return;
    }
    if (!Handle([this] {
            WriteThenWalk(
                *TxRequest, Gate, [this] { ClearDot1Editors(); }, [this] { return Closing(); });
        })) {
        Gate.Raise();
    }
}

void LldpDot1TxForm::ListView1Click() {
    SetButton->SetEnabled(ListView1->Selected() != nullptr);
    GreyKeyLabels();
}

} // namespace qs
