// How the front panel turns the status object's value text into link pictures. The text is the
// status object in hex, two characters a byte; port n's byte is the byte at position 31 + n.
#pragma once

#include <string>

namespace qs {

enum class CopperLink { None, Green, Orange };
enum class ComboLink { Hidden, FibreGreen, CopperGreen, CopperOrange, FibreOrange };

// Port n's status byte read as hexadecimal. Raises EConvertError when the text holds no such byte.
int PortStatusByte(const std::string& valueText, int port);

// Ports 1 to 24: bit 0 shows the orange picture, else bit 1 the green one.
CopperLink CopperLinkOf(int statusByte);

// Combo ports 25 to 28: the first rule that holds picks one of the four pictures, or none.
ComboLink ComboLinkOf(int statusByte);

} // namespace qs
