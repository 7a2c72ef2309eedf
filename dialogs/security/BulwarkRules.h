// The Bulwark engine's threshold rules: the value of a threshold edit, the range both thresholds
// share, and the order of the one-variable SETs that keeps the rising threshold above the falling
// one on the device at every step of a write.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qs {

inline constexpr int kBulwarkThresholdMin = 20;
inline constexpr int kBulwarkThresholdMax = 100;

// A threshold text as a number: leading blanks, an optional sign and decimal digits, nothing
// else; nothing when the text is not such a number.
std::optional<int> BulwarkThresholdValue(std::string_view text);
// True when the text is a number from 20 to 100.
bool BulwarkThresholdInRange(std::string_view text);

// The writable fields, numbered as the dialog's variables.
enum class BulwarkField { Rising = 0, Falling = 1, Mode = 2, Alarm = 3 };

struct BulwarkTicks {
    bool rising = false;
    bool falling = false;
    bool mode = false;
    bool alarm = false;
    bool Any() const { return rising || falling || mode || alarm; }
};

// Falling goes first when both thresholds are sent and the new falling value is below the one
// last read from the device: lowering falling first keeps it under the old rising value, and
// the new rising value then lies above it. Without a last read value rising goes first.
bool BulwarkFallingFirst(const BulwarkTicks& ticks, std::optional<int> newFalling,
                         std::optional<int> lastReadFalling);

// The ticked fields in the order they are sent, one SET each: the two thresholds (falling first
// when fallingFirst), then Mode, then the alarm state.
std::vector<BulwarkField> BulwarkSetOrder(const BulwarkTicks& ticks, bool fallingFirst);

} // namespace qs
