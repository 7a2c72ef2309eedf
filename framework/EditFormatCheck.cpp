// The whole-text checks of the edit-format language, on a text alone: what an edit's exit check
// and the check before a write both apply.
#include "AddressChecks.h"
#include "EditFormat.h"
#include "MessageTable.h"
#include "QsNumList.h"
#include "TextUtils.h"

#include <QString>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace qs {
namespace {

bool IsDigitAt(const std::string& s, std::size_t n) {
    return n < s.size() && std::isdigit(static_cast<unsigned char>(s[n]));
}

// The leading decimal real of the text (sign, digits, fraction and, with exponent, an exponent as
// a real number's text carries it: "7e-1" is 0.7); 0 when it starts with none.
double LeadingReal(const std::string& s, bool exponent) {
    std::size_t n = 0;
    if (n < s.size() && (s[n] == '-' || s[n] == '+')) {
        ++n;
    }
    const std::size_t digits = n;
    while (IsDigitAt(s, n) || (n < s.size() && s[n] == '.')) {
        ++n;
    }
    if (n == digits) {
        return 0.0;
    }
    if (exponent && n + 1 < s.size() && (s[n] == 'e' || s[n] == 'E')) {
        const std::size_t sign = s[n + 1] == '-' || s[n + 1] == '+' ? 1 : 0;
        if (IsDigitAt(s, n + 1 + sign)) {
            n += 1 + sign;
            while (IsDigitAt(s, n)) {
                ++n;
            }
        }
    }
    return std::strtod(s.substr(0, n).c_str(), nullptr);
}

// A bound cut toward zero and taken as an unsigned 32-bit value.
unsigned AsUnsigned(double v) {
    const double t = std::fmod(std::trunc(v), 4294967296.0);
    return static_cast<unsigned>(static_cast<long long>(t < 0 ? t + 4294967296.0 : t));
}

std::string Entry(int k) {
    return CommonErrTable().Text(k);
}

// The common table's entry for a failing address form, or 0.
int AddressEntry(unsigned char kind, const std::string& text) {
    switch (kind) {
    case AK_IPV4:
        return IsValidIPv4Text(text) ? 0 : 19;
    case AK_MULTICAST_IPV4:
        return IsMulticastIPv4Text(text) ? 0 : 20;
    case AK_IPV6:
        return IsIPv6HexText(text) ? 0 : 21;
    case AK_MULTICAST_IPV6:
        return IsMulticastIPv6Text(text) ? 0 : 22;
    case AK_MAC:
        return IsValidMacText(text) ? 0 : 23;
    case AK_MULTICAST_MAC:
        return IsValidMacText(text) && IsMulticastMacText(text) ? 0 : 24;
    case AK_UNICAST_MAC:
        return IsValidMacText(text) && IsUnicastMacText(text) ? 0 : 25;
    default:
        return 0;
    }
}

std::string CheckItems(const EditFormat& f, const std::string& text) {
    QsNumList<unsigned> list;
    list.Delimiter = f.delimiter;
    list.Parse(text);
    const std::string delimiter(1, f.delimiter);
    const std::string len = std::to_string(f.length);
    if (f.length > 0 && (f.lengthFlags & LF_FIXED) && list.GetCount() != f.length) {
        return FillPlaceholders(Entry(10), {{kDelimiter, delimiter}, {kCount, len}});
    }
    if (f.length > 0 && !(f.lengthFlags & LF_FIXED) && list.GetCount() > f.length) {
        return FillPlaceholders(Entry(9), {{kDelimiter, delimiter}, {kMaxCount, len}});
    }
    const unsigned min = AsUnsigned(f.minimum);
    const unsigned max = AsUnsigned(f.maximum);
    if (!list.AllInRange(min, max)) {
        return FillPlaceholders(
            Entry(11), {{kDelimiter, delimiter}, {kMin, std::to_string(min)}, {kMax, std::to_string(max)}});
    }
    return {};
}

} // namespace

std::string RangeMessage(double minimum, double maximum) {
    return FillPlaceholders(Entry(8), {{kMin, FormatBound(minimum)}, {kMax, FormatBound(maximum)}});
}

std::string CheckFormatText(const EditFormat& f, const std::string& text) {
    switch (f.conversion) {
    case 'f':
    case 'i':
    case 'u': {
        // The value the text sends: a real number's exponent counts, an integer reads its digits.
        const double v = LeadingReal(text, f.conversion == 'f');
        return v < f.minimum || v > f.maximum ? RangeMessage(f.minimum, f.maximum) : std::string();
    }
    case 'n':
        return CheckItems(f, text);
    default:
        break;
    }
    const std::string len = std::to_string(f.length);
    if (f.addressKind != AK_NONE) {
        const int entry = AddressEntry(f.addressKind, text);
        return entry > 0 ? FillPlaceholders(Entry(entry), {{kMaxLen, len}}) : std::string();
    }
    const bool hex = f.conversion == 'h';
    const auto size = QString::fromStdString(text).size(); // characters, as the edit counts them
    if (f.length > 0 && (f.lengthFlags & LF_FIXED) && size != f.length) {
        return FillPlaceholders(Entry(hex ? 7 : 5), {{kLen, len}});
    }
    if (f.length > 0 && !(f.lengthFlags & LF_FIXED) && size > f.length) {
        return FillPlaceholders(Entry(hex ? 6 : 4), {{kMaxLen, len}});
    }
    return {};
}

} // namespace qs
