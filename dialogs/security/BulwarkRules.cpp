#include "BulwarkRules.h"

#include <charconv>

namespace qs {

std::optional<int> BulwarkThresholdValue(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (ec != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

bool BulwarkThresholdInRange(std::string_view text) {
    const std::optional<int> value = BulwarkThresholdValue(text);
    return value && *value >= kBulwarkThresholdMin && *value <= kBulwarkThresholdMax;
}

bool BulwarkFallingFirst(const BulwarkTicks& ticks, std::optional<int> newFalling,
                         std::optional<int> lastReadFalling) {
    return ticks.rising && ticks.falling && newFalling && lastReadFalling && *newFalling < *lastReadFalling;
}

std::vector<BulwarkField> BulwarkSetOrder(const BulwarkTicks& ticks, bool fallingFirst) {
    std::vector<BulwarkField> order;
    const bool first = fallingFirst ? ticks.falling : ticks.rising;
    const bool second = fallingFirst ? ticks.rising : ticks.falling;
    if (first) {
        order.push_back(fallingFirst ? BulwarkField::Falling : BulwarkField::Rising);
    }
    if (second) {
        order.push_back(fallingFirst ? BulwarkField::Rising : BulwarkField::Falling);
    }
    if (ticks.mode) {
        order.push_back(BulwarkField::Mode);
    }
    if (ticks.alarm) {
        order.push_back(BulwarkField::Alarm);
    }
    return order;
}

} // namespace qs
