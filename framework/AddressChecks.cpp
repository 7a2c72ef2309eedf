#include "AddressChecks.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace qs {
namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValueOf(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

bool AllHex(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsHexDigit);
}

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Hex digits, two to an octet, into out (whose size is the digit count / 2).
template <std::size_t N> std::array<std::uint8_t, N> HexOctets(std::string_view digits) {
    std::array<std::uint8_t, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = static_cast<std::uint8_t>(HexValueOf(digits[2 * i]) * 16 + HexValueOf(digits[2 * i + 1]));
    }
    return out;
}

std::string HexOf(const std::uint8_t* octets, std::size_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        out += kDigits[octets[i] >> 4];
        out += kDigits[octets[i] & 0x0F];
    }
    return out;
}

// inet_pton of the trimmed text; a text with a zero character or a zone is none.
bool Pton(int family, std::string_view text, void* out) {
    const std::string s(Trimmed(text));
    if (s.empty() || s.find('\0') != std::string::npos || s.find('%') != std::string::npos) {
        return false;
    }
    return inet_pton(family, s.c_str(), out) == 1;
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

bool IsOdd(std::uint8_t octet) {
    return (octet & 1) != 0;
}

} // namespace

std::optional<IPv4Octets> ParseIPv4Address(std::string_view text) {
    IPv4Octets out{};
    if (!Pton(AF_INET, text, out.data())) {
        return std::nullopt;
    }
    return out;
}

std::optional<MacOctets> ParseMacAddress(std::string_view text) {
    const std::string_view t = Trimmed(text);
    if (t.size() == 12 && AllHex(t)) {
        return HexOctets<6>(t);
    }
    if (t.size() != 17) {
        return std::nullopt;
    }
    const char separator = t[2];
    if (separator != '-' && separator != '.' && separator != ':') {
        return std::nullopt;
    }
    std::string digits;
    for (const std::string_view group : Split(t, separator)) {
        if (group.size() != 2 || !AllHex(group)) {
            return std::nullopt;
        }
        digits += group;
    }
    return digits.size() == 12 ? std::optional<MacOctets>(HexOctets<6>(digits)) : std::nullopt;
}

std::optional<IPv6Octets> ParseIPv6Address(std::string_view text) {
    const std::string_view t = Trimmed(text);
    if (t.size() == 32 && AllHex(t)) {
        return HexOctets<16>(t);
    }
    IPv6Octets out{};
    if (!Pton(AF_INET6, t, out.data())) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> ParseInetAddress(std::string_view text) {
    if (const auto v4 = ParseIPv4Address(text)) {
        return std::vector<std::uint8_t>(v4->begin(), v4->end());
    }
    const std::string_view t = Trimmed(text);
    if (t.size() == 8 && AllHex(t)) {
        const auto octets = HexOctets<4>(t);
        return std::vector<std::uint8_t>(octets.begin(), octets.end());
    }
    if (const auto v6 = ParseIPv6Address(text)) {
        return std::vector<std::uint8_t>(v6->begin(), v6->end());
    }
    return std::nullopt;
}

std::string CanonicalIPv4Text(std::string_view text) {
    const auto octets = ParseIPv4Address(text);
    if (!octets) {
        return {};
    }
    std::string out;
    for (std::size_t i = 0; i < 4; ++i) {
        out += (i == 0 ? "" : ".") + std::to_string((*octets)[i]);
    }
    return out;
}

std::string CanonicalMacText(std::string_view text) {
    const auto octets = ParseMacAddress(text);
    return octets ? HexOf(octets->data(), octets->size()) : std::string();
}

std::string CanonicalIPv6Text(std::string_view text) {
    const auto octets = ParseIPv6Address(text);
    return octets ? HexOf(octets->data(), octets->size()) : std::string();
}

std::string CanonicalInetText(std::string_view text) {
    const auto octets = ParseInetAddress(text);
    if (!octets) {
        return {};
    }
    if (octets->size() == 16) {
        return HexOf(octets->data(), octets->size());
    }
    return std::to_string((*octets)[0]) + '.' + std::to_string((*octets)[1]) + '.' +
           std::to_string((*octets)[2]) + '.' + std::to_string((*octets)[3]);
}

std::string CanonicalInetHexText(std::string_view text) {
    const auto octets = ParseInetAddress(text);
    return octets ? HexOf(octets->data(), octets->size()) : std::string();
}

std::string IPv4AddressMessage() {
    return " Please enter an IP address such as 10.90.90.90!";
}

std::string MacAddressMessage() {
    return " Please enter a MAC address such as 00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e!";
}

std::string IPv6AddressMessage() {
    return " Please enter an IPv6 address such as 2001:db8::10, ::ffff:10.0.0.1 or "
           "20010DB8000000000000000000000010!";
}

std::string InetAddressMessage() {
    return " Please enter an IP address such as 10.90.90.90, or an IPv6 address such as 2001:db8::10!";
}

bool IsValidIPv4Text(std::string_view text) {
    return ParseIPv4Address(text).has_value();
}

bool IsMulticastIPv4Text(std::string_view text) {
    const auto octets = ParseIPv4Address(text);
    return octets && (*octets)[0] >= 224 && (*octets)[0] <= 239;
}

bool IsIPv6HexText(std::string_view text) {
    return ParseIPv6Address(text).has_value();
}

bool IsMulticastIPv6Text(std::string_view text) {
    const auto octets = ParseIPv6Address(text);
    return octets && (*octets)[0] == 0xFF;
}

bool IsValidMacText(std::string_view text) {
    return ParseMacAddress(text).has_value();
}

bool IsMulticastMacText(std::string_view text) {
    const auto m = ParseMacAddress(text);
    if (!m || std::all_of(m->begin(), m->end(), [](std::uint8_t b) { return b == 0xFF; })) {
        return false; // broadcast
    }
    if (std::all_of(m->begin() + 1, m->end(), [](std::uint8_t b) { return b == 0; })) {
        return false; // the five octets after the first are all zero
    }
    return IsOdd((*m)[0]);
}

bool IsUnicastMacText(std::string_view text) {
    const auto m = ParseMacAddress(text);
    if (!m || std::all_of(m->begin(), m->end(), [](std::uint8_t b) { return b == 0; })) {
        return false;
    }
    return !IsOdd((*m)[0]);
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
