#include "Label.h"

#include "Application.h"
#include "TextFit.h"

TLabel::TLabel(TComponent* owner, TWinControl* parent)
    : QLabel(qs::ParentWidgetFor(owner, parent)), TControl(this, owner) {
    qs::EnsureApplication();
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    if (m_autoSize) {
        adjustSize();
        qs::KeepInWindow(this);
    } else {
        qs::GrowToText(this);
    }
}

void TLabel::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    if (autoSize) {
        adjustSize();
    }
}

void TLabel::SetBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    if (m_autoSize) {
        adjustSize();
    } else {
        qs::GrowToText(this);
    }
}
