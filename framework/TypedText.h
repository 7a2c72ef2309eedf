// What a person may type for a column, and what it sends: the one reading of a text that is about
// to become a SET value or a row key. Each syntax has one parse; it returns the value to send and
// its canonical value text (the form reads give, so what is shown, stored and sent keeps its form),
// or a refusal that says why. A text is taken only when it has one meaning:
//
//   numbers      decimal, blanks around and a leading "+" taken: " 60", "+60" -> "60"
//   addresses    IPv4 dotted decimal (never octal); MAC as 12 hex digits or pairs joined by "-",
//                "." or ":"; IPv6 as RFC 4291 text or 32 hex digits; no zone
//   hex octets   hex digits two to an octet, or pairs joined by blanks, ":" or "-" -> upper case,
//                no separators: "0a ff" -> "0AFF"
//   time ticks   [N day(s)[,]] h:mm:ss[.f], the fraction of a second as written (".5" is half a
//                second, at most two digits) -> "1 day 2:03:04.05"
//   date-time    year-month-day,hour:minutes:seconds[.deci-seconds][,+h:m or -h:m], seconds 0 to
//                60 -> "2007-5-26,15:30:15.0,+8:0"
//   identifiers  dotted numbers under X.690's first two arcs (0 to 2; below 40 under 0 and 1)
//   text         any bytes but a zero byte, its length counted in the octets sent
//
// Values read from the agent or from files keep the lenient conversions of the value texts; this
// rule is for what a user typed.
#pragma once

#include "EditFormat.h"
#include "SnmpValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QsOptionList;

namespace qs {

// The size of a string column whose MIB gives none: octets of a display string or a hex text.
inline constexpr int kDefaultStringSize = 255;

// One field a user typed into.
struct TypedField {
    std::uint32_t syntax = 0;
    const QsOptionList* options = nullptr; // display texts the field may hold for values
    const EditFormat* format = nullptr;    // the edit's format; null without one
    bool key = false;                      // the text gives a row's index
    int keyRoom = 0;                       // sub-identifiers the row's instance leaves the key; 0: no bound
    std::string portTemplate;              // a port list's map as hex: its width; empty: as wide as needed
};

// The reading of one typed text.
struct TypedValue {
    std::string text;    // canonical value text (an option list's display text where it has one)
    SnmpValue value;     // what the SET carries; a part syntax (193 to 198): the number as an integer
    std::string refusal; // why the text is no value of the field (with a leading blank); empty: taken
    // Kept as it is and sent as no value: the program's own "(NULL)" or "(NOTDONE)" outside a key,
    // or an empty octet string (bitstr, octetstr, opaque) outside a key, whose bytes read as none.
    bool marker = false;
    bool Taken() const { return refusal.empty(); }
};

// The edit format's range, item and address checks come first, and a field whose format gives a
// range is refused with the format's range message; a format's length bounds a text or hex column.
// An empty key is refused unless the key is a text, whose empty value is a value of its column.
TypedValue ParseTypedText(const std::string& text, const TypedField& field);
// The refusal alone; empty when the text is taken.
std::string RefuseTypedText(const std::string& text, const TypedField& field);

// An object identifier BER can carry as it stands: at least two arcs, the first 0 to 2, the
// second below 40 under 0 and 1 (X.690 packs the first two into one sub-identifier).
bool IsEncodableOid(const OidVector& oid);

// Hex octets typed as digits two to an octet, or as pairs joined by one kind of separator (blank,
// ":" or "-"), blanks around taken: the canonical hex text (upper case, no separators), or nothing.
std::optional<std::string> CanonicalHexText(std::string_view text);

// A group of edits that make one value between them (an IPv4 address in four, a MAC in six, a
// date and time in ten): the first edit whose text is refused, and why. Blanks around each text
// and a "+" before a number are taken.
struct GroupRefusal {
    int edit = -1;
    std::string message;
};
std::optional<GroupRefusal> RefuseTypedGroup(const std::vector<std::string>& texts, std::uint32_t syntax);
// The texts of a group as its reading takes them: without the blanks around them and a "+" before
// a number.
std::vector<std::string> TypedGroupTexts(const std::vector<std::string>& texts);

// A DateAndTime text checked against the calendar: a year of four digits, a month of 1 to 12, a
// day the month has, hours 0 to 23, minutes 0 to 59, seconds 0 to 60 (a leap second), deci-seconds
// 0 to 9 (none means 0), 0 to 13 hours and 0 to 59 minutes from UTC. Empty when valid.
std::string RefuseDateTimeText(const std::string& text);

// The message for hex digits typed in no writing the hex texts take.
std::string HexWritingRefusal();
// The message for a port-list text that names no ports of the map.
std::string PortListRefusal();
// The message for a choice box left without a choice.
std::string NoChoiceRefusal();

} // namespace qs
