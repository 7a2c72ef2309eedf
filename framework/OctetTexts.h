// The framework's text forms of octets and time ticks, and the address texts the value
// conversions share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using QsOctets = std::vector<std::uint8_t>;

// Two upper-case hex digits per octet, no separators: 0A FF 01 -> "0AFF01".
std::string FormatHexText(const QsOctets& octets);
// Blanks are dropped; an odd count makes the first digit an octet of its own; a character that
// is not a hex digit counts as 0. "0A FF 01" and "0aff01" -> 0A FF 01, "abc" -> 0A BC.
// The IPv6 zone form, 32 hex digits, "%" and a decimal zone index, gives the 16 address octets
// followed by the zone index in four octets, most significant first.
QsOctets ParseHexText(const std::string& text);
// The octets as characters, up to the first zero octet.
std::string FormatPlainText(const QsOctets& octets);
// TimeTicks text: "2:03:04.05", "1 day 2:03:04.05", "3 days, 2:03:04.05". Read leniently
// (numbers as atol reads them), seconds without a fraction included, a fraction as a person
// means it (".5" is half a second).
std::string FormatTicksText(std::uint32_t ticks);
std::uint32_t ParseTicksText(const std::string& text);

namespace qs {

// The value of one hex digit (either case), or -1 for any other character.
int HexDigit(char c);
// The same, reading any other character as 0, as the hex texts do.
inline int HexValue(char c) {
    const int d = HexDigit(c);
    return d < 0 ? 0 : d;
}

// A MAC address as 12 hex digits, or with "-", "." or ":" separators (blanks are dropped).
// False when the text does not give exactly six octets.
bool ParseMacText(const std::string& text, QsOctets& out);
// A dotted IPv4 text of four decimal parts of 0 to 255, leading zeros read as decimal (never as
// octal), blanks around it taken; false when it is none. Typed text takes the stricter
// ParseIPv4Address.
bool ParseIPv4Text(const std::string& text, QsOctets& out);
// Dotted decimal of four octets.
std::string FormatIPv4(const std::uint8_t* octets);

// The zone form's pieces: true when text is 32 hex digits, "%" and a decimal zone index.
bool SplitZoneText(const std::string& text, QsOctets& address, std::uint32_t& zone);

// A double's bits, least significant octet first on the wire.
std::uint64_t DoubleBits(double value);
double DoubleFromBits(std::uint64_t bits);
QsOctets DoubleOctets(double value);
// Octets 0 to 7 as a double; false when fewer than 8.
bool DoubleFromOctets(const QsOctets& octets, double& out);

} // namespace qs
