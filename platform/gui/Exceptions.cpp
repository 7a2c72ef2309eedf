#include "Exceptions.h"

EListError EListError::OutOfBounds(int index) {
    return EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

namespace qs {

int StrToInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    return value;
}

double StrToFloat(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    return value;
}

QString MessageOf(const std::exception& e) {
    return QString::fromStdString(e.what());
}

} // namespace qs
