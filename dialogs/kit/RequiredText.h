// The checks dialogs run on an editor before a write: the dialog's message, then the focus on
// the editor when it is enabled.
#pragma once

#include <QString>

#include <optional>

class TEdit;

namespace qs {

// True when edit holds text; otherwise shows message and returns false.
bool RequireText(TEdit* edit, const QString& message);

// The whole text as a decimal number from low to high (an optional sign, digits, nothing else);
// otherwise shows message and gives nothing.
std::optional<int> RequireNumber(TEdit* edit, int low, int high, const QString& message);

} // namespace qs
