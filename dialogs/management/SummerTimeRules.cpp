#include "SummerTimeRules.h"

#include "OctetTexts.h"

#include <array>
#include <cstdint>

namespace {

constexpr int kWeeks = 5;
constexpr int kWeekdays = 7;
constexpr int kMonths = 13; // none, January ... December

constexpr std::size_t kRepeatingDigits = 12;
constexpr std::size_t kAnnualDigits = 8;

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool TimeValid(int hour, int minute) {
    return InRange(hour, 0, 23) && InRange(minute, 0, 59);
}

std::uint8_t Octet(int value) {
    return static_cast<std::uint8_t>(value);
}

int Field(std::string_view text, std::size_t first, std::size_t count) {
    return HexToInt(text.substr(first, count));
}

int DaysOfMonth(int month) {
    static constexpr std::array<int, kMonths> days = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return InRange(month, 0, kMonths - 1) ? days[static_cast<std::size_t>(month)] : -1;
}

bool DayFitsMonth(const AnnualSummerTime& rule) {
    return rule.day <= DaysOfMonth(rule.month);
}

} // namespace

int HexToInt(std::string_view text) {
    int value = 0;
    for (char c : text) {
        value = value * 16 + qs::HexValue(c);
    }
    return value;
}

std::optional<std::string> EncodeRepeatingSummerTime(const RepeatingSummerTime& rule) {
    if (!InRange(rule.week, 0, kWeeks - 1) || !InRange(rule.weekday, 0, kWeekdays - 1) ||
        !InRange(rule.month, 0, kMonths - 1) || !TimeValid(rule.hour, rule.minute)) {
        return std::nullopt;
    }
    const int weekday = rule.weekday + 1;
    return FormatHexText({Octet(rule.week), Octet(weekday >> 8), Octet(weekday & 0xFF), Octet(rule.month),
                          Octet(rule.hour), Octet(rule.minute)});
}

std::optional<RepeatingSummerTime> DecodeRepeatingSummerTime(std::string_view text) {
    if (text.size() != kRepeatingDigits) {
        return std::nullopt;
    }
    return RepeatingSummerTime{Field(text, 0, 2), Field(text, 2, 4) - 1, Field(text, 6, 2), Field(text, 8, 2),
                               Field(text, 10, 2)};
}

std::optional<std::string> EncodeAnnualSummerTime(const AnnualSummerTime& rule) {
    if (!InRange(rule.day, 0, 31) || !InRange(rule.month, 0, kMonths - 1) ||
        !TimeValid(rule.hour, rule.minute)) {
        return std::nullopt;
    }
    return FormatHexText({Octet(rule.day), Octet(rule.month), Octet(rule.hour), Octet(rule.minute)});
}

std::optional<AnnualSummerTime> DecodeAnnualSummerTime(std::string_view text) {
    if (text.size() != kAnnualDigits) {
        return std::nullopt;
    }
    return AnnualSummerTime{Field(text, 0, 2), Field(text, 2, 2), Field(text, 4, 2), Field(text, 6, 2)};
}

bool CheckAnnualDays(const AnnualSummerTime& start, const AnnualSummerTime& end) {
    return DayFitsMonth(start) && DayFitsMonth(end);
}
