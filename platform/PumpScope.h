// Counts the event pumps that run around the current code: a handler that processes pending
// events itself (a walk between its rows, a wait for a write) runs the handlers of those events
// inside its own. Such a nested handler is an event of its own, not a part of the one that
// pumps; code that tells the two apart compares the depth here (and the event-loop level).
#pragma once

namespace qs {

class PumpScope {
public:
    PumpScope();
    ~PumpScope();
    PumpScope(const PumpScope&) = delete;
    PumpScope& operator=(const PumpScope&) = delete;

    // Event pumps running now around the caller (0 outside every pump). GUI thread only.
    static int Depth();
};

} // namespace qs
