#include "Clock.h"

#include <QElapsedTimer>

namespace qs {
namespace {
std::function<QTime()>& TimeSource() {
    static std::function<QTime()> source;
    return source;
}
} // namespace

QString TimeOfDayText() {
    const QTime now = TimeSource() ? TimeSource()() : QTime::currentTime();
    return now.toString(QStringLiteral("HH:mm:ss"));
}

std::uint32_t GetTickCount() {
    static QElapsedTimer timer;
    if (!timer.isValid()) {
        timer.start();
    }
    return static_cast<std::uint32_t>(timer.elapsed());
}

void SetTimeOfDaySource(std::function<QTime()> source) {
    TimeSource() = std::move(source);
}
} // namespace qs
