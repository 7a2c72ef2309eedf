#include "FilePath.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace qs {

std::string NativePath(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

bool ReadWholeFile(std::string_view name, std::string& out) {
    out.clear();
    std::ifstream in(NativePath(name), std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace qs
