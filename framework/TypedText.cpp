#include "TypedText.h"

#include "AddressChecks.h"
#include "DateTimeNumber.h"
#include "MessageTable.h"
#include "OctetTexts.h"
#include "QsOptionList.h"
#include "QsSNMPVar.h"
#include "TextNumbers.h"
#include "TextUtils.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qs {
namespace {

// Our own messages, written like the common table's (a leading blank, an exclamation mark).
constexpr const char* kWholeNumber = " Please enter a whole number between [MIN] and [MAX]!";
constexpr const char* kOneOf = " Please enter one of: [VALUES]!";
constexpr const char* kHexBytes = " Please enter hex digits, two for each byte!";
constexpr const char* kObjectId =
    " Please enter an object identifier: numbers joined by dots, such as 1.3.6.1!";
constexpr const char* kTicks = " Please enter a time such as 1 day 2:03:04.05!";
constexpr const char* kReal = " Please enter a number!";
constexpr const char* kTruth = " Please enter true or false!";
constexpr const char* kDateTime = " Please enter a date and time such as 2007-5-26,15:30:15.0!";
constexpr const char* kBcDateTime = " Please enter a date and time such as 2007/05/26 15:30:15!";
constexpr const char* kYear = " Please enter a year of four digits!";
constexpr const char* kPart = " Please enter [PART] between [MIN] and [MAX]!";
constexpr const char* kDirection = " Please enter + or - as the direction from UTC!";
constexpr const char* kPortList = " Please enter port numbers such as 1-3,5!";
constexpr const char* kNoChoice = " Please select an entry!";

constexpr std::string_view kPartName = "[PART]";
constexpr std::string_view kValues = "[VALUES]";

// An instance has at most 128 sub-identifiers.
constexpr int kMaxSubIds = 128;

// Common table entries.
constexpr int kEmptyEntry = 3;
constexpr int kTextLengthEntry = 4;
constexpr int kHexLengthEntry = 6;
constexpr int kHexFixedEntry = 7;
constexpr int kIPv4Entry = 19;
constexpr int kIPv6Entry = 21;
constexpr int kMacEntry = 23;

std::string Entry(int k) {
    return CommonErrTable().Text(k);
}

std::string LengthMessage(int entry, int limit) {
    return FillPlaceholders(Entry(entry), {{kMaxLen, std::to_string(limit)}});
}

bool IsDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHexDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return HexDigit(c) >= 0; });
}

// A whole number: an optional "-", then decimal digits and nothing else. The magnitude saturates.
struct Whole {
    bool negative = false;
    bool overflow = false; // more than 64 bits
    std::uint64_t magnitude = 0;
    long double value() const {
        return negative ? -static_cast<long double>(magnitude) : static_cast<long double>(magnitude);
    }
};

std::optional<Whole> ParseWhole(std::string_view text) {
    Whole w;
    if (!text.empty() && text[0] == '-') {
        w.negative = true;
        text.remove_prefix(1);
    }
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (const char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        w.overflow = w.overflow || w.magnitude > (kMax - digit) / 10;
        w.magnitude = w.overflow ? kMax : w.magnitude * 10 + digit;
    }
    return w;
}

// The values a number of the syntax can take.
struct TypeRange {
    std::int64_t low = 0;
    std::uint64_t high = 0;
    bool Holds(const Whole& w) const {
        if (w.overflow) {
            return false;
        }
        if (w.negative) {
            return w.magnitude == 0 || (low < 0 && w.magnitude <= static_cast<std::uint64_t>(-(low + 1)) + 1);
        }
        return w.magnitude <= high;
    }
};

