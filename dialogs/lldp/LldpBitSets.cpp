#include "LldpBitSets.h"

#include "OctetTexts.h"

namespace qs {

const LldpNameTable PortTlvNames = {"Port Description", "System Name", "System Description",
                                    "System Capabilities"};
const LldpNameTable Dot3TlvNames = {"macPhyConfigStatus", "powerViaMDI", "linkAggregation", "maxFrameSize"};
const LldpNameTable LinkAggStatusNames = {"aggCapable", "aggEnabled"};
const LldpNameTable LocalCapabilityNames = {
    "Other",    "Repeater",          "Bridge",     "WLANAccessPoint", "Router",
    "Telphone", "docsisCableDevice", "StationOnly"};
const LldpNameTable RemoteCapabilityNames = {
    "other",     "repeater",          "bridge",     "wlanAccessPoint", "router",
    "telephone", "docsisCableDevice", "stationOnly"};

namespace {

// The hex digits at the start of text.
std::string_view LeadingDigits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && HexDigit(text[n]) >= 0) {
        ++n;
    }
    return text.substr(0, n);
}

// The first octet of a value text: an odd count of digits puts its first digit alone in it, as
// the value is sent.
unsigned FirstOctet(std::string_view text) {
    const std::string_view digits = LeadingDigits(text);
    const std::size_t width = digits.size() % 2 == 1 ? 1 : 2;
    return static_cast<unsigned>(HexTextToInt(digits.substr(0, width))) & 0xFFU;
}

} // namespace

std::int32_t HexTextToInt(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : LeadingDigits(text)) {
        value = value * 16U + static_cast<std::uint32_t>(HexDigit(c));
    }
    return static_cast<std::int32_t>(value);
}

std::string BitsToNameText(std::string_view valueText, const LldpNameTable& names) {
    const unsigned octet = FirstOctet(valueText);
    std::string text = " ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const unsigned mask = 0x80U >> i;
        if (names[i] == nullptr || (octet & mask) == 0) {
            continue;
        }
        if (text != " ") {
            text += ',';
        }
        text += names[i];
    }
    return text;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsName(std::string_view name, const LldpNameTable& names) {
    for (const char* n : names) {
        if (n != nullptr && name == n) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> TypedNameTextToBits(std::string_view nameText, const LldpNameTable& names) {
    if (nameText.empty()) {
        return std::nullopt;
    }
    const std::string_view text = Trimmed(nameText);
    if (!text.empty()) {
        std::size_t start = 0;
        for (std::size_t comma = 0; comma != std::string_view::npos; start = comma + 1) {
            comma = text.find(',', start);
            if (!IsName(Trimmed(text.substr(start, comma - start)), names)) {
                return std::nullopt;
            }
        }
    }
    return NameTextToBits(text, names);
}

std::string NameTextRefusal(const LldpNameTable& names) {
    return std::string("Please input the TLV names separated by \",\", such as \"") + names[0] + "," +
           names[1] + "\", or choose them in the window the edit opens.";
}

std::string NameTextToBits(std::string_view nameText, const LldpNameTable& names) {
    unsigned mask = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != nullptr && nameText.find(names[i]) != std::string_view::npos) {
            mask |= 0x80U >> i;
        }
    }
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    if (mask >= 0x10) {
        hex += kDigits[mask >> 4];
    }
    hex += kDigits[mask & 0x0F];
    return hex;
}

} // namespace qs
