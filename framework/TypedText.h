// What a person may type for a column: the strict reading of a text that is about to become a
// SET value or a row key. A complete number of the column's type and range, hex digits only, a
// MAC, IPv4 or IPv6 address of its own form, a well-formed object identifier, a date and time
// that the calendar has. Values read from the agent or from files keep the lenient conversions
// of the value texts; this rule is for what a user typed.
#pragma once

#include "EditFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QsOptionList;

namespace qs {

// The size of a string column whose MIB gives none: characters of a display string, octets of a
// hex text.
inline constexpr int kDefaultStringSize = 255;

// One field a user typed into.
struct TypedField {
    std::uint32_t syntax = 0;
    const QsOptionList* options = nullptr; // display texts the field may hold for values
    const EditFormat* format = nullptr;    // the edit's format; null without one
    bool key = false;                      // the text gives a row's index
    int keyRoom = 0;                       // sub-identifiers the row's instance leaves the key; 0: no bound
};

// Why the text is no value of the field: the message to show (with a leading blank, as the
// common message table writes its texts), or empty when it is one. The edit format's range, item
// and address checks come first, and a field whose format gives a range is refused with the
// format's range message; a format's length bounds a text or hex column.
// An empty key is refused unless the key is a text, whose empty value is a value of its column.
std::string RefuseTypedText(const std::string& text, const TypedField& field);

// A group of edits that make one value between them (an IPv4 address in four, a MAC in six, a
// date and time in ten): the first edit whose text is refused, and why.
struct GroupRefusal {
    int edit = -1;
    std::string message;
};
std::optional<GroupRefusal> RefuseTypedGroup(const std::vector<std::string>& texts, std::uint32_t syntax);

// A DateAndTime text, year-month-day,hour:minutes:seconds.deci-seconds with an optional
// ,+hours:minutes (or -) from UTC, checked against the calendar: a year of four digits, a month of
// 1 to 12, a day the month has, hours 0 to 23, minutes and seconds 0 to 59, deci-seconds 0 to 9,
// 0 to 13 hours and 0 to 59 minutes from UTC. Empty when valid.
std::string RefuseDateTimeText(const std::string& text);

// The message for a port-list text that names no ports of the map.
std::string PortListRefusal();
// The message for a choice box left without a choice.
std::string NoChoiceRefusal();

} // namespace qs
