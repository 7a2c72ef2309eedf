#include "Focus.h"

#include "Application.h"
#include "Control.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace qs {

Focus& Focus::Instance() {
    static Focus* instance = new Focus;
    return *instance;
}

Focus::Focus() {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &Focus::OnFocusChanged);
}

bool Focus::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusOut && watched->isWidgetType()) {
        m_lastFocusOut = static_cast<QWidget*>(watched);
        m_lastOutReason = static_cast<QFocusEvent*>(event)->reason();
    } else if (type == QEvent::KeyPress && watched->isWidgetType()) {
        return KeyDown(watched, static_cast<QKeyEvent*>(event));
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && m_swallowPress &&
               watched == m_swallowPress) {
        m_swallowPress.clear();
        return true;
    }
    return false;
}

bool Focus::KeyDown(QObject* watched, QKeyEvent* event) {
    auto* control = dynamic_cast<TWinControl*>(TControl::Of(static_cast<QWidget*>(watched)));
    if (!control || !control->OnKeyDown) {
        return false;
    }
    WORD key = VirtualKey(*event);
    if (key == 0) {
        return false;
    }
    Fire(control->OnKeyDown, control, key, ShiftState(*event));
    return key == 0;
}

void Focus::SetFocus(QWidget* widget) {
    if (!widget) {
        return;
    }
    if (m_exitDepth > 0) {
        m_pendingRefocus = widget;
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
}

bool Focus::IsExitMove(QWidget* old, QWidget* now) const {
    if (!old || !now || m_refocusing || m_exitDepth > 0) {
        return false;
    }
    if (old != m_lastFocusOut || m_lastOutReason == Qt::ActiveWindowFocusReason ||
        m_lastOutReason == Qt::PopupFocusReason) {
        return false;
    }
    QWidget* window = old->window();
    return now->window() == window && window->isVisible() && old->isVisible();
}

void Focus::OnFocusChanged(QWidget* old, QWidget* now) {
    if (!IsExitMove(old, now)) {
        return;
    }
    auto* source = dynamic_cast<ExitSource*>(TControl::Of(old));
    if (!source) {
        return;
    }
    const bool byMouse = m_lastOutReason == Qt::MouseFocusReason;
    QPointer<QWidget> target(now);
    m_pendingRefocus.clear();
    ++m_exitDepth;
    RunHandler([source] { source->FireExit(); });
    --m_exitDepth;
    QueueRefocus(target, byMouse);
}

void Focus::QueueRefocus(QWidget* now, bool byMouse) {
    QPointer<QWidget> back = m_pendingRefocus;
    m_pendingRefocus.clear();
    if (!back) {
        return;
    }
    if (byMouse && now) {
        m_swallowPress = now; // the press that moved the focus is still being delivered
    }
    QTimer::singleShot(0, this, [this, back] {
        m_swallowPress.clear();
        if (back) {
            m_refocusing = true;
            back->setFocus(Qt::OtherFocusReason);
            m_refocusing = false;
        }
    });
}

namespace {
bool TakesTabFocus(QWidget* w, QWidget* window) {
    return w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}
} // namespace

void Focus::PostFocusNext(QWidget* window) {
    if (m_exitDepth > 0) {
        return; // the focus is moving already; an exit handler decides where it ends
    }
    QPointer<QWidget> win(window);
    QTimer::singleShot(0, this, [win] {
        QWidget* current = QApplication::focusWidget();
        if (!win || !current || current->window() != win) {
            return;
        }
        for (QWidget* w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
            if (TakesTabFocus(w, win)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    });
}

} // namespace qs
