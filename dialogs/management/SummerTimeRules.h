// The device's summer time rules as its octet strings hold them, shown and sent as upper-case
// hex text, two digits an octet:
//   repeating start or end, 6 octets: week, weekday (2 octets, most significant first), month,
//     hour, minute. Week 0 = last, 1-4 = 1st-4th; weekday 1 = Sunday to 7 = Saturday;
//     month 0 = none, 1-12 = January-December.
//   annual start or end, 4 octets: day, month, hour, minute.
// The fields are held as the dialog's combo positions (week 0-4, weekday 0-6 for Sunday to
// Saturday, month 0-12) and edit values; position -1 is a combo with nothing selected.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct RepeatingSummerTime {
    int week = -1;
    int weekday = -1;
    int month = -1;
    int hour = 0;
    int minute = 0;
    bool operator==(const RepeatingSummerTime&) const = default;
};

struct AnnualSummerTime {
    int day = 0;
    int month = -1;
    int hour = 0;
    int minute = 0;
    bool operator==(const AnnualSummerTime&) const = default;
};

// The value of a hex text, each character a digit; any character that is not a hex digit
// counts as 0.
int HexToInt(std::string_view text);

// The 12 hex digits of a repeating start or end, or nothing when the value is invalid: a week,
// weekday or month with nothing selected (or out of its list), hour outside 0-23 or minute
// outside 0-59.
std::optional<std::string> EncodeRepeatingSummerTime(const RepeatingSummerTime& rule);
// The fields of a 12-character text (positions as read, weekday position = value - 1); nothing
// for any other length.
std::optional<RepeatingSummerTime> DecodeRepeatingSummerTime(std::string_view text);

// The 8 hex digits of an annual start or end, or nothing when the value is invalid: day outside
// 0-31, a month with nothing selected (or out of its list), hour outside 0-23 or minute outside
// 0-59.
std::optional<std::string> EncodeAnnualSummerTime(const AnnualSummerTime& rule);
// The fields of an 8-character text; nothing for any other length.
std::optional<AnnualSummerTime> DecodeAnnualSummerTime(std::string_view text);

// True when the start day and the end day each fit their month: none 0 days, February 28 (the
// device takes no leap day), the others 30 or 31.
bool CheckAnnualDays(const AnnualSummerTime& start, const AnnualSummerTime& end);
