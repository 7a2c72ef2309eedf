// Timers: never re-entered, switchable inside their own handler, running inside modal loops.

#include "Timer.h"
#include "GuiTest.h"

#include <QElapsedTimer>
#include <QTimer>

namespace qs::test {
namespace {

using TimerTest = GuiTest;

void WaitUntil(const std::function<bool()>& done, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

TEST_F(TimerTest, HandlerThatPumpsMessagesIsNotReentered) {
    auto* timer = new TTimer(form);
    timer->SetInterval(1);
    int depth = 0;
    int deepest = 0;
    int calls = 0;
    timer->OnTimer = [&](TObject*) {
        ++calls;
        deepest = std::max(deepest, ++depth);
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < 20) {
            Application->ProcessMessages();
        }
        --depth;
    };
    WaitUntil([&] { return calls >= 3; });
    EXPECT_GE(calls, 3);
    EXPECT_EQ(deepest, 1);
}

TEST_F(TimerTest, HandlerCanDisableAndReenableItsTimer) {
    auto* timer = new TTimer(form);
    timer->SetInterval(1);
    int calls = 0;
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false); // the pump's pattern: off for the step, on again after it
        ++calls;
        timer->SetEnabled(calls < 3);
    };
    WaitUntil([&] { return calls >= 3; });
    Pump();
    QTest::qWait(20);
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(timer->Enabled());
}

TEST_F(TimerTest, KeepsFiringInsideAModalForm) {
    auto* timer = new TTimer(form);
    timer->SetInterval(1);
    int calls = 0;
    auto* dialog = new TForm(form);
    // The third tick ends the modal loop: nothing depends on how many ticks a time span holds.
    timer->OnTimer = [&](TObject*) {
        if (++calls == 3) {
            dialog->SetModalResult(mrOk);
        }
    };
    QTimer::singleShot(30000, dialog, [&] { dialog->SetModalResult(mrCancel); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_GE(calls, 3);
}

TEST_F(TimerTest, FreedWithItsOwnerAndSilentAfterwards) {
    auto* owner = new TForm;
    auto* timer = new TTimer(owner);
    int calls = 0;
    timer->SetInterval(1);
    timer->OnTimer = [&](TObject*) { ++calls; };
    delete owner;
    QTest::qWait(10);
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace qs::test
