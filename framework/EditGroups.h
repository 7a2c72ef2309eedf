// Values shown in, and read from, a group of edits: an IP address in four edits, a MAC address in
// six, time ticks as days, hours, minutes, seconds and hundredths, a date-time in its fields.
#pragma once

#include "OctetTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qs {

// The fewest edits a group of this part syntax needs for showing or for reading; fewer raise
// -522. Syntaxes without a group form need none (the first edit takes the whole text).
int EditGroupMinimum(std::uint32_t partSyntax, const QsOctets& bytes, bool reading);
// What each of editCount edits shows for a part (its bytes and its text); an entry without a
// value leaves its edit as it is (the value has no byte for it). Raises -522.
std::vector<std::optional<std::string>> EditGroupShow(const QsOctets& bytes, const std::string& text,
                                                      std::uint32_t partSyntax, int editCount);
// The part text the edits' texts give. Raises -522, and the class library's conversion error for
// an impossible bcdatetime date or time.
std::string EditGroupRead(const std::vector<std::string>& texts, std::uint32_t partSyntax);

} // namespace qs
