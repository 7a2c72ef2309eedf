// The front panel's status object: its octets as an agent sends them, turned into the value text
// the panel binds, and read back into the LED octets (every LED the panel shows, by each decode
// mode) and into the ports' link-status bytes; then any text read as the link-status text. The
// octets read back from the text are the octets received, a port's status byte is its octet or
// a conversion error when the object is too short, and a LED takes a colour of its map.
#include "DeviceMib.h"
#include "FuzzInput.h"
#include "LedColorMaps.h"
#include "PanelLinkRules.h"
#include "QsByteForms.h"
#include "QsException.h"
#include "QsSNMPLed.h"
#include "QsValueTexts.h"
#include "StrToInt.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "front panel: %s\n", what);
        std::abort();
    }
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The panel's LEDs: position in the object and colour map.
std::vector<std::pair<int, const QsSNMPLedColorMapList*>> Leds() {
    std::vector<std::pair<int, const QsSNMPLedColorMapList*>> leds = {
        {1, &PowerLedColors()}, {2, &RpsLedColors()}, {3, &ConsoleLedColors()}, {9, &AlarmLedColors()}};
    for (int port = 1; port <= 28; ++port) {
        leds.emplace_back(port + 31, port > 24 ? &ComboPortLedColors() : &PortLedColors());
    }
    return leds;
}

void CheckLeds(const QsOctets& octets, int mode, int limit) {
    for (const auto& [position, map] : Leds()) {
        QsSNMPLed led;
        led.BytePosition = position;
        led.Map = map;
        try {
            qs::DecodeLedBytes(led, octets, mode, limit);
        } catch (const QsException&) {
            Expect(map->MissingColor == -1, "only a map without a missing colour refuses a short object");
            continue;
        }
        bool known = led.Color == map->MissingColor || led.Color == kLedBlack;
        for (const QsLedColor& entry : map->Entries) {
            known = known || led.Color == entry.Color;
        }
        Expect(known, "a LED takes a colour of its map");
    }
}

// Reads a port's byte from any text: a value only from two hex digits at its place.
void CheckLinkText(const std::string& text) {
    for (int port = 1; port <= 28; ++port) {
        try {
            const int b = qs::PortStatusByte(text, port);
            const std::size_t at = static_cast<std::size_t>(2 * (31 + port));
            Expect(at + 1 < text.size() && IsHexDigit(text[at]) && IsHexDigit(text[at + 1]),
                   "a status byte is read only from two hex digits");
            Expect(b >= 0 && b <= 255, "a status byte is a byte");
            qs::CopperLinkOf(b);
            qs::ComboLinkOf(b);
        } catch (const qs::EConvertError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const int mode = in.Byte() % 4;
    const int limit = in.Byte() % 64;
    const std::vector<std::uint8_t> octets = in.Bytes(in.Byte());
    QsSNMPVar var;
    var.Syntax = FrontPanelLedStatusVars[0].Syntax;
    const std::string text = StoreVbText(var, qs::SnmpValue::fromBytes(qs::SnmpType::OctetString, octets));
    const QsOctets back = TextToOctets(text, var.Syntax);
    Expect(back == octets, "the value text reads back as the octets received");
    CheckLeds(back, 1, 4);
    CheckLeds(back, mode, limit);
    for (int port = 1; port <= 28; ++port) {
        const std::size_t at = static_cast<std::size_t>(31 + port);
        bool read = false;
        try {
            read = qs::PortStatusByte(text, port) == static_cast<int>(at < octets.size() ? octets[at] : -1);
        } catch (const qs::EConvertError&) {
            read = at >= octets.size();
        }
        Expect(read, "a port's status byte is its octet, or a conversion error when the object is short");
    }
    CheckLinkText(text);
    CheckLinkText(in.Rest());
    return 0;
}
