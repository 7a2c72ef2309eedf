// The one-time-out latch of a user action: a handler called by another handler is part of its
// action; a handler run in a nested event loop (a modal window) or inside a pump (a walk between
// its rows) is an action of its own; a time-out stops only the requests of its own target.
#include "BlockingAction.h"
#include "PumpScope.h"
#include "RequestTestSupport.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace qs::test {
namespace {

const std::string kRead = "agent/read community";
const std::string kWrite = "agent/write community";

// Runs work inside a nested event loop, as a handler of a modal window would run.
void InNestedLoop(const std::function<void()>& work) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        work();
        loop.quit();
    });
    loop.exec();
}

// Runs work as a handler that an event pump delivers (a click between the rows of a walk).
void InPump(const std::function<void()>& work) {
    const PumpScope pumping;
    work();
}

TEST(BlockingAction, AHandlerCalledByAnotherIsPartOfItsAction) {
    StartSessionOnce();
    {
        const BlockingAction outer;
        BlockingAction::NoteTimeout(kRead);
        {
            const BlockingAction inner;
            EXPECT_TRUE(BlockingAction::Stopped(kRead)); // a time-out before it stops it
            EXPECT_EQ(BlockingAction::Current(), BlockingAction::Current());
        }
        EXPECT_TRUE(BlockingAction::Stopped(kRead));
    }
    {
        const BlockingAction outer;
        const std::uint64_t number = BlockingAction::Current();
        {
            const BlockingAction inner;
            EXPECT_EQ(BlockingAction::Current(), number);
            EXPECT_FALSE(BlockingAction::Stopped(kRead));
            BlockingAction::NoteTimeout(kRead);
        }
        EXPECT_TRUE(BlockingAction::Stopped(kRead)); // one in it stops the rest of the outer action
    }
    EXPECT_FALSE(BlockingAction::Stopped(kRead));
    EXPECT_EQ(BlockingAction::Current(), 0u);
}

TEST(BlockingAction, ATimeOutStopsOnlyTheRequestsOfItsTarget) {
    StartSessionOnce();
    const BlockingAction action;
    BlockingAction::NoteTimeout(kRead);
    EXPECT_TRUE(BlockingAction::Stopped(kRead));
    EXPECT_FALSE(BlockingAction::Stopped(kWrite));
    BlockingAction::NoteTimeout(kWrite);
    EXPECT_TRUE(BlockingAction::Stopped(kWrite));
}

// A handler in a nested loop or a pump: with an action of its own it starts afresh and hands the
// interrupted action its state back; without one its requests are neither skipped by the
// interrupted action nor do they stop it.
TEST(BlockingAction, AHandlerInANestedLoopOrAPumpIsNoPartOfTheActionItInterrupts) {
    StartSessionOnce();
    using Runner = void (*)(const std::function<void()>&);
    for (const Runner run : {Runner{InNestedLoop}, Runner{InPump}}) {
        const BlockingAction opening;
        const std::uint64_t number = BlockingAction::Current();
        BlockingAction::NoteTimeout(kRead);
        bool stoppedInside = true;
        bool stoppedAfterTimeout = false;
        bool ownNumber = false;
        run([&] {
            const BlockingAction click;
            ownNumber = BlockingAction::Current() != number && BlockingAction::Current() != 0;
            stoppedInside = BlockingAction::Stopped(kRead);
            BlockingAction::NoteTimeout(kRead);
            stoppedAfterTimeout = BlockingAction::Stopped(kRead);
        });
        EXPECT_TRUE(ownNumber);
        EXPECT_FALSE(stoppedInside);
        EXPECT_TRUE(stoppedAfterTimeout);
        bool stoppedWithoutAction = true;
        run([&] {
            stoppedWithoutAction = BlockingAction::Stopped(kRead);
            EXPECT_EQ(BlockingAction::Current(), 0u);
            BlockingAction::NoteTimeout(kWrite); // a timer's read, say
        });
        EXPECT_FALSE(stoppedWithoutAction);
        EXPECT_FALSE(BlockingAction::Stopped(kWrite));
        EXPECT_TRUE(BlockingAction::Stopped(kRead)); // the opening's own state is back
        EXPECT_EQ(BlockingAction::Current(), number);
    }
}

} // namespace
} // namespace qs::test
