#pragma once
// The class library's errors beside the framework's QsException: the number-conversion error and
// the list-index error. Both are QsExceptions with help context 0, so whoever catches the class
// library's exception catches them too.

#include "QsException.h"

#include <QString>

// A text that does not form a number ("'%s' is not a valid integer value").
class EConvertError : public QsException {
public:
    explicit EConvertError(const QString& message) : QsException(message.toStdString(), 0) {}
};

// An index outside a list, or reading the selected item of a list with none selected.
class EListError : public QsException {
public:
    explicit EListError(const QString& message) : QsException(message.toStdString(), 0) {}
    static EListError OutOfBounds(int index);
};

namespace qs {
// Reads a whole decimal integer; anything else raises EConvertError with the library's text.
int StrToInt(const QString& text);
// Reads a decimal real number; anything else raises EConvertError.
double StrToFloat(const QString& text);
// The message of an exception as display text.
QString MessageOf(const std::exception& e);
} // namespace qs
