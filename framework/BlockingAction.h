// One user action (a window opening, a button, a timer tick) waits for at most one blocking
// request per target that times out. Within a BlockingAction, once a blocking read or write to a
// target has timed out, the action's further blocking requests to that target are not sent: an
// agent that did not answer the first will not answer the next either, and each would freeze the
// program for another time-out. They fail as the first one did, so the window shows why.
//
// A target is the agent with the credentials the request carries (GET and GET-NEXT the read
// community, SET the write community, SNMPv3 the user): a read on a wrong read community that
// timed out does not stop a write the write community would carry.
//
// The latch is exact: an action holds for the code at the event-loop level and pump depth it
// began at. A handler that runs in a nested loop (a modal window) or inside a pump (a walk
// between its rows, a wait for a write) is not part of it: with no action of its own, its
// requests are neither skipped by the action nor stop it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qs {

class BlockingAction {
public:
    // Begins an action with nothing timed out; the action it interrupts gets its own state back at
    // the end. Begun inside another action at the same loop level and pump depth (a handler called
    // by another), it is part of that action: a time-out before it stops it, and one in it stops
    // the rest of the outer action.
    BlockingAction();
    ~BlockingAction();
    BlockingAction(const BlockingAction&) = delete;
    BlockingAction& operator=(const BlockingAction&) = delete;

    // The action running here has seen a blocking request to target time out: the rest are skipped.
    static bool Stopped(const std::string& target);
    // A blocking request to target timed out (inside an action or not).
    static void NoteTimeout(const std::string& target);
    // The number of the action running here (joined actions share it), 0 outside every action.
    static std::uint64_t Current();
    // Blocking requests that timed out since the program started, and those skipped since.
    static std::uint64_t Timeouts();
    static std::uint64_t Skipped();
    static void NoteSkipped();

private:
    struct Position {
        int loop = -1;
        int pump = -1;
        bool operator==(const Position&) const = default;
    };
    struct Frame {
        bool running = false;
        Position at;
        std::uint64_t number = 0;
        std::vector<std::string> timedOut; // targets, in the order they timed out
    };
    static Frame& Running(); // the action running now (GUI thread only)
    static Position Here();
    static bool RunsHere();

    Frame saved_;
    bool joined_;
};

} // namespace qs
