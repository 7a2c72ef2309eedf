#pragma once
// TProgressBar: Min, Max, Position and a Step that StepIt adds.

#include "Control.h"

#include <QProgressBar>

class TProgressBar : public QProgressBar, public TWinControl {
public:
    explicit TProgressBar(TComponent* owner, TWinControl* parent = nullptr);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }
    void SetMin(int v) { setMinimum(v); }
    void SetMax(int v) { setMaximum(v); }
    void SetPosition(int v) { setValue(qBound(minimum(), v, maximum())); }
    int Step = 10;
    void StepIt();
    void SetSmooth(bool) {}
};
