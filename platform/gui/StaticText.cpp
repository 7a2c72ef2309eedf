#include "StaticText.h"

#include "Application.h"

TStaticText::TStaticText(TComponent* owner, TWinControl* parent)
    : QLabel(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
}
