#pragma once
// Focus moves and the exit event. The exit event is reported only when the focus moves from a
// control to another control of the same top-level window (Tab, a click, a programmatic move);
// never for deactivation, popups, a message box opening, or a window hidden or destroyed.
// An exit handler that gives the focus back gets that move queued until the current move ends;
// that move reports no exit, and the click that caused the failing exit is dropped.

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

namespace qs {

// A control that reports leaving the focus (edits).
class ExitSource {
public:
    virtual ~ExitSource() = default;
    virtual void FireExit() = 0;
};

class Focus : public QObject {
public:
    static Focus& Instance();

    // Moves the focus now, or, inside an exit handler, once the current focus move has ended.
    void SetFocus(QWidget* widget);
    // Moves the focus to the next control in tab order of window, after the current handler.
    void PostFocusNext(QWidget* window);
    bool InExit() const { return m_exitDepth > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Focus();
    void OnFocusChanged(QWidget* old, QWidget* now);
    bool IsExitMove(QWidget* old, QWidget* now) const;
    void QueueRefocus(QWidget* now, bool byMouse);
    // Runs the focused control's OnKeyDown; true when the handler took the key.
    static bool KeyDown(QObject* watched, QKeyEvent* event);

    int m_exitDepth = 0;
    bool m_refocusing = false;
    QPointer<QWidget> m_pendingRefocus;
    QPointer<QWidget> m_lastFocusOut;
    Qt::FocusReason m_lastOutReason = Qt::OtherFocusReason;
    QPointer<QWidget> m_swallowPress;
};

} // namespace qs
