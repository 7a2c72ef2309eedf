// Date-time numbers (days since 30 December 1899, the time of day as the fraction) and their
// text "yyyy/mm/dd hh:nn:ss". Fixed separators whatever the user's locale.
#pragma once

#include <string>

namespace qs {

// Empty for a number outside the years 1 to 9999 (or not a number at all).
std::string DateTimeNumberToText(double value);
// "yyyy/mm/dd", optionally followed by a blank and "hh:nn" or "hh:nn:ss". False when the text
// is no valid date and time.
bool TextToDateTimeNumber(const std::string& text, double& out);

} // namespace qs
