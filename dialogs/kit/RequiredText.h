// The emptiness check dialogs run on an editor before a write: the dialog's message, then the
// focus on the editor when it is enabled.
#pragma once

#include <QString>

class TEdit;

namespace qs {

// True when edit holds text; otherwise shows message and returns false.
bool RequireText(TEdit* edit, const QString& message);

} // namespace qs
