#include "GUIWaitingFormUnit.h"

#include "PageLayout.h"

#include <QCloseEvent>
#include <QKeyEvent>

TGUIWaitingForm* GUIWaitingForm = nullptr;

TGUIWaitingForm::TGUIWaitingForm(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("GUIWaitingForm"));
    SetCaption(QStringLiteral("Please Wait..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetClientWidth(396);
    SetClientHeight(24);
    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetName(QStringLiteral("ProgressBar1"));
    ProgressBar1->SetBounds(0, 0, 396, 24);
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(600);
    ProgressBar1->Step = qs::kWaitingStep;
    Timer1 = new TTimer(this);
    Timer1->SetName(QStringLiteral("Timer1"));
    Timer1->SetEnabled(false);
    Timer1->SetInterval(500);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TGUIWaitingForm::FormCreate(TObject*) {
    Timer1->SetEnabled(false);
}

// Starts the count once: on the first activation, or when the window is shown, so that a
// window the platform never activates still closes in time.
void TGUIWaitingForm::FormActivate(TObject*) {
    if (m_started) {
        return;
    }
    m_started = true;
    ProgressBar1->SetMax(qs::WaitingMaximum(WaitTime));
    Timer1->SetInterval(qs::WaitingInterval(WaitTime));
    Timer1->SetEnabled(true);
}

void TGUIWaitingForm::Timer1Timer(TObject*) {
    if (Remaining == 0) {
        Remaining = WaitTime;
    }
    Remaining -= Timer1->Interval();
    if (Remaining <= 0) {
        m_timeUp = true;
        Close();
        return;
    }
    ProgressBar1->SetPosition(qs::NextWaitingPosition(ProgressBar1->Position(), ProgressBar1->Max()));
}

void TGUIWaitingForm::FormClose(TObject*, TCloseAction& Action) {
    if (!m_timeUp) {
        Action = caNone; // only the count ends the wait
        return;
    }
    Timer1->SetEnabled(false);
}

void TGUIWaitingForm::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    FormActivate(this);
}

void TGUIWaitingForm::closeEvent(QCloseEvent* event) {
    event->ignore(); // no close box, and the window manager's close does not end it early
}

void TGUIWaitingForm::keyPressEvent(QKeyEvent* event) {
    event->accept(); // Escape and Alt+F4 keys do nothing
}
