// The timed progress boxes: they count one step a tick, close themselves at their close position
// and cannot be closed before.

#include "GuiTest.h"
#include "Progress2.h"

#include <QTimer>

namespace qs::test {
namespace {

class ProgressTest : public GuiTest {
protected:
    // Shows box modally with a fast timer; returns the positions seen at each tick.
    QList<int> RunFast(TProgressForm* box) {
        QList<int> seen;
        auto tick = box->ProgressTimer->OnTimer;
        box->ProgressTimer->OnTimer = [&seen, box, tick](TObject* s) {
            tick(s);
            seen << box->ProgressBar->Position();
        };
        box->ProgressTimer->SetInterval(1);
        box->ShowModal();
        return seen;
    }
};

TEST_F(ProgressTest, LayoutAndStartState) {
    TProgressForm box(nullptr, form);
    EXPECT_EQ(box.Caption(), QStringLiteral("Progress"));
    EXPECT_EQ(box.ClientWidth(), 358);
    EXPECT_EQ(box.ClientHeight(), 66);
    EXPECT_EQ(box.ProgressBar->Max(), 76);
    EXPECT_EQ(box.ProgressBar->Position(), 0);
    EXPECT_FALSE(box.ProgressTimer->Enabled()) << "started when shown";
    EXPECT_EQ(box.ProgressTimer->Interval(), 1000);
    EXPECT_EQ(box.parentWidget(), form);
    EXPECT_TRUE(box.isWindow());
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(ProgressTest, CountsToThirtyAndClosesAtTheNextTick) {
    auto* box = new TProgressForm(nullptr, form);
    box->SetCaption(QStringLiteral("Enable STP Progress"));
    box->LB_Prompt->SetCaption(QStringLiteral("Enable STP is processing..."));
    const QList<int> seen = RunFast(box);
    ASSERT_EQ(seen.size(), 31);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(seen[i], i + 1);
    }
    EXPECT_EQ(seen.last(), 30) << "the 31st tick closes";
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(box->ProgressTimer->Enabled());
    EXPECT_EQ(box->parentWidget(), nullptr) << "detached from the calling dialog";
    delete box;
}

TEST_F(ProgressTest, CannotBeClosedEarly) {
    auto* box = new TProgressForm(nullptr, form);
    int positionAtClose = -1;
    QTimer::singleShot(0, box, [&] {
        positionAtClose = box->ProgressBar->Position();
        box->Close();
    });
    RunFast(box);
    EXPECT_LT(positionAtClose, 30);
    EXPECT_EQ(box->ProgressBar->Position(), 30);
    delete box;
}

TEST_F(ProgressTest, SecondBoxClosesAtItsClosePosition) {
    const struct {
        int closePosition, ticks, last;
    } cases[] = {{30, 31, 30}, {3, 4, 3}, {0, 1, 0}, {200, 76, 75}};
    for (const auto& c : cases) {
        auto* box = new TProgressForm2(nullptr, form);
        EXPECT_EQ(box->ClosePosition, 30);
        box->ClosePosition = c.closePosition;
        const QList<int> seen = RunFast(box);
        EXPECT_EQ(seen.size(), c.ticks) << c.closePosition;
        EXPECT_EQ(seen.last(), c.last) << c.closePosition;
        delete box;
    }
}

} // namespace
} // namespace qs::test
