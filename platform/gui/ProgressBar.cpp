#include "ProgressBar.h"

#include "Application.h"

TProgressBar::TProgressBar(TComponent* owner, TWinControl* parent)
    : QProgressBar(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

// Wraps to Min when the step passes Max, as the platform's progress bar does.
void TProgressBar::StepIt() {
    setValue(value() + Step > maximum() ? minimum() : value() + Step);
}
