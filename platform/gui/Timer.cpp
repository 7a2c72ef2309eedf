#include "Timer.h"

#include "Application.h"

#include <QPointer>

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    qs::EnsureApplication();
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    Update();
}

TTimer::~TTimer() {
    OnTimer = nullptr;
    m_timer.stop();
}

void TTimer::SetInterval(int ms) {
    m_interval = ms;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Update();
}

void TTimer::Update() {
    if (m_enabled && m_interval > 0) {
        m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}

void TTimer::Tick() {
    auto handler = OnTimer;
    if (m_inHandler || !m_enabled || !handler) {
        return;
    }
    QPointer<TTimer> self(this);
    m_inHandler = true;
    qs::RunHandler([&] { handler(this); });
    if (self) { // the handler may free its own timer
        m_inHandler = false;
    }
}
