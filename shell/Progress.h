// TProgressForm: a timed progress box that a dialog shows right after sending a SET the device
// takes long to carry out. It does not watch the device: every second the bar moves on by one
// (wrapping from 76 to 0), and once it stands at the close position (30) the box closes itself,
// about 31 seconds after it appeared. The user cannot close it earlier.
#pragma once

#include "Form.h"
#include "Label.h"
#include "ProgressBar.h"
#include "Timer.h"

class TProgressForm : public TForm {
public:
    // The box becomes a dialog window of parent (the calling dialog); owner as a rule null.
    TProgressForm(TComponent* owner, TWinControl* parent);

    TLabel* LB_Prompt;
    TProgressBar* ProgressBar;
    TTimer* ProgressTimer;

    void FormCreate(TObject* Sender);
    void ProgressTimerTimer(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);

protected:
    // The bar position at which the box closes.
    virtual int ClosePositionOfBox() const { return 30; }

private:
    // The close position, kept below the bar's maximum so the box always closes.
    int ReachableClosePosition() const;
};

// The box a caller shows, while it is shown.
extern TProgressForm* ProgressForm;
