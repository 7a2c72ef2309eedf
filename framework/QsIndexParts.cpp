// Index columns <-> the sub-identifiers of a row's instance suffix. The suffix comes from the
// agent: every length in it is checked against what is there before anything is read.
#include "QsValueTexts.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "OctetTexts.h"
#include "TextNumbers.h"

namespace {

using qs::OidVector;

// What a key takes from the suffix: its value text and the number of sub-identifiers used.
// ok false: the suffix is too short for the key.
struct KeyPart {
    std::string text;
    std::size_t used = 0;
    bool ok = true;
};

KeyPart Malformed() {
    KeyPart p;
    p.ok = false;
    return p;
}

QsOctets OctetsOf(const OidVector& s, std::size_t from, std::size_t to) {
    QsOctets out;
    out.reserve(to > from ? to - from : 0);
    for (std::size_t i = from; i < to; ++i) {
        out.push_back(static_cast<std::uint8_t>(s[i] & 0xFF));
    }
    return out;
}

std::string DottedOf(const OidVector& s, std::size_t from, std::size_t to) {
    return qs::OidToText(OidVector(s.begin() + static_cast<std::ptrdiff_t>(from),
                                   s.begin() + static_cast<std::ptrdiff_t>(to)));
}

std::string IPv4Of(const OidVector& s, std::size_t from) {
    const QsOctets o = OctetsOf(s, from, from + 4);
    return qs::FormatIPv4(o.data());
}

// A length-prefixed key (s[0] octets or sub-identifiers follow); false when they are not all there.
bool LengthFits(const OidVector& s) {
    return !s.empty() && s[0] < s.size();
}

KeyPart Fixed(const OidVector& s, std::size_t need, std::string (*text)(const OidVector&)) {
    if (s.size() < need) {
        return Malformed();
    }
    return {text(s), need};
}

std::string DoubleKeyText(const OidVector& s, bool asDateTime) {
    const double d = qs::DoubleFromBits((static_cast<std::uint64_t>(s[1]) << 32) | s[0]);
    return asDateTime ? qs::DateTimeNumberToText(d) : qs::DoubleToText(d);
}

// Octet strings: implied keys take the whole suffix; a last key skips its length and takes the
// rest; any other key takes the s[0] octets that follow its length.
KeyPart OctetKey(const OidVector& s, bool last, bool implied, bool plain) {
    const auto format = plain ? FormatPlainText : FormatHexText;
    if (implied && (last || !plain)) {
        return {format(OctetsOf(s, 0, s.size())), s.size()};
    }
    if (last && !plain) {
        return s.empty() ? Malformed() : KeyPart{format(OctetsOf(s, 1, s.size())), s.size()};
    }
    if (!LengthFits(s)) {
        return Malformed();
    }
    return {format(OctetsOf(s, 1, s[0] + 1)), s[0] + 1};
}

KeyPart OidKey(const OidVector& s, bool last, bool implied) {
    if (last && implied) {
        return {qs::OidToText(s), s.size()};
    }
    if (!LengthFits(s)) {
        return Malformed();
    }
    return {DottedOf(s, 1, s[0] + 1), s[0] + 1};
}

KeyPart Ipv6Key(const OidVector& s, bool last, bool implied) {
    if (last && implied) {
        return {FormatHexText(OctetsOf(s, 0, s.size())), s.size()};
    }
    return s.size() < 16 ? Malformed() : KeyPart{FormatHexText(OctetsOf(s, 0, 16)), 16};
}

std::string ZoneText(const OidVector& s) {
    return FormatHexText(OctetsOf(s, 1, 17)) + "%" + std::to_string(s[17]);
}

KeyPart InetKey(const OidVector& s, bool lastOrImplied) {
    const std::size_t n = s.size();
    if (lastOrImplied) {
        if (n < 4) {
            return Malformed();
        }
        if (n <= 5) {
            return {IPv4Of(s, n - 4), n};
        }
        return n <= 17 ? KeyPart{FormatHexText(OctetsOf(s, 1, n)), n} : KeyPart{ZoneText(s), 18};
    }
    if (n >= 17) {
        return {FormatHexText(OctetsOf(s, 1, 17)), 17};
    }
    if (n >= 5 && n <= 15) {
        return {IPv4Of(s, 1), 5};
    }
    return n < 4 ? Malformed() : KeyPart{IPv4Of(s, 0), 4};
}

KeyPart NumberKey(std::uint32_t syntax, const OidVector& s) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return Fixed(s, 1, [](const OidVector& v) { return std::string(v[0] != 0 ? "true" : "false"); });
    case SYN_INTEGER:
        return Fixed(s, 1,
                     [](const OidVector& v) { return std::to_string(static_cast<std::int32_t>(v[0])); });
    case SYN_TIMETICKS:
        return Fixed(s, 1, [](const OidVector& v) { return FormatTicksText(v[0]); });
    case SYN_COUNTER64:
        return Fixed(s, 2, [](const OidVector& v) {
            return std::to_string((static_cast<std::uint64_t>(v[0]) << 32) | v[1]);
        });
    case SYN_DOUBLE:
        return Fixed(s, 2, [](const OidVector& v) { return DoubleKeyText(v, false); });
    case SYN_BCDATETIME:
        return Fixed(s, 2, [](const OidVector& v) { return DoubleKeyText(v, true); });
    default: // counter, guage, uinteger
        return Fixed(s, 1, [](const OidVector& v) { return std::to_string(v[0]); });
    }
}

KeyPart DecodeKey(std::uint32_t syntax, const OidVector& s, bool last, bool implied) {
    switch (syntax) {
    case SYN_NULL:
        return {"(NULL)", 0};
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return Fixed(s, 4, [](const OidVector& v) { return IPv4Of(v, 0); });
    case SYN_MACADDRESS:
        return Fixed(s, 6, [](const OidVector& v) { return FormatHexText(OctetsOf(v, 0, 6)); });
    case SYN_DATETIME:
        return Fixed(s, 11, [](const OidVector& v) { return qs::DateTimeOctetsToText(OctetsOf(v, 0, 11)); });
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_BITLIST:
        return OctetKey(s, last, implied, false);
    case SYN_DISPLAYSTR:
        return OctetKey(s, last, implied, true);
    case SYN_OBJECTID:
        return OidKey(s, last, implied);
    case SYN_IPV6ADDRESS:
        return Ipv6Key(s, last, implied);
    case SYN_INETADDRESS:
        return InetKey(s, last || implied);
    default:
        return NumberKey(syntax, s);
    }
}

} // namespace

std::string DecodeIndexPart(QsSNMPVarList& list, int k, const std::string& suffix) {
    QsSNMPVar& var = *list.GetVar(k);
    qs::CheckValueSyntax(var.Syntax);
    OidVector s;
    KeyPart part;
    if (!suffix.empty() && !qs::OidFromText(suffix, s)) {
        part = Malformed();
    } else {
        part = DecodeKey(var.Syntax, s, k == list.PKeyCount - 1, list.IsImplied(k));
    }
    std::string rest;
    if (!part.ok) {
        part.text.clear();
    } else if (part.used < s.size()) {
        rest = DottedOf(s, part.used, s.size());
    }
    var.Value = var.OptionList != nullptr ? var.OptionList->ValueToText(part.text) : part.text;
    return rest;
}
