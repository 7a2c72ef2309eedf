// Address edits of the dialogs that read them themselves (a row key, a rule's address): any
// writing the framework's address rule takes is put into the edit as its canonical text before
// anything reads it, so the key and the value sent are that text and nothing else.
#pragma once

class TEdit;

namespace qs {
// A MAC address (12 hex digits, or pairs joined by "-", "." or ":"): true when the edit holds one,
// which then stands in it as 12 upper-case hex digits; false, the edit unchanged, otherwise.
bool TakeMacEdit(TEdit* edit);
// An IPv6 address (RFC 4291 text, or 32 hex digits): true when the edit holds one, which then
// stands in it as 32 upper-case hex digits; false, the edit unchanged, otherwise.
bool TakeIPv6Edit(TEdit* edit);
} // namespace qs
