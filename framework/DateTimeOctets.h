// DateAndTime values between their 11 octets and their text, through QsDateTime.
#pragma once

#include "OctetTexts.h"

#include <string>

namespace qs {

// Empty for fewer than 11 octets; octets after the 11th are ignored.
std::string DateTimeOctetsToText(const QsOctets& octets);
// Always 11 octets.
QsOctets DateTimeTextToOctets(const std::string& text);

} // namespace qs
