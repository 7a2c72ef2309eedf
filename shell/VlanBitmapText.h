// VLAN sets as range texts ("1-3,5") and as 64-octet bitmap blocks (128 upper-case hex digits).
// Block b covers VLANs 512b+1 to 512b+512; VLAN v is bit (v-1) mod 512, most significant bit of
// octet ((v-1) mod 512) div 8 first.
#pragma once

#include <bitset>
#include <string>

using VlanMembers = std::bitset<512>;

// Reads a range text of any length into members (cleared first): items joined by ",", each a
// number or two numbers joined by "-". Number n >= 1 marks (n-1) mod 512; 0 marks nothing.
// Returns false for a range that ends below its start or lacks its second number (members keep
// what was marked before it). A part that is not a decimal number raises EConvertError.
bool ParseListText(const std::string& text, VlanMembers& members);

// Replaces text by its 128-digit block and returns true; returns false and leaves text as it was
// when the text is not a valid range list, so the caller must refuse to send it. A non-numeric
// part raises EConvertError and leaves the text unchanged.
bool ListTextToHexBitmap(std::string& text);

// The range text of the bits set in hexText: bit j stands for VLAN block*512 + j + 1. Non-hex
// characters count as 0, a last unpaired digit is ignored; "0" when no bit is set. With
// appendHex the hex text follows in "[" and "]".
std::string HexBitmapToListText(const std::string& hexText, int block, bool appendHex);
