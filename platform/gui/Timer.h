#pragma once
// TTimer: fires OnTimer every Interval ms while Enabled, also inside modal loops. The handler may
// disable and re-enable the timer; it is never re-entered while it runs.

#include "Component.h"

#include <QObject>
#include <QTimer>

class TTimer : public QObject, public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    QObject* Object() override { return this; }

    int Interval() const { return m_interval; }
    void SetInterval(int ms);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

private:
    void Tick();
    void Update();
    QTimer m_timer;
    int m_interval = 1000;
    bool m_enabled = true;
    bool m_inHandler = false;
};
