#include "PanelLinkRules.h"

#include "StrToInt.h"

namespace qs {

int PortStatusByte(const std::string& valueText, int port) {
    const std::size_t first = static_cast<std::size_t>(2 * port + 62);
    const std::string digits = first < valueText.size() ? valueText.substr(first, 2) : std::string();
    // Two hex digits exactly: half a byte at the end of the text is no status byte.
    if (digits.size() != 2 || digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
        throw EConvertError("'" + digits + "' is not a valid integer value");
    }
    return StrToInt("$" + digits);
}

CopperLink CopperLinkOf(int b) {
    if ((b & 1) != 0) {
        return CopperLink::Orange;
    }
    return (b & 2) != 0 ? CopperLink::Green : CopperLink::None;
}

ComboLink ComboLinkOf(int b) {
    if ((b & 0x37) == 0x03) {
        return ComboLink::FibreGreen;
    }
    if ((b & 0x37) == 0x23) {
        return ComboLink::CopperGreen;
    }
    if ((b & 0x62) == 0x62 || (b & 0x61) == 0x61) {
        return ComboLink::CopperOrange;
    }
    return (b & 2) != 0 ? ComboLink::FibreOrange : ComboLink::Hidden;
}

} // namespace qs
