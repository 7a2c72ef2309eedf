// Number parsing shared by the value conversions. C locale, fixed separators.
#pragma once

#include <cstdint>
#include <string>

namespace qs {

// The whole text as a signed 32-bit decimal (optional sign, digits, nothing else).
bool ParseInt32Exact(const std::string& text, std::int32_t& out);

// atol-style: leading blanks, optional sign, digits up to the first other character, 0 when
// there are none. Read into 64 bits (saturating at the 64-bit limits).
std::int64_t AtolText(const std::string& text);
// AtolText with the low 32 bits kept, as a signed or an unsigned value.
std::int32_t AtolInt32(const std::string& text);
std::uint32_t AtolUint32(const std::string& text);
// Unsigned 64-bit parse with the same leading-blank and sign rules ("-1" wraps).
std::uint64_t AtolUint64(const std::string& text);

// strtod-style with a full stop as the decimal point whatever the process locale: leading
// blanks, the longest number at the start; 0 when there is none.
double StrToDouble(const std::string& text);
// General format, 15 significant digits, full stop, upper-case exponent: 1.5, 1E+20.
std::string DoubleToText(double value);

} // namespace qs
