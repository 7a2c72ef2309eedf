// The byte form of a value text, by syntax: what lets check boxes address single bits of a value
// and groups of edits address single bytes or fields, and what the LED driver decodes.
//
// Integers of 4 and 8 bytes are little-endian, 16-bit values big-endian. "(NULL)" gives no bytes
// (inetaddress reads it as hex text); the marker "(NOTDONE)" of an ended column gives no bytes
// for every syntax, so computing a byte form of either marker never raises. No bytes give
// "(NULL)" back, or the empty text for displaystr.
#pragma once

#include "OctetTexts.h"

#include <cstdint>
#include <string>

// Raises -511 for a syntax code without a byte form, and the class library's conversion error
// for a bcdatetime text that is no date and time.
QsOctets TextToOctets(const std::string& text, std::uint32_t syntax);
// Raises -511 as above, and -518 when the bytes are fewer than the syntax needs (an inetaddress
// value needs four).
std::string OctetsToText(const QsOctets& bytes, std::uint32_t syntax);
// The bytes of a part starting at position: the syntax's width, or every remaining byte for the
// octet syntaxes, objectid and displaystr. Empty input gives empty output; a part that does not
// fit raises -519.
QsOctets ExtractPart(const QsOctets& bytes, int position, std::uint32_t syntax);

namespace qs {
inline constexpr const char* kNullText = "(NULL)";
inline constexpr const char* kNotDoneText = "(NOTDONE)";
// True for the syntax codes that have a byte form (the value syntaxes and 193 to 198).
bool HasByteForm(std::uint32_t syntax);
} // namespace qs
