#include "RadioButton.h"

#include "Application.h"

TRadioButton::TRadioButton(TComponent* owner, TWinControl* parent)
    : QRadioButton(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            qs::Fire(OnClick, this);
        }
    });
}

TRadioButton::~TRadioButton() {
    OnClick = nullptr;
}
