#include "QsSNMPLed.h"

#include "SnmpErrors.h"

namespace {

void MarkMissing(QsSNMPLed& led) {
    if (led.Map->MissingColor == -1) {
        qs::RaiseFrameworkError(qs::err::BindIndex);
    }
    led.Color = led.Map->MissingColor;
    led.Blinking = false;
}

} // namespace

namespace qs {

void DecodeLedBytes(QsSNMPLed& led, const QsOctets& bytes, int decodeMode, int decodeLimit) {
    if (decodeMode != 1 && decodeMode != 2) {
        return;
    }
    const QsSNMPLedColorMapList& map = *led.Map;
    const std::size_t at = static_cast<std::size_t>(led.BytePosition);
    const bool pair = decodeMode == 2 && led.BytePosition >= decodeLimit;
    if (led.BytePosition < 0 || at + (pair ? 1 : 0) >= bytes.size()) {
        MarkMissing(led);
        return;
    }
    const std::uint8_t b = bytes[at];
    if (pair && b == 1) {
        led.Color = map.MissingColor;
        led.Blinking = false;
        return;
    }
    const std::uint8_t colourByte = pair ? bytes[at + 1] : b;
    led.Color = map.ColorOf(static_cast<std::uint8_t>(colourByte & map.ValueMask));
    led.Blinking = (b & map.BlinkMask) != 0;
}

int LedPaintColor(const QsSNMPLed& led, int brushColor, int blinkCount, int blinkLimit) {
    if (!led.Blinking || brushColor == led.Map->DefaultColor || blinkCount > blinkLimit) {
        return led.Color;
    }
    return led.Map->DefaultColor;
}

} // namespace qs
