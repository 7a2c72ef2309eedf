#include "TypedText.h"

#include "MessageTable.h"
#include "QsByteForms.h"
#include "QsOptionList.h"
#include "QsSNMPVar.h"
#include "QsValueTexts.h"
#include "TextNumbers.h"
#include "TextUtils.h"
#include "TypedTextParts.h"

#include <algorithm>
#include <limits>

namespace qs {
namespace typed {

std::string Entry(int k) {
    return CommonErrTable().Text(k);
}

std::string LengthMessage(int entry, int limit) {
    return FillPlaceholders(Entry(entry), {{kMaxLen, std::to_string(limit)}});
}

bool IsDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::optional<Whole> ParseWhole(std::string_view text, bool plusTaken) {
    Whole w;
    if (!text.empty() && (text[0] == '-' || (plusTaken && text[0] == '+'))) {
        w.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    constexpr std::uint64_t kMaxMagnitude = std::numeric_limits<std::uint64_t>::max();
    for (const char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        w.overflow = w.overflow || w.magnitude > (kMaxMagnitude - digit) / 10;
        w.magnitude = w.overflow ? kMaxMagnitude : w.magnitude * 10 + digit;
    }
    return w;
}

bool PartIn(std::string_view text, long long min, long long max) {
    const std::optional<Whole> w = IsDigits(text) ? ParseWhole(text) : std::nullopt;
    return w && !w->overflow && w->value() >= min && w->value() <= max;
}

} // namespace typed

namespace {

using namespace typed;

constexpr const char* kOneOf = " Please enter one of: [VALUES]!";
constexpr const char* kPortList = " Please enter port numbers such as 1-3,5!";
constexpr const char* kNoChoice = " Please select an entry!";
constexpr const char* kMarkerKey = " Please enter a value: (NULL) and (NOTDONE) mark values not read!";
constexpr std::string_view kValues = "[VALUES]";
constexpr int kEmptyEntry = 3;

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
    case SYN_INT16: // written as two octets, shown as 0 to 65535 as its unsigned twin is
        return TypeRange{-32768, 65535};
    case SYN_UINT16:
        return TypeRange{0, 65535};
    default:
        return std::nullopt;
    }
}

bool HasNumberRange(const EditFormat* f) {
    return f != nullptr && (f->conversion == 'i' || f->conversion == 'u' || f->conversion == 'f');
}

bool IsPartSyntax(std::uint32_t syntax) {
    return syntax >= SYN_BOOL8 && syntax <= SYN_UINT16;
}

// A number's value as the SET carries it.
SnmpValue NumberValue(std::uint32_t syntax, const Whole& w) {
    const auto low32 = static_cast<std::uint32_t>(w.negative ? 0 - w.magnitude : w.magnitude);
    switch (syntax) {
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return SnmpValue::fromUnsigned(SnmpType::Gauge32, low32);
    case SYN_COUNTER64:
        return SnmpValue::fromCounter64(w.magnitude);
    default: // integer and the parts inside an octet string
        return SnmpValue::fromInt(static_cast<std::int32_t>(low32));
    }
}

// A whole number within the type's range and, when the format gives one, within the format's:
// whatever the format refuses gets the format's range message.
Parsed ParseNumber(std::string_view text, const TypedField& field, const TypeRange& type) {
    const std::optional<Whole> w = ParseWhole(text, true);
    const EditFormat* f = field.format;
    if (HasNumberRange(f) && (!w || w->value() < f->minimum || w->value() > f->maximum)) {
        return Refused(RangeMessage(f->minimum, f->maximum));
    }
    if (!w || !type.Holds(*w)) {
        return Refused(FillPlaceholders(
            kWholeNumber, {{kMin, std::to_string(type.low)}, {kMax, std::to_string(type.high)}}));
    }
    return {NumberValue(field.syntax, *w), {}};
}

// An enumerated integer: one of the list's display texts or values.
Parsed ParseEnumeration(std::string_view text, const QsOptionList& options) {
    if (const int i = options.IndexOfText(std::string(text)); i >= 0) {
        return {SnmpValue::fromInt(static_cast<std::int32_t>(options.GetOption(i).value)), {}};
    }
    const std::optional<Whole> w = ParseWhole(text, true);
    if (w && RangeOf(SYN_INTEGER)->Holds(*w)) {
        for (int i = 0; i < options.GetCount(); ++i) {
            if (static_cast<long double>(options.GetOption(i).value) == w->value()) {
                return {SnmpValue::fromInt(static_cast<std::int32_t>(w->value())), {}};
            }
        }
    }
    std::string names;
    for (int i = 0; i < options.GetCount(); ++i) {
        names += (i == 0 ? "" : ", ") + options.GetOption(i).text;
    }
    return Refused(FillPlaceholders(kOneOf, {{kValues, names}}));
}

Parsed ParseTruth(std::string_view text) {
    if (text != "true" && text != "false") {
        return Refused(kTruth);
    }
    return {SnmpValue::fromInt(text == "true" ? 1 : 0), {}};
}

// The parse of the syntax alone, on the value text after the option list.
Parsed ParseBySyntax(const std::string& text, const TypedField& field) {
    if (field.syntax == SYN_DISPLAYSTR) {
        return ParseDisplayString(text, field); // blanks are part of a text
    }
    if (field.syntax == SYN_BITLIST) {
        return ParsePortList(text, field);
    }
    const std::string_view t = TrimBlanks(text);
    if (std::optional<TypeRange> range = RangeOf(field.syntax)) {
        if (field.key) {
            range->low = std::max<std::int64_t>(range->low, 0); // a sub-identifier is never negative
        }
        return ParseNumber(t, field, *range);
    }
    switch (field.syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8:
    case SYN_BOOL16:
        return ParseTruth(t);
    case SYN_NULL:
        return {SnmpValue::null(), {}};
    case SYN_OBJECTID:
        return ParseObjectId(t, field);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
    case SYN_INETADDRESS:
        return ParseAddress(field.syntax, t);
    case SYN_TIMETICKS:
        return ParseTicks(t);
    case SYN_DOUBLE:
        return ParseReal(t);
    case SYN_DATETIME:
        return ParseDateTime(t);
    case SYN_BCDATETIME:
        return ParseBcDateTime(t);
    default: // bitstr, octetstr, opaque
        return ParseHex(t, field);
    }
}

// The value's text as a read gives it, through the field's option list.
std::string CanonicalText(const SnmpValue& value, const TypedField& field) {
    if (IsPartSyntax(field.syntax)) {
        const std::string number = field.syntax == SYN_BOOL8 || field.syntax == SYN_BOOL16
                                       ? (value.integer != 0 ? "true" : "false")
                                       : std::to_string(value.integer);
        const std::string text = OctetsToText(TextToOctets(number, field.syntax), field.syntax);
        return field.options != nullptr ? field.options->ValueToText(text) : text;
    }
    QsSNMPVar var;
    var.Syntax = field.syntax;
    var.OptionList = field.options;
    return StoreVbText(var, value);
}

bool IsMarker(const std::string& text) {
    return text == "(NULL)" || text == "(NOTDONE)";
}

// The format's range, items and address form, on the value (an option list's display text is
// judged by its value); lengths are the column's own rule (an edit's length limit already bounds
// what can be typed).
std::string RefuseByFormat(const std::string& typed, const TypedField& field) {
    const EditFormat* f = field.format;
    if (f != nullptr && (HasNumberRange(f) || f->conversion == 'n' || f->addressKind != AK_NONE)) {
        return CheckFormatText(*f, field.options != nullptr ? field.options->TextToValue(typed) : typed);
    }
    return {};
}

// A part inside an octet string is the number its byte form reads back (an int16 of -1 is 65535).
SnmpValue PartValue(const std::string& canonical, const QsOptionList* options) {
    const std::string text = options != nullptr ? options->TextToValue(canonical) : canonical;
    if (text == "true" || text == "false") {
        return SnmpValue::fromInt(text == "true" ? 1 : 0);
    }
    return SnmpValue::fromInt(AtolInt32(text));
}

} // namespace

