// Trimming and comparing texts the way the program's files need it: blanks and control
// characters (every byte up to and including the blank) are trimmed; names compare in ASCII
// without regard to case, whatever the user's locale is.
#pragma once

#include <string>
#include <string_view>

namespace qs {

inline bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace qs
