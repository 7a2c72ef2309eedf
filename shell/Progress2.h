// TProgressForm2: the progress box whose close position the caller may change (30 by default).
#pragma once

#include "Progress.h"

class TProgressForm2 : public TProgressForm {
public:
    TProgressForm2(TComponent* owner, TWinControl* parent);

    // The bar position at which the box closes; a value past the bar's end closes it at 75.
    int ClosePosition = 30;

protected:
    int ClosePositionOfBox() const override { return ClosePosition; }
};

extern TProgressForm2* ProgressForm2;