TypedValue ParseTypedText(const std::string& text, const TypedField& field) {
    TypedValue out;
    if (field.syntax == SYN_NULL) {
        out.text = "(NULL)"; // a NULL column sends no value whatever is typed
        return out;
    }
    // A text keeps its blanks; every other value is taken with blanks around it.
    const std::string typed = field.syntax == SYN_DISPLAYSTR ? text : std::string(TrimBlanks(text));
    if (field.key && typed.empty() && field.syntax != SYN_DISPLAYSTR) {
        out.refusal = Entry(kEmptyEntry); // only a text key may be empty (a VACM context prefix often is)
        return out;
    }
    if (typed.empty() &&
        (field.syntax == SYN_BITSTR || field.syntax == SYN_OCTETSTR || field.syntax == SYN_OPAQUE)) {
        out.marker = true; // an empty octet value: sent as no value, as its bytes read
        return out;
    }
    if (IsMarker(text)) {
        if (field.key) {
            out.refusal = kMarkerKey;
            return out;
        }
        out.text = text; // the program's own marker of a value not read: sent as before
        out.marker = true;
        return out;
    }
    if (std::string message = RefuseByFormat(typed, field); !message.empty()) {
        out.refusal = std::move(message);
        return out;
    }
    Parsed parsed;
    if (field.options != nullptr && field.syntax == SYN_INTEGER && field.options->ValueType() == OVT_INT) {
        parsed = ParseEnumeration(typed, *field.options);
    } else {
        parsed = ParseBySyntax(field.options != nullptr ? field.options->TextToValue(typed) : typed, field);
    }
    if (!parsed.refusal.empty()) {
        out.refusal = std::move(parsed.refusal);
        return out;
    }
    out.text = CanonicalText(parsed.value, field);
    out.value = IsPartSyntax(field.syntax) ? PartValue(out.text, field.options) : std::move(parsed.value);
    return out;
}

std::string RefuseTypedText(const std::string& text, const TypedField& field) {
    return ParseTypedText(text, field).refusal;
}

std::string HexWritingRefusal() {
    return kHexBytes;
}

std::string PortListRefusal() {
    return kPortList;
}

std::string NoChoiceRefusal() {
    return kNoChoice;
}

} // namespace qs
