// The button column and the status line: order, spacing, glyph files.

#include "GUIGenerator.h"
#include "GuiTest.h"
#include "TempDir.h"

#include <QDir>
#include <QImage>

namespace qs::test {
namespace {

using CtrlBtnPanel = GuiTest;

TEST_F(CtrlBtnPanel, DefaultColumnStacksTheShownControls) {
    auto* p = new TCtrlBtnPanel(form);
    EXPECT_EQ(p->Width(), 116);
    EXPECT_EQ(p->Align(), alRight);
    EXPECT_FALSE(p->AddBtn->Visible());
    EXPECT_FALSE(p->DeleteBtn->Visible());
    EXPECT_FALSE(p->StopBtn->Visible());
    int y = 10;
    for (TControl* c : {static_cast<TControl*>(p->SamplesCount), static_cast<TControl*>(p->SamplesLabel),
                        static_cast<TControl*>(p->RefreshBtn), static_cast<TControl*>(p->EditBtn),
                        static_cast<TControl*>(p->SetCheckedBtn), static_cast<TControl*>(p->CheckAllBtn),
                        static_cast<TControl*>(p->ClearChecksBtn), static_cast<TControl*>(p->CloseBtn)}) {
        EXPECT_EQ(c->Top(), y) << c->Name().toStdString();
        EXPECT_EQ(c->Left(), 10);
        EXPECT_EQ(c->Width(), 96);
        y += c->Height() + 5;
    }
    EXPECT_EQ(p->ColumnHeight(), p->CloseBtn->Top() + p->CloseBtn->Height() + 10);
    EXPECT_EQ(p->ColumnHeight(), 235);
}

TEST_F(CtrlBtnPanel, OnlyRefreshAndClose) {
    auto* p = new TCtrlBtnPanel(form);
    for (TControl* c : p->ArrangeList) {
        c->SetVisible(c == p->RefreshBtn || c == p->CloseBtn);
    }
    p->Arrange();
    EXPECT_EQ(p->RefreshBtn->Top(), 10);
    EXPECT_EQ(p->CloseBtn->Top(), p->RefreshBtn->Top() + p->RefreshBtn->Height() + 5);
    EXPECT_EQ(p->ColumnHeight(), 10 + 25 + 5 + 25 + 10);
    EXPECT_EQ(p->StopBtn->Top(), p->CloseBtn->Top()); // hidden: keeps the running top
}

TEST_F(CtrlBtnPanel, CaptionsAndTabOrder) {
    auto* p = new TCtrlBtnPanel(form);
    EXPECT_EQ(p->SamplesCount->Caption(), "0");
    EXPECT_EQ(p->SamplesLabel->Caption(), "Samples");
    EXPECT_EQ(p->SetCheckedBtn->Caption(), "Set Checked");
    EXPECT_EQ(p->ClearChecksBtn->Caption(), "Clear Checks");
    QStringList order;
    QWidget* w = p->CheckAllBtn;
    for (int i = 0; i < 9; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"CheckAllBtn", "ClearChecksBtn", "RefreshBtn", "EditBtn", "SetCheckedBtn",
                                  "AddBtn", "DeleteBtn", "StopBtn", "CloseBtn"}));
}

class GlyphFiles : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        saved = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.Dir()));
    }
    void TearDown() override {
        QDir::setCurrent(saved);
        GuiTest::TearDown();
    }
    void WriteBitmap(const char* name) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(QString::fromStdString(dir.Path(name)), "BMP"));
    }
    TempDir dir;
    QString saved;
};

TEST_F(GlyphFiles, NoFilesKeepEveryCaption) {
    auto* p = new TCtrlBtnPanel(form);
    EXPECT_EQ(p->RefreshBtn->Caption(), "Refresh");
    EXPECT_TRUE(p->RefreshBtn->icon().isNull());
    EXPECT_EQ(p->CloseBtn->Caption(), "Close");
}

TEST_F(GlyphFiles, PictureReplacesTheCaption) {
    WriteBitmap("Get.bmp");
    auto* p = new TCtrlBtnPanel(form);
    EXPECT_EQ(p->RefreshBtn->Caption(), "");
    EXPECT_FALSE(p->RefreshBtn->icon().isNull());
    EXPECT_EQ(p->EditBtn->Caption(), "Edit");
}

TEST_F(GlyphFiles, BrokenFileKeepsItsCaptionAndLaterFilesStillLoad) {
    dir.Write("Get.bmp", "not a bitmap");
    WriteBitmap("Close.bmp");
    WriteBitmap("Stop.bmp");
    auto* p = new TCtrlBtnPanel(form);
    EXPECT_EQ(p->RefreshBtn->Caption(), "Refresh");
    EXPECT_EQ(p->CloseBtn->Caption(), "");
    EXPECT_EQ(p->StopBtn->Caption(), "");
}

TEST_F(CtrlBtnPanel, StatusLineIsTwentyHighAtTheBottom) {
    auto* m = new TMsgPanel(form);
    EXPECT_EQ(m->Height(), 20);
    EXPECT_EQ(m->StatusBar->Height(), 20);
    EXPECT_EQ(m->StatusBar->Align(), alBottom);
}

} // namespace
} // namespace qs::test
