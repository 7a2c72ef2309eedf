// File names in the program's own texts and settings use "\" as the separator (module and
// configuration directories, "errmsg\common.err"). Only the file layer turns them into names the
// operating system understands.
#pragma once

#include <string>
#include <string_view>

namespace qs {

// The name with every "\" turned into "/"; everything else is kept.
std::string NativePath(std::string_view name);

// Reads the whole file as bytes. False when it cannot be opened or read; `out` is then empty.
bool ReadWholeFile(std::string_view name, std::string& out);

} // namespace qs
