#include "IPv4Text.h"

#include "Dialogs.h"

namespace qs {

namespace {
constexpr std::size_t kLongestAddress = 15; // "255.255.255.255"

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One group's digits: its value within 0 to 255 and a zero written as a single "0".
bool GroupAccepted(std::string_view digits) {
    if (digits.empty()) {
        return false;
    }
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return digits.size() == 1;
    }
    const std::string_view significant = digits.substr(first);
    if (significant.size() > 3) {
        return false;
    }
    int value = 0;
    for (const char c : significant) {
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}
} // namespace

bool IPv4TextAccepted(std::string_view text) {
    if (text.empty() || text.size() > kLongestAddress) {
        return false;
    }
    int dots = 0;
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            continue;
        }
        if (c != '.') {
            return false;
        }
        const std::string_view group = text.substr(groupStart, i - groupStart);
        const bool digitFollows = i + 1 < text.size() && IsDigit(text[i + 1]);
        if (group.empty() || !digitFollows || group.size() > 3 || !GroupAccepted(group)) {
            return false;
        }
        ++dots;
        groupStart = i + 1;
    }
    // The last group has no digit limit of its own: leading zeros may stand before 1 to 255.
    return GroupAccepted(text.substr(groupStart)) && dots == 3;
}

} // namespace qs

bool IsValidIPv4Text(const QString& text, const QString& message) {
    if (qs::IPv4TextAccepted(text.toStdString())) {
        return true;
    }
    ShowMessage(message);
    return false;
}
