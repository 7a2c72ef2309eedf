// The one-time-out latch of a user action: a handler called by another handler is part of its
// action, a click inside a modal window (a nested event loop) is an action of its own.
#include "BlockingAction.h"
#include "RequestTestSupport.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace qs::test {
namespace {

// Runs work inside a nested event loop, as a handler of a modal window would run.
void InNestedLoop(const std::function<void()>& work) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        work();
        loop.quit();
    });
    loop.exec();
}

TEST(BlockingAction, AHandlerCalledByAnotherIsPartOfItsAction) {
    StartSessionOnce();
    {
        const BlockingAction outer;
        BlockingAction::NoteTimeout();
        {
            const BlockingAction inner;
            EXPECT_TRUE(BlockingAction::Stopped()); // a time-out before it stops it
        }
        EXPECT_TRUE(BlockingAction::Stopped());
    }
    {
        const BlockingAction outer;
        {
            const BlockingAction inner;
            EXPECT_FALSE(BlockingAction::Stopped());
            BlockingAction::NoteTimeout();
        }
        EXPECT_TRUE(BlockingAction::Stopped()); // one in it stops the rest of the outer action
    }
    EXPECT_FALSE(BlockingAction::Stopped());
}

TEST(BlockingAction, AClickInsideAModalWindowIsAnActionOfItsOwn) {
    StartSessionOnce();
    const BlockingAction opening;
    BlockingAction::NoteTimeout();
    bool stoppedInside = true;
    bool stoppedAfterTimeout = false;
    InNestedLoop([&] {
        const BlockingAction click;
        stoppedInside = BlockingAction::Stopped();
        BlockingAction::NoteTimeout();
        stoppedAfterTimeout = BlockingAction::Stopped();
    });
    EXPECT_FALSE(stoppedInside);
    EXPECT_TRUE(stoppedAfterTimeout);
    EXPECT_TRUE(BlockingAction::Stopped()); // the opening's own state is back
}

} // namespace
} // namespace qs::test
