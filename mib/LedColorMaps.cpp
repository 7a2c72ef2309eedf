#include "LedColorMaps.h"

namespace {

constexpr std::uint8_t kLowBits = 7;

// System LEDs: one of the five states is lit, the others are dark; they never blink.
const QsLedColor kPowerTable[] = {{0, kLedBlack}, {1, kLedLime},  {2, kLedBlack},
                                  {3, kLedBlack}, {4, kLedBlack}, {0, -1}};
const QsLedColor kConsoleTable[] = {{0, kLedBlack}, {1, kLedBlack}, {2, kLedLime},
                                    {3, kLedBlack}, {4, kLedBlack}, {0, -1}};
const QsLedColor kAlarmTable[] = {{0, kLedBlack}, {1, kLedBlack}, {2, kLedRed},
                                  {3, kLedBlack}, {4, kLedBlack}, {0, -1}};
const QsLedColor kRpsTable[] = {{0, kLedBlack}, {1, kLedBlack}, {2, kLedBlack},
                                {3, kLedBlack}, {4, kLedLime},  {0, -1}};
// Port LEDs blink whenever their state is not 0.
const QsLedColor kPortTable[] = {{0, kLedBlack}, {1, kLedAmber}, {2, kLedLime}, {3, kLedLime},
                                 {4, kLedLime},  {5, kLedRed},   {0, -1}};
const QsLedColor kComboPortTable[] = {{0, kLedBlack}, {1, kLedAmber}, {2, kLedAmber}, {3, kLedLime},
                                      {4, kLedLime},  {5, kLedRed},   {0, -1}};

} // namespace

const QsSNMPLedColorMapList& PowerLedColors() {
    static const QsSNMPLedColorMapList map(kPowerTable, kLowBits, 0, kLedBlack, kLedBlack);
    return map;
}

const QsSNMPLedColorMapList& ConsoleLedColors() {
    static const QsSNMPLedColorMapList map(kConsoleTable, kLowBits, 0, kLedBlack, kLedBlack);
    return map;
}

const QsSNMPLedColorMapList& AlarmLedColors() {
    static const QsSNMPLedColorMapList map(kAlarmTable, kLowBits, 0, kLedBlack, kLedBlack);
    return map;
}

const QsSNMPLedColorMapList& RpsLedColors() {
    static const QsSNMPLedColorMapList map(kRpsTable, kLowBits, 0, kLedBlack, kLedBlack);
    return map;
}

const QsSNMPLedColorMapList& PortLedColors() {
    static const QsSNMPLedColorMapList map(kPortTable, kLowBits, kLowBits, kLedBlack, kLedBlack);
    return map;
}

const QsSNMPLedColorMapList& ComboPortLedColors() {
    static const QsSNMPLedColorMapList map(kComboPortTable, kLowBits, kLowBits, kLedBlack, kLedBlack);
    return map;
}
