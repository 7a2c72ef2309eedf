#include "TextNumbers.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace qs {

namespace {

std::size_t SkipBlanks(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i;
}

// Sign and magnitude of the leading number; the magnitude saturates at 2^64-1.
std::uint64_t LeadingMagnitude(const std::string& text, bool& negative) {
    std::size_t i = SkipBlanks(text);
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t value = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

} // namespace

bool ParseInt32Exact(const std::string& text, std::int32_t& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') {
            return false;
        }
    }
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc() || ptr != last || first == last) {
        return false;
    }
    out = value;
    return true;
}

std::int64_t AtolText(const std::string& text) {
    bool negative = false;
    const std::uint64_t magnitude = LeadingMagnitude(text, negative);
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        return magnitude > kMax ? std::numeric_limits<std::int64_t>::min()
                                : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude > kMax ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

std::int32_t AtolInt32(const std::string& text) {
    return static_cast<std::int32_t>(AtolUint32(text));
}

std::uint32_t AtolUint32(const std::string& text) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(AtolText(text)));
}

std::uint64_t AtolUint64(const std::string& text) {
    bool negative = false;
    const std::uint64_t magnitude = LeadingMagnitude(text, negative);
    return negative ? 0 - magnitude : magnitude;
}

double StrToDouble(const std::string& text) {
    // strtod itself follows the process locale, which the GUI sets to the user's.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, cLocale);
}

std::string DoubleToText(double value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (std::isfinite(value) && !std::isfinite(StrToDouble(std::string(buf, result.ptr)))) {
        // Near the largest double, 15 digits round past it: the text would read back as infinite.
        result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 17);
    }
    std::string out(buf, result.ptr);
    for (char& c : out) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return out;
}

} // namespace qs
