// The MAC address check of the dialogs whose keys hold one: exactly 12 hex digits, so that the
// address becomes six sub-identifiers of the row instance and nothing else.
#pragma once

#include <QString>

namespace qs {
bool IsTwelveHexDigits(const QString& text);
} // namespace qs
