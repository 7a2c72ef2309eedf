// An editor page, a list page and an Add sub-form, read from krs-sim and saved as PNG files
// for a person to look at.

#include "PageSimSupport.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>

namespace qs::test {
namespace {

using PageScreenshot = PageSimTest;

void Save(QWidget* window, const char* name) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral(KRS_SCREENSHOT_DIR "/") + QString::fromLatin1(name)));
}

TEST_F(PageScreenshot, EditorPage) {
    auto page = std::make_unique<TConfigForm>();
    page->SetCaption(QStringLiteral("Lab Settings: 127.0.0.1"));
    TSNMPEditorPanel* panel =
        page->SetEditorPage(Aimed(page.get(), ScalarTable(), SVT_SV, 0, "Lab Settings"));
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return panel->StatusBar->SimpleText().startsWith("Get:"); }));
        panel->EditsPanel->Items[0].CheckBox->SetChecked(true);
        Save(page.get(), "page-editor.png");
    }));
}

TEST_F(PageScreenshot, ListPageAndAddSubForm) {
    auto page = std::make_unique<TConfigForm>();
    page->SetCaption(QStringLiteral("Lab Rows: 127.0.0.1"));
    TSNMPListViewPanel* panel = page->SetListViewPage(Aimed(page.get(), RowTable(), MVT_FMV, 1, "Lab Rows"),
                                                      3, "createAndGo", 3, "destroy");
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(
            WaitFor([&] { return !panel->Request->Busy && panel->ListPanel->ListView->ItemCount() == 2; }));
        Save(page.get(), "page-list.png");
        QTimer::singleShot(0, [] {
            auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
            ASSERT_NE(sub, nullptr);
            Save(sub, "page-add.png");
            sub->Close();
        });
        panel->BtnPanel->AddBtn->Click();
    }));
}

} // namespace
} // namespace qs::test
