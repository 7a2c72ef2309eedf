#include "Panel.h"

#include "Application.h"

#include <QPainter>

TPanel::TPanel(TComponent* owner, TWinControl* parent)
    : QFrame(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    SetBevelOuter(bvRaised);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == bvNone) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Panel | (bevel == bvRaised ? QFrame::Raised : QFrame::Sunken));
    }
}

void TPanel::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TPanel::SetColor(TColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, qs::ToQColor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void TPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Realign();
}

void TPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!m_caption.isEmpty()) {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}
