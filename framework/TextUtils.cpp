#include "TextUtils.h"

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) {
        return std::string(text);
    }
    std::string out;
    std::size_t from = 0;
    for (auto at = text.find(pattern); at != std::string_view::npos; at = text.find(pattern, from)) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + pattern.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string Unquote(std::string_view text) {
    if (!text.empty() && text.front() == '"' && text.back() == '"') {
        return text.size() == 1 ? std::string() : std::string(text.substr(1, text.size() - 2));
    }
    return std::string(text);
}

int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text, std::string& left,
                    std::string& right) {
    for (std::size_t i = 0; i < operators.size(); ++i) {
        const auto at = text.find(operators[i]);
        if (at != std::string_view::npos) {
            left = text.substr(0, at);
            right = text.substr(at + operators[i].size());
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CharRunEnd(std::string_view text, int start, std::string_view allowed) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size()) {
        return 0;
    }
    auto pos = static_cast<std::size_t>(start);
    if (allowed.find(text[pos - 1]) == std::string_view::npos) {
        return 0;
    }
    while (pos < text.size() && allowed.find(text[pos]) != std::string_view::npos) {
        ++pos;
    }
    return static_cast<int>(pos);
}

int IntPower(int base, unsigned exponent) {
    // Squaring gives the same wrapped product as repeated multiplication, also for huge exponents.
    std::uint32_t result = 1;
    auto factor = static_cast<std::uint32_t>(base);
    for (; exponent != 0; exponent >>= 1) {
        if ((exponent & 1U) != 0) {
            result *= factor;
        }
        factor *= factor;
    }
    return static_cast<int>(result);
}

namespace qs {

std::string FillPlaceholders(std::string_view text, std::initializer_list<PlaceholderValue> values) {
    std::string out(text);
    for (const auto& v : values) {
        out = ReplaceAll(out, v.placeholder, v.value);
    }
    return out;
}

} // namespace qs
