// The error record that asynchronous replies, hooks and blocking writes receive.
#pragma once

#include "QsSNMPDevice.h"

#include <cstdint>
#include <string>

struct QsSNMPError {
    int code = 0;               // framework error code, 0 for success
    int errorIndex = 0;         // the response PDU's error index (asynchronous replies)
    std::string message;        // the text of the code
    QsSNMPDevice peer;          // the responding agent (asynchronous replies)
    bool done = false;          // no further GET-NEXT follows (asynchronous replies)
    std::uint64_t sequence = 0; // the request's error count after this error was counted
};
