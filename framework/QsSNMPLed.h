// One LED of the LED request, and the rules that decode its status byte and choose the colour
// each paint gives it. GUI-free: the shape is only carried, never touched here.
#pragma once

#include "OctetTexts.h"
#include "QsSNMPLedColorMapList.h"

class TShape;

struct QsSNMPLed {
    int VarIndex = 0;     // variable of the request's list
    int BytePosition = 0; // byte of the decoded value
    const QsSNMPLedColorMapList* Map = nullptr;
    TShape* Shape = nullptr;
    bool Blinking = false;
    int Color = 0; // current state colour
};

namespace qs {

// Decodes led from the value's bytes. Mode 1: the byte at BytePosition, masked, selects the
// colour, the blink mask decides blinking. Mode 2: positions below decodeLimit as mode 1; from
// there on a status byte and the colour byte after it (status 1: the missing colour). A missing
// byte, also a missing colour byte, gives the map's missing colour, or -519 when that is -1.
// Other modes leave the LED as it is.
void DecodeLedBytes(QsSNMPLed& led, const QsOctets& bytes, int decodeMode, int decodeLimit);

// The colour a paint gives the LED: its colour when steady; when blinking, the dark phase
// (DefaultColor) unless the shape is dark now or the blink count has passed the limit.
int LedPaintColor(const QsSNMPLed& led, int brushColor, int blinkCount, int blinkLimit);

} // namespace qs
