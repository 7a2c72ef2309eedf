// Hex, MAC, IPv4 and IPv6 texts as typed or received: every reader of an address text, and the
// hex form of what it read.
#include "AddressChecks.h"
#include "FuzzInput.h"
#include "IPv4Text.h"
#include "OctetTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FormatHexText(ParseHexText(text));
    FormatPlainText(QsOctets(text.begin(), text.end()));
    ParseTicksText(text);
    QsOctets octets;
    if (qs::ParseMacText(text, octets)) {
        FormatHexText(octets);
    }
    if (qs::ParseIPv4Text(text, octets) && octets.size() >= 4) {
        qs::FormatIPv4(octets.data());
    }
    std::uint32_t zone = 0;
    qs::SplitZoneText(text, octets, zone);
    qs::IPv4TextAccepted(text);
    qs::CanonicalMacText(text);
    qs::CanonicalIPv6Text(text);
    qs::CanonicalInetHexText(text);
    return 0;
}
