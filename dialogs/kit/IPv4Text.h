// The dotted IPv4 text check that dialogs run themselves before a write. Stricter about zeros
// than the framework's address-control check: every group is 0 to 255, a zero group is written
// as one "0", the first three groups have one to three digits, exactly three dots.
#pragma once

#include <QString>
#include <string_view>

namespace qs {
// The rule alone: true when text is accepted. A text longer than 15 characters is refused.
bool IPv4TextAccepted(std::string_view text);
} // namespace qs

// True when accepted, nothing shown; otherwise shows message (the dialog's own wording, such as
// "Please input a valid ip") once in a plain box and returns false.
bool IsValidIPv4Text(const QString& text, const QString& message);
