// Key texts that a user types become sub-identifiers of a row's instance: they are checked, and
// put into one plain form, before anything is sent, so that a text can never name another row.
#pragma once

#include <QString>
#include <optional>

namespace qs {

// An IPv4 address as the framework's address rule reads it (dotted decimal, never octal, blanks
// around taken): its canonical text, the form the key is sent in, or nothing.
std::optional<QString> DottedQuadKey(const QString& text);

} // namespace qs
