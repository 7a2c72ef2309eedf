#pragma once
// The class library's exceptions: a message with an integer help context (the framework puts
// its negative error code there), the number-conversion error and the list-index error.

#include <QString>
#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message, int helpContext = 0);
    QString Message() const { return m_message; }
    int HelpContext() const { return m_helpContext; }

private:
    QString m_message;
    int m_helpContext;
};

// A text that does not form a number ("'%s' is not a valid integer value").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list, or reading the selected item of a list with none selected.
class EListError : public Exception {
public:
    using Exception::Exception;
    static EListError OutOfBounds(int index);
};

namespace qs {
// Reads a whole decimal integer; anything else raises EConvertError with the library's text.
int StrToInt(const QString& text);
// Reads a decimal real number; anything else raises EConvertError.
double StrToFloat(const QString& text);
} // namespace qs
