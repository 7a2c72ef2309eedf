// The typed-text parses of octet values, identifiers, addresses, reals and port lists.
#include "AddressChecks.h"
#include "OctetTexts.h"
#include "PortListTexts.h"
#include "QsSNMPVar.h"
#include "TextNumbers.h"
#include "TextUtils.h"
#include "TypedTextParts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qs {
namespace {

using namespace typed;

constexpr int kTextLengthEntry = 4;
constexpr int kHexLengthEntry = 6;
constexpr int kHexFixedEntry = 7;
constexpr int kMaxSubIds = 128; // an instance has at most 128 sub-identifiers
constexpr std::uint32_t kMaxSubId = std::numeric_limits<std::uint32_t>::max();

bool IsHex(char c) {
    return HexDigit(c) >= 0;
}

SnmpValue Octets(QsOctets bytes) {
    return SnmpValue::fromBytes(SnmpType::OctetString, std::move(bytes));
}

// The room a string key leaves after its length sub-identifier, within the column's size.
int StringLimit(const TypedField& field, int size) {
    return field.key && field.keyRoom > 0 ? std::min(size, field.keyRoom - 1) : size;
}

std::vector<std::string_view> SplitAt(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

} // namespace

std::optional<std::string> CanonicalHexText(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    const std::size_t at = t.find_first_of(" :-");
    std::string digits;
    if (at == std::string_view::npos) {
        digits = t;
    } else {
        for (const std::string_view pair : SplitAt(t, t[at])) {
            if (pair.size() != 2) {
                return std::nullopt; // pairs only, one kind of separator, one between two pairs
            }
            digits += pair;
        }
    }
    if (digits.size() % 2 != 0 || !std::all_of(digits.begin(), digits.end(), IsHex)) {
        return std::nullopt;
    }
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](char c) { return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c; });
    return digits;
}

bool IsEncodableOid(const OidVector& oid) {
    return oid.size() >= 2 && oid[0] <= 2 && (oid[0] == 2 ? oid[1] <= kMaxSubId - 80 : oid[1] < 40);
}

namespace typed {

Parsed ParseHex(std::string_view text, const TypedField& field) {
    const EditFormat* f = field.format;
    const bool sized = f != nullptr && f->length > 0;
    const auto digits = static_cast<int>(std::count_if(text.begin(), text.end(), IsHex));
    if (sized && (f->lengthFlags & LF_FIXED) && digits != f->length) {
        return Refused(FillPlaceholders(Entry(kHexFixedEntry), {{kLen, std::to_string(f->length)}}));
    }
    const std::optional<std::string> hex = CanonicalHexText(text);
    if (!hex) {
        return Refused(kHexBytes);
    }
    const int limit = sized ? f->length : 2 * StringLimit(field, kDefaultStringSize);
    if (static_cast<int>(hex->size()) > limit) {
        return Refused(LengthMessage(kHexLengthEntry, limit));
    }
    return {Octets(ParseHexText(*hex)), {}};
}

// The bytes as they are, counted in octets: what the SET carries.
Parsed ParseDisplayString(const std::string& text, const TypedField& field) {
    const bool sized = field.format != nullptr && field.format->length > 0;
    const int limit = StringLimit(field, sized ? field.format->length : kDefaultStringSize);
    if (static_cast<int>(text.size()) > limit) {
        return Refused(LengthMessage(kTextLengthEntry, limit));
    }
    if (text.find('\0') != std::string::npos) {
        return Refused(kZeroByte); // a read would end the text there
    }
    return {Octets(QsOctets(text.begin(), text.end())), {}};
}

// Dotted numbers; a value as X.690 encodes it (IsEncodableOid), a key within the room it has.
Parsed ParseObjectId(std::string_view text, const TypedField& field) {
    if (text.starts_with('.')) {
        text.remove_prefix(1);
    }
    OidVector oid;
    for (const std::string_view part : SplitAt(text, '.')) {
        const std::optional<Whole> w = IsDigits(part) ? ParseWhole(part) : std::nullopt;
        if (!w || w->overflow || w->magnitude > kMaxSubId) {
            return Refused(kObjectId);
        }
        oid.push_back(static_cast<std::uint32_t>(w->magnitude));
    }
    const int room = field.key ? field.keyRoom - 1 : 0;
    const int limit = room > 0 ? std::min(room, kMaxSubIds) : kMaxSubIds;
    // A key's numbers go into the instance one by one; a value's first two travel as one.
    if ((!field.key && !IsEncodableOid(oid)) || static_cast<int>(oid.size()) > limit) {
        return Refused(kObjectId);
    }
    return {SnmpValue::fromOid(std::move(oid)), {}};
}

Parsed ParseAddress(std::uint32_t syntax, std::string_view text) {
    switch (syntax) {
    case SYN_MACADDRESS: {
        const auto mac = ParseMacAddress(text);
        return mac ? Parsed{Octets(QsOctets(mac->begin(), mac->end())), {}} : Refused(MacAddressMessage());
    }
    case SYN_IPV6ADDRESS: {
        const auto v6 = ParseIPv6Address(text);
        return v6 ? Parsed{Octets(QsOctets(v6->begin(), v6->end())), {}} : Refused(IPv6AddressMessage());
    }
    case SYN_INETADDRESS: {
        auto inet = ParseInetAddress(text);
        return inet ? Parsed{Octets(std::move(*inet)), {}} : Refused(InetAddressMessage());
    }
    default: { // ipaddress, nsapaddr
        const auto v4 = ParseIPv4Address(text);
        return v4 ? Parsed{SnmpValue::fromBytes(SnmpType::IpAddress, QsOctets(v4->begin(), v4->end())), {}}
                  : Refused(IPv4AddressMessage());
    }
    }
}

// A decimal real: an optional sign, digits with an optional fraction, an optional exponent; taken
// when the program's own text of the number (15 significant digits) gives the same number back.
Parsed ParseReal(std::string_view text) {
    std::string_view s = text;
    if (s.starts_with('-') || s.starts_with('+')) {
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
    const bool form = (IsDigits(whole) || (whole.empty() && IsDigits(fraction))) &&
                      (fraction.empty() || IsDigits(fraction)) &&
                      (e == std::string_view::npos || IsDigits(exponent));
    const double value = form ? StrToDouble(std::string(text)) : 0.0;
    if (!form || !std::isfinite(value)) {
        return Refused(kReal);
    }
    if (StrToDouble(DoubleToText(value)) != value) {
        return Refused(kRealDigits); // the program shows and reads 15 digits
    }
    return {Octets(DoubleOctets(value)), {}};
}

// Ports of a map as wide as the field's template (or as the highest port needs).
Parsed ParsePortList(const std::string& text, const TypedField& field) {
    const std::string templ = field.portTemplate.empty() ? PortTemplateFor(text) : field.portTemplate;
    std::string hex;
    if (templ.empty() || !PortTextToBitList(text, templ, hex)) {
        return Refused(PortListRefusal());
    }
    return {Octets(ParseHexText(hex)), {}};
}

} // namespace typed
} // namespace qs
