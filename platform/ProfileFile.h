// Reads single values from profile (ini) files: section lines "[name]" and key lines
// "name=value". The device settings file the management platform writes is such a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

// Longest value the reader hands back; longer values and defaults are cut.
inline constexpr std::size_t kProfileValueMax = 4095;

// The value of `key` in `section` of the file, or `defaultValue` (without its trailing blanks)
// when the file, the section or the key is missing. Section and key names match without regard
// to case; the first matching section and, in it, the first matching key count. Blanks around
// names and values are dropped, and a value enclosed in a matching pair of double or single
// quotes loses them. Lines whose first non-blank character is ";" are comments.
std::string ReadProfileString(std::string_view fileName, std::string_view section, std::string_view key,
                              std::string_view defaultValue);

// The key names of the first section of that name, in file order, by the same reading rules.
std::vector<std::string> ReadProfileKeys(std::string_view fileName, std::string_view section);

} // namespace qs
