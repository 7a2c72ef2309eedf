#include "Oid.h"

#include <algorithm>
#include <charconv>

namespace krssim {

std::optional<Oid> parseOid(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    Oid oid;
    while (!text.empty()) {
        std::uint32_t sub = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), sub);
        if (ec != std::errc() || end == text.data()) {
            return std::nullopt;
        }
        oid.push_back(sub);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (text.empty()) {
            break;
        }
        if (text.front() != '.' || text.size() == 1) {
            return std::nullopt;
        }
        text.remove_prefix(1);
    }
    if (oid.size() < 2 || oid.size() > 128) {
        return std::nullopt;
    }
    return oid;
}

std::string formatOid(const Oid& oid) {
    std::string text;
    for (auto sub : oid) {
        text += '.';
        text += std::to_string(sub);
    }
    return text;
}

bool startsWith(const Oid& oid, const Oid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

} // namespace krssim
