// The exit event: reported for focus moves inside the window only, with the refocus of a
// failing check queued and the click that caused it dropped.

#include "Button.h"
#include "Edit.h"
#include "GuiTest.h"

#include <QDialog>

namespace qs::test {
namespace {

class ExitTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        first = MakeEdit(QStringLiteral("First"), 10);
        second = MakeEdit(QStringLiteral("Second"), 40);
        button = new TButton(form);
        button->SetName(QStringLiteral("Apply"));
        button->SetCaption(QStringLiteral("Apply"));
        button->SetBounds(10, 70, 80, 25);
        button->OnClick = [this](TObject*) { log << QStringLiteral("Apply:click"); };
        ShowActive();
        first->setFocus();
        Pump();
        log.clear();
    }
    TEdit* MakeEdit(const QString& name, int top) {
        auto* e = new TEdit(form);
        e->SetName(name);
        e->SetBounds(10, top, 100, 22);
        e->OnExit = [this, name](TObject*) { log << name + QStringLiteral(":exit"); };
        return e;
    }
    // The first edit refuses to be left: a message, then the focus back.
    void RefuseLeavingFirst() {
        first->OnExit = [this](TObject*) {
            log << QStringLiteral("First:exit");
            ShowMessage(QStringLiteral("bad"));
            first->SetFocus();
        };
    }

    TEdit* first = nullptr;
    TEdit* second = nullptr;
    TButton* button = nullptr;
    QStringList log;
};

TEST_F(ExitTest, TabClickAndSetFocusInsideTheWindowReportAnExit) {
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::mouseClick(button, Qt::LeftButton);
    first->SetFocus();
    second->SetFocus();
    EXPECT_EQ(log, QStringList({"First:exit", "Second:exit", "Apply:click", "First:exit"}));
}

TEST_F(ExitTest, DeactivationAndAnotherWindowReportNoExit) {
    QDialog other;
    other.setObjectName(QStringLiteral("OtherWindow"));
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_TRUE(first->hasFocus());
    EXPECT_TRUE(log.isEmpty()) << log.join(',').toStdString();
}

TEST_F(ExitTest, HidingOrDestroyingTheWindowReportsNoExit) {
    form->hide();
    Pump();
    EXPECT_TRUE(log.isEmpty());
    ShowActive();
    first->setFocus();
    auto* counter = new int(0);
    first->OnExit = [counter](TObject*) { ++*counter; }; // would touch freed memory if called late
    second->OnExit = first->OnExit;
    delete std::exchange(form, nullptr);
    EXPECT_EQ(*counter, 0);
    delete counter;
    form = new TForm; // for TearDown
}

TEST_F(ExitTest, FailingExitGetsTheFocusBackWithoutAnExitOfTheOtherEdit) {
    RefuseLeavingFirst();
    QTest::keyClick(first, Qt::Key_Tab);
    Pump();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(log, QStringList({"First:exit"})) << "the refocus must not report Second:exit";
    EXPECT_EQ(messages.Texts(), QStringList({"bad"}));
}

TEST_F(ExitTest, TheClickThatCausedAFailingExitDoesNotRun) {
    RefuseLeavingFirst();
    QTest::mouseClick(button, Qt::LeftButton);
    Pump();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(log, QStringList({"First:exit"}));
    first->OnExit = nullptr;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(log, QStringList({"First:exit", "Apply:click"})) << "later clicks run again";
}

TEST_F(ExitTest, ExitHandlerMovingTheFocusElsewhereIsQueuedAndNotNested) {
    TEdit* third = MakeEdit(QStringLiteral("Third"), 100);
    first->OnExit = [&](TObject*) {
        log << QStringLiteral("First:exit");
        third->SetFocus();
        EXPECT_FALSE(third->hasFocus()) << "moved only after the current focus move";
    };
    QTest::keyClick(first, Qt::Key_Tab);
    Pump();
    EXPECT_TRUE(third->hasFocus());
    EXPECT_EQ(log, QStringList({"First:exit"}));
}

TEST_F(ExitTest, FocusNextIsQueuedAndFollowsTabOrder) {
    PostFocusNext(form);
    EXPECT_TRUE(first->hasFocus());
    Pump();
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(log, QStringList({"First:exit"}));
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

// The focus is already moving while an exit handler runs; a focus-next it asks for (an edit
// rewriting its text, say) must not move it a second time.
TEST_F(ExitTest, FocusNextAskedInsideAnExitHandlerIsDropped) {
    MakeEdit(QStringLiteral("Third"), 100);
    first->OnExit = [this](TObject*) { PostFocusNext(form); };
    QTest::keyClick(first, Qt::Key_Tab);
    Pump();
    EXPECT_TRUE(second->hasFocus());
}

} // namespace
} // namespace qs::test
