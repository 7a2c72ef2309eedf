// The typed-text parses of times: time ticks, DateAndTime values and date-time numbers.
#include "DateTimeNumber.h"
#include "OctetTexts.h"
#include "TextUtils.h"
#include "TypedTextParts.h"

#include <limits>

namespace qs {
namespace {

using namespace typed;

constexpr const char* kYear = " Please enter a year of four digits!";
constexpr const char* kPart = " Please enter [PART] between [MIN] and [MAX]!";
constexpr const char* kDirection = " Please enter + or - as the direction from UTC!";
constexpr std::string_view kPartName = "[PART]";

constexpr std::uint64_t kTicksPerDay = 8640000;
constexpr std::uint64_t kTicksPerHour = 360000;
constexpr std::uint64_t kTicksPerMinute = 6000;

std::string PartMessage(const char* part, long long min, long long max) {
    return FillPlaceholders(kPart,
                            {{kPartName, part}, {kMin, std::to_string(min)}, {kMax, std::to_string(max)}});
}

long long Number(std::string_view digits) {
    return static_cast<long long>(ParseWhole(digits)->magnitude);
}

int DaysInMonth(long long year, long long month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Cuts text at each of the separators in turn; false when one is missing.
bool CutAt(std::string_view text, std::string_view separators, std::vector<std::string>& parts) {
    for (const char separator : separators) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) {
            return false;
        }
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.emplace_back(text);
    return true;
}

// Drops "N day" or "N days" and what may follow it ("s", ",", a blank); the days, or -1 when the
// text holds days that are no number.
long long TakeDays(std::string_view& rest) {
    const std::size_t at = rest.find(" day");
    if (at == std::string_view::npos) {
        return 0;
    }
    if (!IsDigits(rest.substr(0, at)) || at > 3) {
        return -1; // more than 497 days do not fit 32 bits anyway
    }
    const long long days = Number(rest.substr(0, at));
    rest.remove_prefix(at + 4);
    for (const std::string_view tail : {"s, ", "s,", "s ", ", ", ",", " "}) {
        if (rest.starts_with(tail)) {
            rest.remove_prefix(tail.size());
            break;
        }
    }
    return days;
}

// A fraction of a second as a person writes it: ".5" is half a second, ".05" five hundredths.
long long Hundredths(std::string_view fraction) {
    return fraction.size() == 1 ? Number(fraction) * 10 : Number(fraction);
}

} // namespace

namespace typed {

Parsed ParseTicks(std::string_view text) {
    std::string_view rest = text;
    const bool withDays = rest.find(" day") != std::string_view::npos;
    const long long days = TakeDays(rest);
    std::vector<std::string> p;
    if (days < 0 || !CutAt(rest, "::", p)) {
        return Refused(kTicks);
    }
    std::vector<std::string> seconds;
    if (!CutAt(p[2], ".", seconds)) {
        seconds = {p[2], "00"};
    }
    const bool parts = IsDigits(p[0]) && p[0].size() <= 10 && PartIn(p[1], 0, 59) &&
                       PartIn(seconds[0], 0, 59) && seconds[1].size() <= 2 && PartIn(seconds[1], 0, 99) &&
                       (!withDays || PartIn(p[0], 0, 23));
    if (!parts) {
        return Refused(kTicks);
    }
    const std::uint64_t total = static_cast<std::uint64_t>(days) * kTicksPerDay +
                                static_cast<std::uint64_t>(Number(p[0])) * kTicksPerHour +
                                static_cast<std::uint64_t>(Number(p[1])) * kTicksPerMinute +
                                static_cast<std::uint64_t>(Number(seconds[0])) * 100 +
                                static_cast<std::uint64_t>(Hundredths(seconds[1]));
    if (total > std::numeric_limits<std::uint32_t>::max()) {
        return Refused(kTicks);
    }
    return {SnmpValue::fromUnsigned(SnmpType::TimeTicks, static_cast<std::uint32_t>(total)), {}};
}

} // namespace typed

namespace {

// Year, month, day, hour, minutes, seconds and one finer part, checked in this order.
std::optional<DateRefusal> RefuseDateParts(const std::vector<std::string>& p, const char* finer,
                                           long long finerMax, long long secondsMax) {
    if (p[0].size() != 4 || !IsDigits(p[0]) || p[0][0] == '0') { // "0207" is no year anyone means
        return DateRefusal{0, kYear};
    }
    if (!PartIn(p[1], 1, 12)) {
        return DateRefusal{1, PartMessage("a month", 1, 12)};
    }
    const int days = DaysInMonth(Number(p[0]), Number(p[1]));
    if (!PartIn(p[2], 1, days)) {
        return DateRefusal{2, PartMessage("a day", 1, days)};
    }
    const std::pair<const char*, long long> times[] = {
        {"an hour", 23}, {"minutes", 59}, {"seconds", secondsMax}, {finer, finerMax}};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!PartIn(p[3 + i], 0, times[i].second)) {
            return DateRefusal{3 + i, PartMessage(times[i].first, 0, times[i].second)};
        }
    }
    return std::nullopt;
}

