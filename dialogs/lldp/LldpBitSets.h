// The LLDP BITS values (TLV transmit enables, system capabilities, link-aggregation status) as
// texts of names and back. A value arrives as octet-string value text (upper-case hex, two digits
// an octet); bit 0 of the BITS is the most significant bit of its first octet. A name text is one
// blank followed by the names of the set bits in table order, joined by "," (" " for none).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qs {

// The names of the eight bits of the first octet, mask 0x80 first; null where a bit has none.
using LldpNameTable = std::array<const char*, 8>;

extern const LldpNameTable PortTlvNames;
extern const LldpNameTable Dot3TlvNames;
extern const LldpNameTable LinkAggStatusNames;
extern const LldpNameTable LocalCapabilityNames;
extern const LldpNameTable RemoteCapabilityNames;

// The 32-bit value (wrapping) of the hex digits at the start of text; 0 when there are none.
std::int32_t HexTextToInt(std::string_view text);
// The name text of the bits set in the value's first octet, whatever the value's length, so
// that a value encoded in more octets than its bits need reads the same.
std::string BitsToNameText(std::string_view valueText, const LldpNameTable& names);
// The octet-string value text of the names that occur in text (case-sensitive, anywhere):
// upper-case hex without leading zeros, "0" when none occurs.
std::string NameTextToBits(std::string_view nameText, const LldpNameTable& names);
// A name text as a user may type it: names of the table joined by "," (blanks around each taken,
// as the choice window writes it with one blank first), or blanks alone for none. Its value text
// as NameTextToBits gives it, or nothing when the text holds anything else (an empty text too).
std::optional<std::string> TypedNameTextToBits(std::string_view nameText, const LldpNameTable& names);
// Why a typed name text is refused, with the writing taken, such as the table's first two names.
std::string NameTextRefusal(const LldpNameTable& names);

} // namespace qs
