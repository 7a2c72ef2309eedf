// The front panel's LED colour maps. Each is built on first use and lives until the program ends.
#pragma once

#include "QsSNMPLedColorMapList.h"

const QsSNMPLedColorMapList& PowerLedColors();
const QsSNMPLedColorMapList& ConsoleLedColors();
const QsSNMPLedColorMapList& AlarmLedColors();
const QsSNMPLedColorMapList& RpsLedColors();
const QsSNMPLedColorMapList& PortLedColors();
const QsSNMPLedColorMapList& ComboPortLedColors();
