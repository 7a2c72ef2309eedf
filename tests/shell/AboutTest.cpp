#include "About.h"

#include "Button.h"
#include "GuiTest.h"
#include "Image.h"
#include "Label.h"

#include <QKeyEvent>
#include <QTimer>

namespace qs::test {
namespace {

class About : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        about = new TAboutForm(form);
        AboutForm = about;
    }
    void TearDown() override {
        AboutForm = nullptr;
        GuiTest::TearDown();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers mods) {
        QKeyEvent event(QEvent::KeyPress, key, mods);
        QCoreApplication::sendEvent(about->BT_Ok, &event);
    }
    TAboutForm* about = nullptr;
};

TEST_F(About, NamesTheModelOnActivation) {
    about->FormActivate(about);
    EXPECT_EQ(about->AboutLabel->Caption(), "Torvik KRS-5400-28 Vorev Ethernet Management Module");
    EXPECT_EQ(about->Caption(), "About KRS-5400-28 Vorev Ethernet Module");
    EXPECT_FALSE(about->Image5428->Empty());
    EXPECT_EQ(about->ClientWidth(), 409);
    EXPECT_EQ(about->BT_Ok->Left(), 136);
}

TEST_F(About, ShiftAltF3ShowsTheBuild) {
    Press(Qt::Key_F3, Qt::NoModifier);
    Press(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(about->VersionLabel->Caption(), "Release Version 1.25");
    Press(Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about->VersionLabel->Caption(), "Release Version 1.25R10(Build 2011/1/5)");
}

TEST_F(About, OkEndsTheModalWait) {
    QTimer::singleShot(0, about, [this] { about->BT_Ok->Click(); });
    about->ShowModal();
    EXPECT_FALSE(about->isVisible());
}

} // namespace
} // namespace qs::test
