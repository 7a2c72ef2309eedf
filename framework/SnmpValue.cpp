#include "SnmpValue.h"

#include <charconv>

namespace qs {

std::string OidToText(const OidVector& oid) {
    std::string out;
    out.reserve(oid.size() * 4);
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i != 0) {
            out += '.';
        }
        out += std::to_string(oid[i]);
    }
    return out;
}

bool OidFromText(const std::string& text, OidVector& out) {
    out.clear();
    const char* p = text.data();
    const char* end = p + text.size();
    if (p != end && *p == '.') {
        ++p;
    }
    if (p == end) {
        return false;
    }
    while (p != end) {
        std::uint32_t sub = 0;
        auto [next, ec] = std::from_chars(p, end, sub);
        if (ec != std::errc() || next == p) {
            out.clear();
            return false;
        }
        out.push_back(sub);
        p = next;
        if (p != end) {
            if (*p != '.' || p + 1 == end) {
                out.clear();
                return false;
            }
            ++p;
        }
    }
    return true;
}

} // namespace qs
