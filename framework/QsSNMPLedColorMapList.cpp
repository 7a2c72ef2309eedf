#include "QsSNMPLedColorMapList.h"

int LedColorTableLength(const QsLedColor* table) {
    int n = 0;
    while (table != nullptr && table[n].Color != -1) {
        ++n;
    }
    return n;
}

QsSNMPLedColorMapList::QsSNMPLedColorMapList(const QsLedColor* table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, int defaultColor, int missingColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), DefaultColor(defaultColor), MissingColor(missingColor) {
    Append(table);
}

void QsSNMPLedColorMapList::Append(const QsLedColor* table) {
    const int n = LedColorTableLength(table);
    Entries.insert(Entries.end(), table, table + n);
}

int QsSNMPLedColorMapList::IndexOf(std::uint8_t value) const {
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i].Value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int QsSNMPLedColorMapList::ColorOf(std::uint8_t value) const {
    const int i = IndexOf(value);
    return i < 0 ? kLedBlack : Entries[static_cast<std::size_t>(i)].Color;
}
