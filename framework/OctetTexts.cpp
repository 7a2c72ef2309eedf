#include "OctetTexts.h"

#include "TextNumbers.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

using qs::HexValue;

namespace {

std::string WithoutChars(const std::string& text, const char* drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (std::strchr(drop, c) == nullptr) {
            out += c;
        }
    }
    return out;
}

QsOctets ParseHexDigits(const std::string& digits) {
    QsOctets out;
    out.reserve(digits.size() / 2 + 1);
    std::size_t i = 0;
    if (digits.size() % 2 != 0) {
        out.push_back(static_cast<std::uint8_t>(HexValue(digits[0])));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2) {
        out.push_back(static_cast<std::uint8_t>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1])));
    }
    return out;
}

} // namespace

std::string FormatHexText(const QsOctets& octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (std::uint8_t b : octets) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

QsOctets ParseHexText(const std::string& text) {
    const std::string digits = WithoutChars(text, " ");
    QsOctets address;
    std::uint32_t zone = 0;
    if (qs::SplitZoneText(digits, address, zone)) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            address.push_back(static_cast<std::uint8_t>(zone >> shift));
        }
        return address;
    }
    return ParseHexDigits(digits);
}

std::string FormatPlainText(const QsOctets& octets) {
    std::string out;
    for (std::uint8_t b : octets) {
        if (b == 0) {
            break;
        }
        out += static_cast<char>(b);
    }
    return out;
}

std::string FormatTicksText(std::uint32_t ticks) {
    const unsigned long days = ticks / 8640000u;
    unsigned long rest = ticks % 8640000u;
    const unsigned long hours = rest / 360000u;
    rest %= 360000u;
    const unsigned long minutes = rest / 6000u;
    rest %= 6000u;
    const unsigned long seconds = rest / 100u;
    const unsigned long hundredths = ticks % 100u;
    char buf[80];
    if (days == 0) {
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    } else if (days == 1) {
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    } else {
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    }
    return buf;
}

namespace {

// The atol value of the text before `mark` in `rest`, which then moves past the mark.
// Nothing happens when the mark is missing.
bool TakeBefore(std::string& rest, const char* mark, std::uint64_t& number) {
    const auto pos = rest.find(mark);
    if (pos == std::string::npos) {
        return false;
    }
    number = static_cast<std::uint64_t>(qs::AtolText(rest.substr(0, pos)));
    rest.erase(0, pos + std::strlen(mark));
    return true;
}

// A fraction of a second as a person writes it: ".5" is half a second, ".05" five hundredths;
// digits after the second are dropped.
std::uint64_t Hundredths(const std::string& fraction) {
    std::size_t digits = 0;
    while (digits < fraction.size() && digits < 2 && fraction[digits] >= '0' && fraction[digits] <= '9') {
        ++digits;
    }
    const auto value = static_cast<std::uint64_t>(qs::AtolText(fraction.substr(0, digits)));
    return digits == 1 ? value * 10 : value;
}

} // namespace

std::uint32_t ParseTicksText(const std::string& text) {
    std::uint64_t ticks = 0; // unsigned: wraps like the 32-bit result
    std::uint64_t n = 0;
    std::string rest = text;
    if (TakeBefore(rest, "days", n) || TakeBefore(rest, "day", n)) {
        ticks += n * 8640000u;
    }
    const auto comma = rest.find(',');
    if (comma != std::string::npos) {
        rest.erase(0, comma + 1);
    }
    if (TakeBefore(rest, ":", n)) {
        ticks += n * 360000u;
        const bool minutes = TakeBefore(rest, ":", n);
        if (minutes) {
            ticks += n * 6000u;
        }
        if (TakeBefore(rest, ".", n)) {
            ticks += n * 100u + Hundredths(rest);
        } else if (minutes) {
            ticks += static_cast<std::uint64_t>(qs::AtolText(rest)) * 100u; // seconds without a fraction
        }
    }
    return static_cast<std::uint32_t>(ticks);
}

namespace qs {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool ParseMacText(const std::string& text, QsOctets& out) {
    const std::string digits = WithoutChars(text, " -.:");
    if (digits.size() != 12) {
        return false;
    }
    for (char c : digits) {
        if (HexDigit(c) < 0) {
            return false;
        }
    }
    out = ParseHexDigits(digits);
    return true;
}

bool ParseIPv4Text(const std::string& text, QsOctets& out) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    QsOctets octets;
    std::size_t start = first;
    for (int part = 0; part < 4; ++part) {
        const std::size_t end = part < 3 ? text.find('.', start) : last + 1;
        if (end == std::string::npos || end <= start || end > last + 1) {
            return false;
        }
        unsigned value = 0;
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            value = std::min(value * 10 + static_cast<unsigned>(text[i] - '0'), 256u); // 256: too big
        }
        if (value > 255) {
            return false;
        }
        octets.push_back(static_cast<std::uint8_t>(value));
        start = end + 1;
    }
    out = std::move(octets);
    return true;
}

std::string FormatIPv4(const std::uint8_t* octets) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
    return buf;
}

bool SplitZoneText(const std::string& text, QsOctets& address, std::uint32_t& zone) {
    // 32 hex digits, "%", 1 to 10 decimal digits.
    if (text.size() < 34 || text.size() > 43 || text[32] != '%') {
        return false;
    }
    std::uint64_t z = 0;
    for (std::size_t i = 33; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        z = z * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    for (std::size_t i = 0; i < 32; ++i) {
        if (HexDigit(text[i]) < 0) {
            return false;
        }
    }
    if (z > 0xFFFFFFFFu) {
        return false;
    }
    address = ParseHexDigits(text.substr(0, 32));
    zone = static_cast<std::uint32_t>(z);
    return true;
}

std::uint64_t DoubleBits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

double DoubleFromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

QsOctets DoubleOctets(double value) {
    const std::uint64_t bits = DoubleBits(value);
    QsOctets out(8);
    for (int i = 0; i < 8; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return out;
}

bool DoubleFromOctets(const QsOctets& octets, double& out) {
    if (octets.size() < 8) {
        return false;
    }
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | octets[static_cast<std::size_t>(i)];
    }
    out = DoubleFromBits(bits);
    return true;
}

} // namespace qs
