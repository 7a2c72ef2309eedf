#include "StrToInt.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace qs {
namespace {

[[noreturn]] void Refuse(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

int StrToInt(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) {
        Refuse(text);
    }
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (text.compare(i, 1, "$") == 0) {
        base = 16;
        i += 1;
    } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc() || end != last || first == last) {
        Refuse(text);
    }
    const std::uint64_t limit =
        base == 16 ? std::numeric_limits<std::uint32_t>::max() : (negative ? 2147483648ULL : 2147483647ULL);
    if (magnitude > limit) {
        Refuse(text);
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~magnitude + 1) : magnitude);
    return static_cast<int>(bits);
}

} // namespace qs
