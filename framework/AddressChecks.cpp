#include "AddressChecks.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace qs {
namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool AllHex(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsHexDigit);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

// The four numbers of a dotted IPv4 text, or false.
bool ParseIPv4(std::string_view text, int (&numbers)[4]) {
    if (text.size() > 16) {
        return false;
    }
    const std::vector<std::string_view> parts = Split(text, '.');
    if (parts.size() != 4) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        const std::string_view p = parts[static_cast<std::size_t>(i)];
        if (p.empty() || !std::all_of(p.begin(), p.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return false;
        }
        int value = 0;
        for (char c : p) {
            value = std::min(value * 10 + (c - '0'), 256); // the text is short; 256 marks "too big"
        }
        if (value > 255) {
            return false;
        }
        numbers[i] = value;
    }
    return true;
}

bool IsOddHexDigit(char c) {
    const std::string_view odd = "13579BDFbdf";
    return odd.find(c) != std::string_view::npos;
}

} // namespace

bool IsValidIPv4Text(std::string_view text) {
    int numbers[4];
    return ParseIPv4(text, numbers);
}

bool IsMulticastIPv4Text(std::string_view text) {
    int numbers[4];
    return ParseIPv4(text, numbers) && numbers[0] >= 224 && numbers[0] <= 239;
}

bool IsIPv6HexText(std::string_view text) {
    return text.size() == 32 && AllHex(text);
}

bool IsMulticastIPv6Text(std::string_view text) {
    return IsIPv6HexText(text) && (text[0] == 'F' || text[0] == 'f') && (text[1] == 'F' || text[1] == 'f');
}

bool IsValidMacText(std::string_view text) {
    const char separator = text.find('-') != std::string_view::npos   ? '-'
                           : text.find('.') != std::string_view::npos ? '.'
                                                                      : '\0';
    if (separator == '\0') {
        return text.size() == 12 && AllHex(text);
    }
    const std::vector<std::string_view> groups = Split(text, separator);
    return groups.size() == 6 && std::all_of(groups.begin(), groups.end(),
                                             [](std::string_view g) { return g.size() == 2 && AllHex(g); });
}

bool IsMulticastMacText(std::string_view text) {
    if (std::count_if(text.begin(), text.end(), [](char c) { return c == 'F' || c == 'f'; }) == 12) {
        return false; // broadcast
    }
    if (text.size() < 2 || std::count(text.begin() + 2, text.end(), '0') > 9) {
        return false; // the five octets after the first are all zero
    }
    return IsOddHexDigit(text[1]);
}

bool IsUnicastMacText(std::string_view text) {
    if (std::count(text.begin(), text.end(), '0') == 12 || text.size() < 2) {
        return false;
    }
    return !IsOddHexDigit(text[1]);
}

bool IsValidRecoverTimeText(std::string_view text) {
    if (text.empty() || text.size() > 10) {
        return false;
    }
    const bool negative = text[0] == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const std::int64_t value = std::stoll(std::string(digits)) * (negative ? -1 : 1);
    return value == 0 || (value >= 60 && value <= 1000000);
}

} // namespace qs
