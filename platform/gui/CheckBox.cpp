#include "CheckBox.h"

#include "Application.h"

TCheckBox::TCheckBox(TComponent* owner, TWinControl* parent)
    : QCheckBox(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    connect(this, &QCheckBox::toggled, this, [this] { qs::Fire(OnClick, this); });
}

TCheckBox::~TCheckBox() {
    OnClick = nullptr;
}
