// Value-to-colour maps of status LEDs: a status byte, masked, selects the LED's colour; other
// bits of it make the LED blink.
#pragma once

#include <cstdint>
#include <vector>

// Colours are 32-bit values with red in the low byte, green in the middle, blue in the high byte.
inline constexpr int kLedBlack = 0x00000000;
inline constexpr int kLedLime = 0x0000FF00;
inline constexpr int kLedRed = 0x000000FF;
inline constexpr int kLedAmber = 0x0000BFFF;

// One row of a static colour table; a table ends at the row whose Color is -1.
struct QsLedColor {
    std::uint8_t Value;
    int Color;
};

// Rows before the end row; 0 for a null table.
int LedColorTableLength(const QsLedColor* table);

class QsSNMPLedColorMapList {
public:
    QsSNMPLedColorMapList(const QsLedColor* table, std::uint8_t valueMask, std::uint8_t blinkMask,
                          int defaultColor, int missingColor);

    void Append(const QsLedColor* table);
    void Clear() { Entries.clear(); }
    int IndexOf(std::uint8_t value) const;
    // The entry's colour; black when no entry has this value.
    int ColorOf(std::uint8_t value) const;
    int Count() const { return static_cast<int>(Entries.size()); }

    std::uint8_t ValueMask;
    std::uint8_t BlinkMask;
    int DefaultColor;
    int MissingColor; // -1: a missing status byte is an error
    std::vector<QsLedColor> Entries;
};
