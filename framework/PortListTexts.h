// Port-list texts of bit lists: the ports whose bits are set, as ascending runs joined by ","
// (1-3,5; "0" for none). Port n is bit n - 1, counted from the most significant bit of the first
// byte.
#pragma once

#include <string>

// hexText: two characters a byte, high digit first (other characters count as 0, an odd last
// character is ignored). With withHex the hex text follows in brackets: 1-3,5[E800].
std::string BitListToPortText(const std::string& hexText, bool withHex);
// Reads the ports of portText into a map as wide as templateHex (four ports per digit) and writes
// it to out as lower-case hex of the template's length. "all" sets every port; "0" and the empty
// text set none. A piece naming a port outside the map, a reversed range or anything but numbers
// returns false and leaves out as it was.
bool PortTextToBitList(const std::string& portText, const std::string& templateHex, std::string& out);
// The text between the first "[" and the first "]" after it; from the start when there is no "[",
// to the end when there is no "]".
std::string TextInBrackets(const std::string& text);

namespace qs {
// A zero template just wide enough, in whole bytes, for the highest port portText names; the
// empty text when portText is not a valid port list or names no port.
std::string PortTemplateFor(const std::string& portText);
} // namespace qs