std::optional<TypeRange> RangeOf(std::uint32_t syntax) {
    switch (syntax) {
    case SYN_INTEGER:
        return TypeRange{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return TypeRange{0, std::numeric_limits<std::uint32_t>::max()};
    case SYN_COUNTER64:
        return TypeRange{0, std::numeric_limits<std::uint64_t>::max()};
    case SYN_INT8:
        return TypeRange{-128, 127};
    case SYN_UINT8:
        return TypeRange{0, 255};
    case SYN_INT16:
        return TypeRange{-32768, 32767};
    case SYN_UINT16:
        return TypeRange{0, 65535};
    default:
        return std::nullopt;
    }
}

bool HasNumberRange(const EditFormat* f) {
    return f != nullptr && (f->conversion == 'i' || f->conversion == 'u' || f->conversion == 'f');
}

// A whole number within the type's range and, when the format gives one, within the format's:
// whatever the format refuses gets the format's range message.
std::string RefuseNumber(const std::string& text, const TypedField& field, const TypeRange& type) {
    const std::optional<Whole> w = ParseWhole(text);
    const EditFormat* f = field.format;
    if (HasNumberRange(f) && (!w || w->value() < f->minimum || w->value() > f->maximum)) {
        return RangeMessage(f->minimum, f->maximum);
    }
    if (!w || !type.Holds(*w)) {
        return FillPlaceholders(kWholeNumber,
                                {{kMin, std::to_string(type.low)}, {kMax, std::to_string(type.high)}});
    }
    return {};
}

// An enumerated integer: one of the list's display texts or values.
std::string RefuseEnumeration(const std::string& text, const QsOptionList& options) {
    if (options.IndexOfText(text) >= 0) {
        return {};
    }
    const std::optional<Whole> w = ParseWhole(text);
    if (w && RangeOf(SYN_INTEGER)->Holds(*w)) {
        for (int i = 0; i < options.GetCount(); ++i) {
            if (static_cast<long double>(options.GetOption(i).value) == w->value()) {
                return {};
            }
        }
    }
    std::string names;
    for (int i = 0; i < options.GetCount(); ++i) {
        names += (i == 0 ? "" : ", ") + options.GetOption(i).text;
    }
    return FillPlaceholders(kOneOf, {{kValues, names}});
}

std::string PartMessage(const char* part, long long min, long long max) {
    return FillPlaceholders(kPart,
                            {{kPartName, part}, {kMin, std::to_string(min)}, {kMax, std::to_string(max)}});
}

// A part of a date or a time: decimal digits within the bounds.
bool PartIn(std::string_view text, long long min, long long max) {
    const std::optional<Whole> w = ParseWhole(text);
    return w && !w->negative && IsDigits(text) && w->value() >= min && w->value() <= max;
}

int DaysInMonth(long long year, long long month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Year, month, day, hour, minutes, seconds and one finer part, checked in this order; the index of
// the first refused part and the message.
struct DateRefusal {
    std::size_t part = 0;
    std::string message;
};

std::optional<DateRefusal> RefuseDateParts(const std::vector<std::string>& p, const char* finer,
                                           long long finerMax) {
    if (p[0].size() != 4 || !IsDigits(p[0])) {
        return DateRefusal{0, kYear};
    }
    if (!PartIn(p[1], 1, 12)) {
        return DateRefusal{1, PartMessage("a month", 1, 12)};
    }
    const int days = DaysInMonth(std::stoll(p[0]), std::stoll(p[1]));
    if (!PartIn(p[2], 1, days)) {
        return DateRefusal{2, PartMessage("a day", 1, days)};
    }
    const std::pair<const char*, long long> times[] = {
        {"an hour", 23}, {"minutes", 59}, {"seconds", 59}, {finer, finerMax}};
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

std::string RefuseTicks(const std::string& text) {
    std::string_view rest = text;
    std::uint64_t days = 0;
    bool withDays = false;
    if (const std::size_t at = rest.find(" day"); at != std::string_view::npos) {
        if (!IsDigits(rest.substr(0, at))) {
            return kTicks;
        }
        days = ParseWhole(rest.substr(0, at))->magnitude;
        rest.remove_prefix(at + 4);
        for (const std::string_view tail : {"s, ", "s,", "s ", ", ", ",", " "}) {
            if (rest.starts_with(tail)) {
                rest.remove_prefix(tail.size());
                break;
            }
        }
        withDays = true;
    }
    std::vector<std::string> p;
    if (!CutAt(rest, "::", p)) {
        return kTicks;
    }
    std::vector<std::string> seconds;
    if (!CutAt(p[2], ".", seconds)) {
        seconds = {p[2], "0"};
    }
    if (!IsDigits(p[0]) || !PartIn(p[1], 0, 59) || !PartIn(seconds[0], 0, 59) || seconds[1].size() > 2 ||
        !PartIn(seconds[1], 0, 99) || (withDays && !PartIn(p[0], 0, 23))) {
        return kTicks;
    }
    const long double total = static_cast<long double>(days) * 8640000 +
                              static_cast<long double>(ParseWhole(p[0])->magnitude) * 360000 +
                              std::stoll(p[1]) * 6000 + std::stoll(seconds[0]) * 100 + std::stoll(seconds[1]);
    return total > std::numeric_limits<std::uint32_t>::max() ? kTicks : std::string();
}

std::string RefuseObjectId(const std::string& text, int room) {
    std::string_view s = text;
    if (s.starts_with('.')) {
        s.remove_prefix(1);
    }
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t dot = s.find('.', start);
        parts.push_back(s.substr(start, dot == std::string_view::npos ? dot : dot - start));
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    const int limit = room > 0 ? std::min(room, kMaxSubIds) : kMaxSubIds;
    const bool numbers = std::all_of(parts.begin(), parts.end(), [](std::string_view p) {
        return IsDigits(p) && ParseWhole(p)->magnitude <= std::numeric_limits<std::uint32_t>::max();
    });
    return numbers && static_cast<int>(parts.size()) <= limit ? std::string() : kObjectId;
}

// A decimal real: an optional "-", digits with an optional fraction, an optional exponent.
std::string RefuseReal(const std::string& text) {
    std::string_view s = text;
    if (s.starts_with('-')) {
        s.remove_prefix(1);
    }
    const std::size_t e = s.find_first_of("eE");
    std::string_view exponent = e == std::string_view::npos ? std::string_view() : s.substr(e + 1);
    const std::string_view mantissa = s.substr(0, e);
    const std::size_t dot = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : mantissa.substr(dot + 1);
    if (exponent.starts_with('-') || exponent.starts_with('+')) {
        exponent.remove_prefix(1);
    }
    const bool ok = (IsDigits(whole) || (whole.empty() && IsDigits(fraction))) &&
                    (fraction.empty() || IsDigits(fraction)) &&
                    (e == std::string_view::npos || IsDigits(exponent)) && std::isfinite(StrToDouble(text));
    return ok ? std::string() : kReal;
}

// The room a string key leaves after its length sub-identifier, within the column's size.
int StringLimit(const TypedField& field, int size) {
    return field.key && field.keyRoom > 0 ? std::min(size, field.keyRoom - 1) : size;
}

std::string RefuseDisplayString(const std::string& text, const TypedField& field) {
    const bool sized = field.format != nullptr && field.format->length > 0;
    const int limit = StringLimit(field, sized ? field.format->length : kDefaultStringSize);
    const auto length = static_cast<int>(QString::fromStdString(text).size());
    return length > limit || (field.key && static_cast<int>(text.size()) > limit)
               ? LengthMessage(kTextLengthEntry, limit)
               : std::string();
}

std::string RefuseHex(const std::string& text, const TypedField& field) {
    const EditFormat* f = field.format;
    const bool sized = f != nullptr && f->length > 0;
    if (sized && (f->lengthFlags & LF_FIXED) && static_cast<int>(text.size()) != f->length) {
        return FillPlaceholders(Entry(kHexFixedEntry), {{kLen, std::to_string(f->length)}});
    }
    if (!IsHexDigits(text) || text.size() % 2 != 0) {
        return kHexBytes;
    }
    const int limit = sized ? f->length : 2 * StringLimit(field, kDefaultStringSize);
    return static_cast<int>(text.size()) > limit ? LengthMessage(kHexLengthEntry, limit) : std::string();
}

std::string RefuseAddress(std::uint32_t syntax, const std::string& text) {
    switch (syntax) {
    case SYN_MACADDRESS:
        return IsValidMacText(text) ? std::string() : Entry(kMacEntry);
    case SYN_IPV6ADDRESS:
        return IsIPv6HexText(text) ? std::string() : Entry(kIPv6Entry);
    case SYN_INETADDRESS: {
        QsOctets address;
        std::uint32_t zone = 0;
        return IsValidIPv4Text(text) || IsIPv6HexText(text) || SplitZoneText(text, address, zone)
                   ? std::string()
                   : Entry(kIPv4Entry);
    }
    default: // ipaddress, nsapaddr
        return IsValidIPv4Text(text) ? std::string() : Entry(kIPv4Entry);
    }
}

// The rule of the syntax alone, on the text after the option list.
std::string RefuseBySyntax(const std::string& text, const TypedField& field) {
    if (std::optional<TypeRange> range = RangeOf(field.syntax)) {
        if (field.key) {
            range->low = std::max<std::int64_t>(range->low, 0); // a sub-identifier is never negative
        }
        return RefuseNumber(text, field, *range);
    }
    switch (field.syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8:
    case SYN_BOOL16:
        return text == "true" || text == "false" ? std::string() : kTruth;
    case SYN_NULL:
    case SYN_BITLIST: // a port text: read against the value's bit map where it is read
        return {};
    case SYN_OBJECTID:
        return RefuseObjectId(text, field.key ? field.keyRoom - 1 : 0);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
    case SYN_INETADDRESS:
        return RefuseAddress(field.syntax, text);
    case SYN_TIMETICKS:
        return RefuseTicks(text);
    case SYN_DOUBLE:
        return RefuseReal(text);
    case SYN_DATETIME:
        return RefuseDateTimeText(text);
    case SYN_BCDATETIME: {
        double d = 0;
        return TextToDateTimeNumber(text, d) ? std::string() : kBcDateTime;
    }
    case SYN_DISPLAYSTR:
        return RefuseDisplayString(text, field);
    default: // bitstr, octetstr, opaque
        return RefuseHex(text, field);
    }
}

bool IsMarker(const std::string& text) {
    return text == "(NULL)" || text == "(NOTDONE)";
}

std::optional<GroupRefusal> FirstBad(const std::vector<std::string>& texts, std::size_t count,
                                     bool (*good)(std::string_view), const std::string& message) {
    for (std::size_t i = 0; i < count && i < texts.size(); ++i) {
        if (!good(texts[i])) {
            return GroupRefusal{static_cast<int>(i), message};
        }
    }
    return std::nullopt;
}

bool IsHexByte(std::string_view s) {
    return !s.empty() && s.size() <= 2 && IsHexDigits(s);
}

bool IsByte(std::string_view s) {
    return PartIn(s, 0, 255);
}

bool IsSubId(std::string_view s) {
    return PartIn(s, 0, std::numeric_limits<std::uint32_t>::max());
}

std::optional<GroupRefusal> RefuseTicksGroup(const std::vector<std::string>& t) {
    const long long limits[] = {std::numeric_limits<std::uint32_t>::max() / 8640000, 23, 59, 59, 99};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!PartIn(t[i], 0, limits[i])) {
            return GroupRefusal{static_cast<int>(i), kTicks};
        }
    }
    const long double total = std::stoll(t[0]) * 8640000.0L + std::stoll(t[1]) * 360000.0L +
                              std::stoll(t[2]) * 6000.0L + std::stoll(t[3]) * 100.0L + std::stoll(t[4]);
    if (total > std::numeric_limits<std::uint32_t>::max()) {
        return GroupRefusal{0, kTicks};
    }
    return std::nullopt;
}

std::optional<GroupRefusal> RefuseDateGroup(const std::vector<std::string>& t, bool withUtc) {
    std::optional<DateRefusal> r =
        withUtc ? RefuseDateParts(t, "deci-seconds", 9) : RefuseDateParts(t, "milliseconds", 999);
    if (!r && withUtc) {
        r = RefuseUtcParts(t[7], t[8], t[9], 7);
    }
    return r ? std::optional<GroupRefusal>(GroupRefusal{static_cast<int>(r->part), r->message})
             : std::nullopt;
}

} // namespace

