#include "Progress.h"

TProgressForm* ProgressForm = nullptr;

TProgressForm::TProgressForm(TComponent* owner, TWinControl* parent) : TForm(owner) {
    SetName(QStringLiteral("ProgressForm"));
    if (parent) {
        setParent(parent->Widget(), Qt::Dialog);
    }
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetCaption(QStringLiteral("Progress"));
    SetClientWidth(358);
    SetClientHeight(66);
    LB_Prompt = new TLabel(this);
    LB_Prompt->SetName(QStringLiteral("LB_Prompt"));
    LB_Prompt->SetBold(true);
    LB_Prompt->SetCaption(QStringLiteral("LB_Prompt"));
    LB_Prompt->SetLeft(16);
    LB_Prompt->SetTop(7);
    ProgressBar = new TProgressBar(this);
    ProgressBar->SetName(QStringLiteral("ProgressBar"));
    ProgressBar->SetBounds(16, 32, 329, 16);
    ProgressBar->SetMin(0);
    ProgressBar->SetMax(76);
    ProgressBar->SetPosition(0);
    ProgressTimer = new TTimer(this);
    ProgressTimer->SetName(QStringLiteral("ProgressTimer"));
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = [this](TObject* s) { ProgressTimerTimer(s); };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    CenterOnMainForm();
}

void TProgressForm::FormCreate(TObject*) {
    ProgressTimer->SetEnabled(true);
}

int TProgressForm::ReachableClosePosition() const {
    return qBound(ProgressBar->Min(), ClosePositionOfBox(), ProgressBar->Max() - 1);
}

void TProgressForm::ProgressTimerTimer(TObject*) {
    if (ProgressBar->Position() >= ReachableClosePosition()) {
        Close();
        return;
    }
    ProgressBar->SetPosition(ProgressBar->Position() + 1);
    if (ProgressBar->Position() >= ProgressBar->Max()) {
        ProgressBar->SetPosition(ProgressBar->Min());
    }
}

void TProgressForm::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = ProgressBar->Position() >= ReachableClosePosition();
}

void TProgressForm::FormClose(TObject*, TCloseAction&) {
    ProgressTimer->SetEnabled(false);
    setParent(nullptr, windowFlags());
}
