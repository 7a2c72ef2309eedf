// The pure rules behind the address validators: each decides on a text alone.
#pragma once

#include <string_view>

namespace qs {

// Dotted IPv4: at most 16 characters, four parts of decimal digits (leading zeros allowed),
// each at most 255.
bool IsValidIPv4Text(std::string_view text);
// A valid IPv4 text whose first number is 224 to 239.
bool IsMulticastIPv4Text(std::string_view text);
// Exactly 32 hex digits, no separators.
bool IsIPv6HexText(std::string_view text);
// A valid IPv6 hex text in the multicast range: the first octet is FF.
bool IsMulticastIPv6Text(std::string_view text);
// Six groups of two hex digits joined by "-" (when the text holds a "-") or by "." (when it
// holds a "."), or 12 hex digits without separator.
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
