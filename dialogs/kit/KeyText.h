// Key texts that a user types become sub-identifiers of a row's instance: they are checked, and
// put into one plain form, before anything is sent, so that a text can never name another row.
#pragma once

#include <QString>
#include <optional>

namespace qs {

// Exactly four decimal parts, each 0 to 255, joined by dots. Returns the address with leading
// zeros dropped (the form the key is sent in: never read as octal), or nothing.
std::optional<QString> DottedQuadKey(const QString& text);
// A text of hex digits only, exactly `length` of them.
bool IsHexKey(const QString& text, int length);

} // namespace qs
