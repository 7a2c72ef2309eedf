#include "KeyText.h"

#include <QStringList>
#include <algorithm>

namespace qs {

std::optional<QString> DottedQuadKey(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    QStringList plain;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            return std::nullopt;
        }
        int value = 0;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return std::nullopt;
            }
            value = std::min(value * 10 + (c.unicode() - '0'), 256); // 256: too big already
        }
        if (value > 255) {
            return std::nullopt;
        }
        plain << QString::number(value);
    }
    return plain.join(QLatin1Char('.'));
}

bool IsHexKey(const QString& text, int length) {
    if (text.size() != length) {
        return false;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex) {
            return false;
        }
    }
    return true;
}

} // namespace qs
