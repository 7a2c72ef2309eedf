#pragma once
// Time of day and tick count, both replaceable so tests see fixed times.

#include <QTime>
#include <cstdint>
#include <functional>

namespace qs {
// The local time of day as "hh:nn:ss" (24-hour, two digits each).
QString TimeOfDayText();
// Milliseconds since an arbitrary start, for waits measured by the caller.
std::uint32_t GetTickCount();
// Replaces the time-of-day source; an empty function restores the system clock.
void SetTimeOfDaySource(std::function<QTime()> source);
} // namespace qs
