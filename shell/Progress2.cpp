#include "Progress2.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(TComponent* owner, TWinControl* parent) : TProgressForm(owner, parent) {
    SetName(QStringLiteral("ProgressForm2"));
}
