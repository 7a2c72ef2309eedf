#pragma once
// "Please Wait...": a modal window with a sweeping progress bar that closes itself after
// WaitTime milliseconds. It has no close box and refuses every other way of closing early.

#include "Form.h"
#include "ProgressBar.h"
#include "Timer.h"

class TGUIWaitingForm : public TForm {
public:
    explicit TGUIWaitingForm(TComponent* owner = nullptr);

    TProgressBar* ProgressBar1;
    TTimer* Timer1;
    int WaitTime = 2000; // milliseconds until the form closes; set before ShowModal
    int Remaining = 0;   // milliseconds still to wait; 0 until the first tick

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_started = false;
    bool m_timeUp = false;
};

// The class's global instance pointer; the editor page uses an instance of its own.
extern TGUIWaitingForm* GUIWaitingForm;
