#include "ScrollBox.h"

#include "Application.h"
#include "ClientArea.h"

#include <QEvent>

TScrollBox::TScrollBox(TComponent* owner, TWinControl* parent)
    : QScrollArea(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    m_client = new qs::ClientArea(nullptr);
    m_client->setObjectName(QStringLiteral("ScrollClient"));
    m_client->onResize = [this] { Realign(); };
    m_client->installEventFilter(this);
    setWidget(m_client);
    setWidgetResizable(false);
}

QWidget* TScrollBox::ClientWidget() const {
    return m_client;
}

void TScrollBox::FitContents() {
    QRect bounds(0, 0, 1, 1);
    for (QWidget* w : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isHidden()) {
            bounds |= w->geometry();
        }
    }
    m_client->resize(bounds.right() + 1, bounds.bottom() + 1);
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::ChildAdded) {
        QMetaObject::invokeMethod(
            this, [this] { FitContents(); }, Qt::QueuedConnection);
    }
    return QScrollArea::eventFilter(watched, event);
}
