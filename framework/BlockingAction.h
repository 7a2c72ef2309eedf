// One user action (a window opening, a button) waits for at most one blocking request that times
// out. Within a BlockingAction, once a blocking read or write has timed out, the further blocking
// requests are not sent and report nothing: an agent that did not answer the first will not
// answer the next either, and each would freeze the program for another time-out. The failure
// the first one showed stands for the whole action.
#pragma once

#include <cstdint>

namespace qs {

class BlockingAction {
public:
    // Begins an action with nothing timed out; the action it interrupts (a modal window opened
    // from a button, say) gets its own state back at the end. Begun while another action runs
    // in the same event loop (a handler called by another), it is part of that action: a
    // time-out before it stops it, and one in it stops the rest of the outer action.
    BlockingAction();
    ~BlockingAction();
    BlockingAction(const BlockingAction&) = delete;
    BlockingAction& operator=(const BlockingAction&) = delete;

    // An action runs, and a blocking request in it has timed out: the rest are skipped.
    static bool Stopped();
    // A blocking request timed out (inside an action or not).
    static void NoteTimeout();
    // Blocking requests that timed out since the program started, and those skipped since.
    static std::uint64_t Timeouts();
    static std::uint64_t Skipped();
    static void NoteSkipped();

private:
    bool savedRunning_;
    bool savedStopped_;
    int savedLevel_;
    bool joined_;
};

} // namespace qs
