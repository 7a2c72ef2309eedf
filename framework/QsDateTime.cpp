#include "QsDateTime.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>

namespace {

constexpr std::size_t kNumbers = 9;
using Numbers = std::array<std::uint32_t, kNumbers>;

// Reads one decimal number as the C library's "%d" does: blanks skipped, an optional sign, at
// least one digit. The value wraps in 32 bits; the fields take their low bytes anyway.
bool ScanNumber(std::string_view& text, std::uint32_t& out) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    const std::size_t firstDigit = i;
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10U + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (i == firstDigit) {
        return false;
    }
    out = negative ? 0U - value : value;
    text.remove_prefix(i);
    return true;
}

// Matches `pattern`, where "#" stands for a number and every other character for itself, and
// returns how many numbers were read before the text stopped matching.
std::size_t ScanPattern(std::string_view text, std::string_view pattern, Numbers& out) {
    std::size_t count = 0;
    for (const char p : pattern) {
        if (p == '#') {
            if (!ScanNumber(text, out[count])) {
                break;
            }
            ++count;
        } else if (text.empty() || text.front() != p) {
            break;
        } else {
            text.remove_prefix(1);
        }
    }
    return count;
}

} // namespace

QsDateTime::QsDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SetYear(static_cast<std::uint16_t>(local.tm_year + 1900));
    bytes_[2] = static_cast<std::uint8_t>(local.tm_mon + 1);
    bytes_[3] = static_cast<std::uint8_t>(local.tm_mday);
    bytes_[4] = static_cast<std::uint8_t>(local.tm_hour);
    bytes_[5] = static_cast<std::uint8_t>(local.tm_min);
    bytes_[6] = static_cast<std::uint8_t>(local.tm_sec);
    bytes_[8] = '+';
}

QsDateTime::QsDateTime(std::string_view text) {
    Numbers n{};
    char direction = '+';
    // With deci-seconds and an offset, then with an offset but no deci-seconds (they are 0), then
    // without an offset.
    const std::pair<std::string_view, char> withOffset[] = {{"#-#-#,#:#:#.#,+#:#", '+'},
                                                            {"#-#-#,#:#:#.#,-#:#", '-'},
                                                            {"#-#-#,#:#:#,+#:#", '+'},
                                                            {"#-#-#,#:#:#,-#:#", '-'}};
    bool matched = false;
    for (const auto& [pattern, sign] : withOffset) {
        n = {};
        const std::size_t count = ScanPattern(text, pattern, n);
        if (count == kNumbers || (count == kNumbers - 1 && pattern.find('.') == std::string_view::npos)) {
            if (count == kNumbers - 1) { // no deci-seconds: the offset moves up one field
                n = {n[0], n[1], n[2], n[3], n[4], n[5], 0, n[6], n[7]};
            }
            direction = sign;
            matched = true;
            break;
        }
    }
    if (!matched) {
        n = {};
        ScanPattern(text, "#-#-#,#:#:#.#", n);
    }
    SetYear(static_cast<std::uint16_t>(n[0]));
    for (std::size_t i = 1; i < 7; ++i) {
        bytes_[i + 1] = static_cast<std::uint8_t>(n[i]);
    }
    bytes_[8] = static_cast<std::uint8_t>(direction);
    bytes_[9] = static_cast<std::uint8_t>(n[7]);
    bytes_[10] = static_cast<std::uint8_t>(n[8]);
}

void QsDateTime::CopyFromOctets(std::span<const std::uint8_t> octets) {
    bytes_ = {};
    std::copy_n(octets.begin(), std::min(octets.size(), kOctets), bytes_.begin());
}

void QsDateTime::SwapYear() {
    std::swap(bytes_[0], bytes_[1]);
}

std::uint16_t QsDateTime::Year() const {
    std::uint16_t year = 0;
    std::memcpy(&year, bytes_.data(), sizeof year);
    return year;
}

void QsDateTime::SetYear(std::uint16_t year) {
    std::memcpy(bytes_.data(), &year, sizeof year);
}

std::string QsDateTime::ToText() const {
    auto num = [](unsigned v) { return std::to_string(v); };
    std::string text = num(Year()) + '-' + num(Month()) + '-' + num(Day()) + ',' + num(Hour()) + ':' +
                       num(Minutes()) + ':' + num(Seconds()) + '.' + num(DeciSeconds());
    const bool hasOffset = UtcHours() != 0 || UtcMinutes() != 0;
    if (hasOffset && (Direction() == '+' || Direction() == '-')) {
        text += ',';
        text += Direction();
        text += num(UtcHours()) + ':' + num(UtcMinutes());
    }
    return text;
}
