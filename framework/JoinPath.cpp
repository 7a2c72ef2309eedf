#include "JoinPath.h"

std::string JoinPath(std::string_view directory, std::string_view fileName) {
    std::string out(directory);
    if (!out.empty() && !out.ends_with('\\')) {
        out += '\\';
    }
    out += fileName;
    return out;
}
