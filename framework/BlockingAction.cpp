#include "BlockingAction.h"

#include <QThread>

namespace qs {

namespace {

struct ActionState {
    bool running = false;
    bool stopped = false;
    int level = -1; // the event-loop depth the running action began at
    std::uint64_t timeouts = 0;
    std::uint64_t skipped = 0;
};

// Requests run on the GUI thread only.
ActionState& State() {
    static ActionState state;
    return state;
}

// Nested event loops (modal windows) count: a click inside one is a new user action.
int LoopLevel() {
    return QThread::currentThread()->loopLevel();
}

} // namespace

BlockingAction::BlockingAction()
    : savedRunning_(State().running), savedStopped_(State().stopped), savedLevel_(State().level),
      joined_(State().running && State().level == LoopLevel()) {
    State().running = true;
    State().level = LoopLevel();
    if (!joined_) {
        State().stopped = false;
    }
}

BlockingAction::~BlockingAction() {
    State().running = savedRunning_;
    State().level = savedLevel_;
    if (!joined_) {
        State().stopped = savedStopped_;
    }
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
