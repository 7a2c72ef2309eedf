#include "BlockingAction.h"

namespace qs {

namespace {

struct ActionState {
    bool running = false;
    bool stopped = false;
    std::uint64_t timeouts = 0;
    std::uint64_t skipped = 0;
};

// Requests run on the GUI thread only.
ActionState& State() {
    static ActionState state;
    return state;
}

} // namespace

BlockingAction::BlockingAction() : savedRunning_(State().running), savedStopped_(State().stopped) {
    State().running = true;
    State().stopped = false;
}

BlockingAction::~BlockingAction() {
    State().running = savedRunning_;
    State().stopped = savedStopped_;
}

bool BlockingAction::Stopped() {
    return State().running && State().stopped;
}

void BlockingAction::NoteTimeout() {
    ++State().timeouts;
    if (State().running) {
        State().stopped = true;
    }
}

std::uint64_t BlockingAction::Timeouts() {
    return State().timeouts;
}

std::uint64_t BlockingAction::Skipped() {
    return State().skipped;
}

void BlockingAction::NoteSkipped() {
    ++State().skipped;
}

} // namespace qs
