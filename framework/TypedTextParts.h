// The pieces the typed-text parses share: whole numbers, the messages and the result of a parse
// by syntax. Internal to the typed-text files.
#pragma once

#include "SnmpValue.h"
#include "TypedText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qs::typed {

// Our own messages, written like the common table's (a leading blank, an exclamation mark).
inline constexpr const char* kWholeNumber = " Please enter a whole number between [MIN] and [MAX]!";
inline constexpr const char* kHexBytes =
    " Please enter hex digits, two for each byte, such as 0AFF or 0A FF!";
inline constexpr const char* kObjectId =
    " Please enter an object identifier such as 1.3.6.1: numbers joined by "
    "dots, the first 0, 1 or 2 and the second below 40 after 0 or 1!";
inline constexpr const char* kTicks = " Please enter a time such as 1 day 2:03:04.05 or 0:00:47.5!";
inline constexpr const char* kReal = " Please enter a number such as 1.5 or -2E3!";
inline constexpr const char* kRealDigits = " Please enter a number of at most 15 significant digits!";
inline constexpr const char* kTruth = " Please enter true or false!";
inline constexpr const char* kDateTime = " Please enter a date and time such as 2007-5-26,15:30:15.0,+8:0!";
inline constexpr const char* kBcDateTime = " Please enter a date and time such as 2007/05/26 15:30:15!";
inline constexpr const char* kZeroByte = " Please enter a text without a zero character!";

// The result of a parse by syntax: the value to send, or why there is none.
struct Parsed {
    SnmpValue value;
    std::string refusal;
};
inline Parsed Refused(std::string message) {
    return {SnmpValue::null(), std::move(message)};
}

// The common table's entry k.
std::string Entry(int k);
// Entry 4 (text) or 6 (hex) with the limit as [MAXLEN].
std::string LengthMessage(int entry, int limit);

bool IsDigits(std::string_view s);
// The text without blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view s);

// A whole number: an optional sign ("-", or "+" where taken), then decimal digits and nothing else.
// The magnitude saturates.
struct Whole {
    bool negative = false;
    bool overflow = false; // more than 64 bits
    std::uint64_t magnitude = 0;
    long double value() const {
        return negative ? -static_cast<long double>(magnitude) : static_cast<long double>(magnitude);
    }
};
std::optional<Whole> ParseWhole(std::string_view text, bool plusTaken = false);
// Decimal digits within the bounds.
bool PartIn(std::string_view text, long long min, long long max);

// A date or a time refused: the index of its first refused part and why.
struct DateRefusal {
    std::size_t part = 0;
    std::string message;
};
// The parts of a date and time as its group of edits holds them: year, month, day, hour,
// minutes, seconds and, withUtc, deci-seconds (seconds up to 60), direction, hours and minutes
// from UTC; otherwise milliseconds (seconds up to 59).
std::optional<DateRefusal> RefuseDateGroupParts(const std::vector<std::string>& parts, bool withUtc);

// The parses by syntax, on the value text after the option list (blanks around already dropped
// where the syntax takes them).
Parsed ParseTicks(std::string_view text);
Parsed ParseDateTime(std::string_view text);
Parsed ParseBcDateTime(std::string_view text);
Parsed ParseHex(std::string_view text, const TypedField& field);
Parsed ParseDisplayString(const std::string& text, const TypedField& field);
Parsed ParseObjectId(std::string_view text, const TypedField& field);
Parsed ParseAddress(std::uint32_t syntax, std::string_view text);
Parsed ParseReal(std::string_view text);
Parsed ParsePortList(const std::string& text, const TypedField& field);

} // namespace qs::typed
