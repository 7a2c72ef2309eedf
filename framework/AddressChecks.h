// The address rules: one parse per address kind, and the checks the validators and the edit
// formats make with them. Each decides on a text alone.
//
// Every parse takes blanks (spaces and tabs) around the address and nothing else around it, and
// returns the address's octets or nothing. The canonical texts are the forms the program shows,
// stores and sends; a writing a parse takes is turned into them before anything else sees it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

using IPv4Octets = std::array<std::uint8_t, 4>;
using MacOctets = std::array<std::uint8_t, 6>;
using IPv6Octets = std::array<std::uint8_t, 16>;

// Dotted decimal as inet_pton reads it: exactly four parts, each 0 to 255 in decimal digits
// without a leading zero ("010.0.0.1" is refused, never read as octal).
std::optional<IPv4Octets> ParseIPv4Address(std::string_view text);
// A MAC address: 12 hex digits, or six pairs joined by "-", "." or ":" (one separator
// throughout), either case: 00-1A-2B-3C-4D-5E, 00.1a.2b.3c.4d.5e, 00:1a:2b:3c:4d:5e.
std::optional<MacOctets> ParseMacAddress(std::string_view text);
// An IPv6 address: the text form of RFC 4291 (groups of up to four hex digits, "::" for a run of
// zero groups, a dotted IPv4 tail as in ::ffff:10.0.0.1), or 32 hex digits. A zone ("%eth0") is
// refused: no column of the program holds one.
std::optional<IPv6Octets> ParseIPv6Address(std::string_view text);
// An InetAddress: an IPv4 address (4 octets, dotted or as 8 hex digits) or an IPv6 address
// (16 octets, in the writings of ParseIPv6Address).
std::optional<std::vector<std::uint8_t>> ParseInetAddress(std::string_view text);

// The canonical texts, or the empty text when the parse refuses the text.
std::string CanonicalIPv4Text(std::string_view text); // "10.0.0.1"
std::string CanonicalMacText(std::string_view text);  // "001A2B3C4D5E"
std::string CanonicalIPv6Text(std::string_view text); // 32 upper-case hex digits
// The InetAddress value text: dotted for IPv4, 32 upper-case hex digits for IPv6.
std::string CanonicalInetText(std::string_view text);
// The same address as hex: 8 upper-case hex digits for IPv4, 32 for IPv6 (a key column that
// holds the address octets as hex, such as the ARP table's).
std::string CanonicalInetHexText(std::string_view text);

// Our own refusals, each naming the writings taken (with a leading blank, as the common message
// table writes its texts).
std::string IPv4AddressMessage(); // " Please enter an IP address such as 10.90.90.90!"
std::string MacAddressMessage();  // " ... such as 00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e!"
std::string IPv6AddressMessage(); // " ... such as 2001:db8::10, ::ffff:10.0.0.1 or 32 hex digits!"
std::string InetAddressMessage(); // either of the two above

// The checks of the validators and edit formats, on the parses above.
bool IsValidIPv4Text(std::string_view text);
// A valid IPv4 text whose first number is 224 to 239.
bool IsMulticastIPv4Text(std::string_view text);
// A valid IPv6 text in any writing of ParseIPv6Address (the name is the validator's).
bool IsIPv6HexText(std::string_view text);
// A valid IPv6 text in the multicast range: the first octet is FF.
bool IsMulticastIPv6Text(std::string_view text);
bool IsValidMacText(std::string_view text);
// On a valid MAC text: group bit set in the first octet, neither broadcast nor all-zero after
// the first octet.
bool IsMulticastMacText(std::string_view text);
// On a valid MAC text: group bit clear and not all-zero.
bool IsUnicastMacText(std::string_view text);
// A whole decimal number (optional leading "-", at most 10 characters) that is 0 or 60 to
// 1000000.
bool IsValidRecoverTimeText(std::string_view text);

} // namespace qs
