// The property every typed text keeps, shared by the property test and the fuzz harness: a text
// the parse takes is sent as the parse's value, formatting that value gives the canonical text,
// and parsing the canonical text again gives the same value and text.
#pragma once

#include "TypedText.h"

#include <cstdint>
#include <string>

namespace qs::test {

// A field of one of the kinds the parse meets: syntax (any code, also the parts inside an octet
// string) and, by the bits of choice, a key, an enumeration's option list and an edit format.
TypedField PropertyField(std::uint32_t syntax, std::uint8_t choice);

// What breaks the property for the text in the field, or the empty text when it holds (a text
// the parse refuses keeps it).
std::string TypedPropertyBreach(const std::string& text, const TypedField& field);

} // namespace qs::test
