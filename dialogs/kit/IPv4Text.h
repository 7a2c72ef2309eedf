// The dotted IPv4 text check that dialogs run themselves before a write: the address rule of the
// framework (four decimal groups of 0 to 255, never octal, so "010.0.0.1" is refused), on a text
// already in the form it is sent in (no blanks around it).
#pragma once

#include <QString>
#include <string_view>

namespace qs {
// The rule alone: true when text is accepted.
bool IPv4TextAccepted(std::string_view text);
} // namespace qs

// True when accepted, nothing shown; otherwise shows message (the dialog's own wording, such as
// "Please input a valid ip") once in a plain box and returns false.
bool IsValidIPv4Text(const QString& text, const QString& message);
