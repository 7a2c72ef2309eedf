#include "Button.h"

#include "Application.h"
#include "Form.h"

#include <QPixmap>

TButton::TButton(TComponent* owner, TWinControl* parent)
    : QPushButton(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Clicked(); });
}

TButton::~TButton() {
    OnClick = nullptr;
}

void TButton::Click() {
    if (isEnabled()) {
        Clicked();
    }
}

void TButton::Clicked() {
    if (ModalResult != 0) {
        if (auto* form = dynamic_cast<TForm*>(TControl::Of(window()))) {
            form->SetModalResult(ModalResult);
        }
    }
    qs::Fire(OnClick, this);
}

bool TBitBtn::LoadGlyph(const QString& fileName) {
    QPixmap glyph;
    if (!glyph.load(fileName)) {
        setIcon(QIcon());
        return false;
    }
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    return true;
}