std::string RefuseTypedText(const std::string& text, const TypedField& field) {
    if (field.key && text.empty() && field.syntax != SYN_DISPLAYSTR) {
        return Entry(kEmptyEntry); // only a text key may be empty (a VACM context prefix often is)
    }
    if (!field.key && IsMarker(text)) {
        return {}; // the program's own marker of a value not read: sent as before
    }
    // The format's range, items and address form; the lengths are the column's own rule below
    // (an edit's length limit already bounds what can be typed).
    const EditFormat* f = field.format;
    if (f != nullptr && (HasNumberRange(f) || f->conversion == 'n' || f->addressKind != AK_NONE)) {
        if (std::string message = CheckFormatText(*f, text); !message.empty()) {
            return message;
        }
    }
    if (field.options != nullptr && field.syntax == SYN_INTEGER && field.options->ValueType() == OVT_INT) {
        return RefuseEnumeration(text, *field.options);
    }
    const std::string value = field.options != nullptr ? field.options->TextToValue(text) : text;
    return RefuseBySyntax(value, field);
}

std::optional<GroupRefusal> RefuseTypedGroup(const std::vector<std::string>& texts, std::uint32_t syntax) {
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        return FirstBad(texts, texts.size(), IsHexByte, kHexBytes);
    case SYN_OBJECTID:
        return FirstBad(texts, texts.size(), IsSubId, kObjectId);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return FirstBad(texts, 4, IsByte, Entry(kIPv4Entry));
    case SYN_INETADDRESS:
        return texts.size() >= 16 ? FirstBad(texts, 16, IsHexByte, Entry(kIPv4Entry))
                                  : FirstBad(texts, 4, IsByte, Entry(kIPv4Entry));
    case SYN_MACADDRESS:
        return FirstBad(texts, 6, IsHexByte, Entry(kMacEntry));
    case SYN_IPV6ADDRESS:
        return FirstBad(texts, 16, IsHexByte, Entry(kIPv6Entry));
    case SYN_TIMETICKS:
        return texts.size() >= 5 ? RefuseTicksGroup(texts) : std::nullopt;
    case SYN_DATETIME:
        return texts.size() >= 10 ? RefuseDateGroup(texts, true) : std::nullopt;
    case SYN_BCDATETIME:
        return texts.size() >= 7 ? RefuseDateGroup(texts, false) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::string RefuseDateTimeText(const std::string& text) {
    std::vector<std::string> p;
    std::string_view rest = text;
    std::string utc;
    if (const std::size_t comma = rest.find(',', rest.find(',') + 1); comma != std::string_view::npos) {
        utc = std::string(rest.substr(comma + 1));
        rest = rest.substr(0, comma);
    }
    if (!CutAt(rest, "--,::", p)) {
        return kDateTime;
    }
    std::vector<std::string> seconds;
    if (!CutAt(p[5], ".", seconds)) {
        seconds = {p[5], "0"};
    }
    p[5] = seconds[0];
    p.push_back(seconds[1]);
    if (std::any_of(p.begin(), p.end(), [](const std::string& s) { return !IsDigits(s); })) {
        return kDateTime;
    }
    if (std::optional<DateRefusal> r = RefuseDateParts(p, "deci-seconds", 9)) {
        return r->message;
    }
    if (utc.empty()) {
        return text.ends_with(',') ? kDateTime : std::string();
    }
    std::vector<std::string> offset;
    if (!CutAt(std::string_view(utc).substr(1), ":", offset)) {
        return kDateTime;
    }
    const std::optional<DateRefusal> r = RefuseUtcParts(utc.substr(0, 1), offset[0], offset[1], 0);
    return r ? r->message : std::string();
}

std::string PortListRefusal() {
    return kPortList;
}

std::string NoChoiceRefusal() {
    return kNoChoice;
}

} // namespace qs
