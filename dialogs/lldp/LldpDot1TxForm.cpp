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

} // namespace

LldpDot1TxForm::LldpDot1TxForm(TComponent* owner, const LldpDot1TxSetup& setup)
    : LldpRowWriteForm(
          owner, setup.formName, QString::fromLatin1(setup.caption), QSize(540, 400),
          {44, "RefreshButton", "SetButton", "Set", "StopButton", QStringLiteral("Get data not complete.")}),
      setup_(setup) {
    BuildFrame([this] { RefreshButtonClick(); }, [this] { SetButtonClick(); });
    ListView1 = List;
    StaticText1 = Count;
    RefreshButton = RefreshBtn;
    SetButton = WriteBtn;
    StopButton = StopBtn;
    CloseButton = CloseBtn;
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors();
    OnCreate = [this](TObject*) { FormCreate(); };
}

LldpDot1TxForm::~LldpDot1TxForm() {
    Shutdown.Run();
}

void LldpDot1TxForm::BuildEditors() {
    auto label = [this](const char* name, const char* caption, int left, int width) {
        auto* l = Make<TLabel>(Editors, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, 14, width, 16);
        return l;
    };
    auto text = [this](const char* name, int left) {
        auto* t = Make<TStaticText>(Editors, name);
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
    TXComboBox = Make<TComboBox>(Editors, "TXComboBox");
    TXComboBox->SetBounds(392, 10, 76, 22);
}

void LldpDot1TxForm::FormCreate() {
    TxRequest = MakeTableRequest(ListView1);
    SetRowRequest(TxRequest);
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
    const bool started = RestartWalk(setup_.vlanKeyed, [this] {
        ClearDot1Editors();
        GreyKeyLabels();
    });
    if (!started && !setup_.vlanKeyed) {
        IndexText->SetCaption(QStringLiteral(" "));
        PortNumberText->SetCaption(QStringLiteral(" "));
    }
}

void LldpDot1TxForm::SetButtonClick() {
    WriteSelectedRow([this] { ClearDot1Editors(); });
}

void LldpDot1TxForm::ListView1Click() {
    SetButton->SetEnabled(ListView1->Selected() != nullptr);
    GreyKeyLabels();
}

} // namespace qs
