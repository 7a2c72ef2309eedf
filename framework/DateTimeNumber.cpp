#include "DateTimeNumber.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace qs {

namespace {

using namespace std::chrono;

constexpr double kMsPerDay = 86400000.0;
// 0001-01-01 and 9999-12-31 as day numbers.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

sys_days Epoch() {
    return sys_days(year(1899) / December / 30);
}

} // namespace

std::string DateTimeNumberToText(double value) {
    if (!std::isfinite(value) || value < kFirstDay || value >= kLastDay + 1) {
        return {};
    }
    // The whole part counts days (toward zero); the fraction is the time of day either way.
    const double whole = std::trunc(value);
    auto ms = static_cast<long long>(std::llround(std::fabs(value - whole) * kMsPerDay));
    if (ms >= static_cast<long long>(kMsPerDay)) {
        ms = static_cast<long long>(kMsPerDay) - 1;
    }
    const year_month_day ymd{Epoch() + days(static_cast<long long>(whole))};
    const long long secs = ms / 1000;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02lld:%02lld:%02lld", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), secs / 3600,
                  secs / 60 % 60, secs % 60);
    return buf;
}

bool TextToDateTimeNumber(const std::string& text, double& out) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
    const int n = std::sscanf(text.c_str(), "%4d/%2d/%2d %2d:%2d:%2d%n", &y, &mo, &d, &h, &mi, &s, &used);
    if (n == 5) {
        std::sscanf(text.c_str(), "%4d/%2d/%2d %2d:%2d%n", &y, &mo, &d, &h, &mi, &used);
    } else if (n == 3) {
        std::sscanf(text.c_str(), "%4d/%2d/%2d%n", &y, &mo, &d, &used);
    } else if (n != 6) {
        return false;
    }
    if (static_cast<std::size_t>(used) != text.size() || n == 4) {
        return false;
    }
    const year_month_day ymd{year(y), month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
    if (y < 1 || !ymd.ok() || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) {
        return false;
    }
    const double dayNumber = static_cast<double>((sys_days(ymd) - Epoch()).count());
    const double fraction = (h * 3600.0 + mi * 60.0 + s) / 86400.0;
    out = dayNumber < 0 ? dayNumber - fraction : dayNumber + fraction;
    return true;
}

} // namespace qs