// Direction, hours and minutes from UTC.
std::optional<DateRefusal> RefuseUtcParts(const std::string& direction, const std::string& hours,
                                          const std::string& minutes, std::size_t first) {
    if (direction != "+" && direction != "-") {
        return DateRefusal{first, kDirection};
    }
    if (!PartIn(hours, 0, 13)) {
        return DateRefusal{first + 1, PartMessage("hours from UTC", 0, 13)};
    }
    if (!PartIn(minutes, 0, 59)) {
        return DateRefusal{first + 2, PartMessage("minutes from UTC", 0, 59)};
    }
    return std::nullopt;
}

} // namespace

namespace typed {

std::optional<DateRefusal> RefuseDateGroupParts(const std::vector<std::string>& t, bool withUtc) {
    std::optional<DateRefusal> r =
        withUtc ? RefuseDateParts(t, "deci-seconds", 9, 60) : RefuseDateParts(t, "milliseconds", 999, 59);
    if (!r && withUtc) {
        r = RefuseUtcParts(t[7], t[8], t[9], 7);
    }
    return r;
}

} // namespace typed

namespace {

// The ten numbers of a DateAndTime text (the direction as its character), or why it is none.
struct DateFields {
    std::vector<std::string> parts; // year ... deci-seconds, direction, hours and minutes from UTC
    std::string refusal;
};

DateFields SplitDateTime(std::string_view text) {
    DateFields out;
    std::string_view rest = text;
    std::string utc;
    if (const std::size_t comma = rest.find(',', rest.find(',') + 1); comma != std::string_view::npos) {
        utc = std::string(rest.substr(comma + 1));
        rest = rest.substr(0, comma);
    }
    std::vector<std::string>& p = out.parts;
    std::vector<std::string> seconds;
    if (!CutAt(rest, "--,::", p)) {
        out.refusal = kDateTime;
        return out;
    }
    if (!CutAt(p[5], ".", seconds)) {
        seconds = {p[5], "0"};
    }
    p[5] = seconds[0];
    p.push_back(seconds[1]);
    std::vector<std::string> offset;
    if (utc.empty()) {
        offset = {"0", "0"};
    } else if (!CutAt(std::string_view(utc).substr(1), ":", offset)) {
        out.refusal = kDateTime;
        return out;
    }
    p.push_back(utc.empty() ? "+" : utc.substr(0, 1));
    p.insert(p.end(), offset.begin(), offset.end());
    bool numbers = true;
    for (std::size_t i = 0; i < p.size(); ++i) {
        numbers = numbers && (i == 7 || IsDigits(p[i])); // 7 is the direction
    }
    if (!numbers || (utc.empty() && text.ends_with(','))) {
        out.refusal = kDateTime;
    } else if (const std::optional<DateRefusal> r = RefuseDateGroupParts(p, true)) {
        out.refusal = r->message;
    }
    return out;
}

} // namespace

namespace typed {

// The 11 octets; a zero offset travels as "+", the form a read writes it in.
Parsed ParseDateTime(std::string_view text) {
    const DateFields d = SplitDateTime(text);
    if (!d.refusal.empty()) {
        return Refused(d.refusal);
    }
    const auto n = [&d](std::size_t i) { return static_cast<std::uint8_t>(Number(d.parts[i])); };
    const auto year = static_cast<std::uint16_t>(Number(d.parts[0]));
    const bool zeroOffset = n(8) == 0 && n(9) == 0;
    QsOctets octets{static_cast<std::uint8_t>(year >> 8),
                    static_cast<std::uint8_t>(year),
                    n(1),
                    n(2),
                    n(3),
                    n(4),
                    n(5),
                    n(6),
                    static_cast<std::uint8_t>(zeroOffset ? '+' : d.parts[7][0]),
                    n(8),
                    n(9)};
    return {SnmpValue::fromBytes(SnmpType::OctetString, std::move(octets)), {}};
}

Parsed ParseBcDateTime(std::string_view text) {
    double d = 0;
    if (!TextToDateTimeNumber(std::string(text), d)) {
        return Refused(kBcDateTime);
    }
    return {SnmpValue::fromBytes(SnmpType::OctetString, DoubleOctets(d)), {}};
}

} // namespace typed

std::string RefuseDateTimeText(const std::string& text) {
    return SplitDateTime(TrimBlanks(text)).refusal;
}

} // namespace qs
