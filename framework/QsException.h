// The exception every framework function raises: the message text to show and the negative
// framework error code, carried as the help context.
#pragma once

#include <stdexcept>
#include <string>

class QsException : public std::runtime_error {
public:
    QsException(const std::string& message, int context)
        : std::runtime_error(message), helpContext(context) {}

    int helpContext = 0;
};
