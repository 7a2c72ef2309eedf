#include "MacText.h"

#include <algorithm>
#include <cctype>

namespace qs {

bool IsTwelveHexDigits(const QString& text) {
    return text.size() == 12 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c.unicode() < 128 && std::isxdigit(c.unicode()) != 0;
           });
}

} // namespace qs
