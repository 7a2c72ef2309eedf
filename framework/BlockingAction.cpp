#include "BlockingAction.h"

#include "PumpScope.h"

#include <QThread>

#include <algorithm>

namespace qs {

namespace {

struct Counters {
    std::uint64_t timeouts = 0;
    std::uint64_t skipped = 0;
    std::uint64_t lastNumber = 0;
};

Counters& Count() {
    static Counters counters;
    return counters;
}

} // namespace

BlockingAction::Frame& BlockingAction::Running() {
    static Frame frame;
    return frame;
}

// Nested event loops (modal windows) and pumps (a handler processing events itself) count: an
// event handled inside either is a new user action.
BlockingAction::Position BlockingAction::Here() {
    return {QThread::currentThread()->loopLevel(), PumpScope::Depth()};
}

bool BlockingAction::RunsHere() {
    return Running().running && Running().at == Here();
}

BlockingAction::BlockingAction() : joined_(RunsHere()) {
    if (joined_) {
        return;
    }
    Frame& running = Running();
    saved_ = std::move(running);
    running = Frame{true, Here(), ++Count().lastNumber, {}};
}

BlockingAction::~BlockingAction() {
    if (!joined_) {
        Running() = std::move(saved_);
    }
}

bool BlockingAction::Stopped(const std::string& target) {
    const std::vector<std::string>& targets = Running().timedOut;
    return RunsHere() && std::find(targets.begin(), targets.end(), target) != targets.end();
}

void BlockingAction::NoteTimeout(const std::string& target) {
    ++Count().timeouts;
    if (RunsHere() && !Stopped(target)) {
        Running().timedOut.push_back(target);
    }
}

std::uint64_t BlockingAction::Current() {
    return RunsHere() ? Running().number : 0;
}

std::uint64_t BlockingAction::Timeouts() {
    return Count().timeouts;
}

std::uint64_t BlockingAction::Skipped() {
    return Count().skipped;
}

void BlockingAction::NoteSkipped() {
    ++Count().skipped;
}

} // namespace qs
