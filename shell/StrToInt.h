// Text to 32-bit integer conversion as the program's settings and switches use it: decimal, or
// hexadecimal after "$" or "0x". Anything else raises EConvertError with the text that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace qs {

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Leading blanks and a sign are allowed; an empty, non-numeric or out-of-range text raises
// "'<text>' is not a valid integer value". Hexadecimal covers the full 32 bits (0xFFFFFFFF is -1).
int StrToInt(const std::string& text);

} // namespace qs
