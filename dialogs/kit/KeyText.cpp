#include "KeyText.h"

#include "AddressChecks.h"

#include <string>

namespace qs {

std::optional<QString> DottedQuadKey(const QString& text) {
    const std::string canonical = CanonicalIPv4Text(text.toStdString());
    if (canonical.empty()) {
        return std::nullopt;
    }
    return QString::fromStdString(canonical);
}

} // namespace qs
