// The waiting dialog: its count, its bar, and that nothing but the count closes it.

#include "GUIWaitingFormUnit.h"
#include "GuiTest.h"

#include <QElapsedTimer>
#include <QTimer>

namespace qs::test {
namespace {

using WaitingForm = GuiTest;

// Ticks a shown (not modal) form by hand until it hides; returns the number of ticks.
int TicksUntilClosed(int waitTime) {
    TGUIWaitingForm f;
    f.WaitTime = waitTime;
    f.Show();
    f.Timer1->SetEnabled(false); // the test drives the ticks
    int ticks = 0;
    while (f.isVisible() && ticks < 1000) {
        f.Timer1Timer(f.Timer1);
        ++ticks;
    }
    return ticks;
}

TEST_F(WaitingForm, ClosesAfterItsCount) {
    EXPECT_EQ(TicksUntilClosed(2000), 40);
    EXPECT_EQ(TicksUntilClosed(1000), 50);
    EXPECT_EQ(TicksUntilClosed(300), 30);
    EXPECT_EQ(TicksUntilClosed(1), 1);
}

TEST_F(WaitingForm, LayoutAndStart) {
    TGUIWaitingForm f;
    EXPECT_EQ(f.Caption(), "Please Wait...");
    EXPECT_EQ(f.ClientWidth(), 396);
    EXPECT_EQ(f.ClientHeight(), 24);
    EXPECT_EQ(f.ProgressBar1->Width(), 396);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
    f.WaitTime = 1500;
    f.Show();
    EXPECT_TRUE(f.Timer1->Enabled());
    EXPECT_EQ(f.ProgressBar1->Max(), 150);
    EXPECT_EQ(f.Timer1->Interval(), 30);
    f.Timer1->SetEnabled(false);
    int positions = 0;
    for (int i = 0; i < 8; ++i) {
        f.Timer1Timer(f.Timer1);
        positions += f.ProgressBar1->Position() == 0 ? 1 : 0;
    }
    EXPECT_EQ(positions, 1); // 20 .. 140, then back to 0: the bar never stalls
}

TEST_F(WaitingForm, ModalWaitCannotBeEndedEarly) {
    TGUIWaitingForm f;
    f.WaitTime = 300;
    QTimer::singleShot(20, &f, [&f] {
        f.close(); // the window manager's close
        QTest::keyClick(&f, Qt::Key_Escape);
        f.Close(); // and the form's own close before the time is up
    });
    QElapsedTimer clock;
    clock.start();
    f.ShowModal();
    EXPECT_GE(clock.elapsed(), 280);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(f.Timer1->Enabled());
}

} // namespace
} // namespace qs::test
