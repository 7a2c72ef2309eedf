// Value texts in controls. A value text holds the bytes a display string was received with;
// controls hold Unicode. Valid UTF-8 is decoded as such; every byte that is not part of a valid
// UTF-8 sequence is carried as one lone low surrogate (U+DC80 to U+DCFF) and becomes that byte
// again on the way back, so a value that is not text shows as unreadable characters but an
// unchanged control gives back exactly the bytes it was shown.
#pragma once

#include <QString>

#include <string>

namespace qs {

QString BytesToQString(const std::string& bytes);
std::string QStringToBytes(const QString& text);

} // namespace qs
