// Every page of the menu built from its definition, opened against the simulated switch, read
// and closed again, as a user clicking through the menu would.
#include "CataloguePageTest.h"
#include "PageCommand.h"
#include "QsSNMPRequest2Edits.h"
#include "StatusBar.h"

#include <QDir>

namespace qs::test {
namespace {

using CataloguePages = CataloguePageTest;

TEST_F(CataloguePages, EveryPageOpensReadsAndCloses) {
    int opened = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        EXPECT_EQ(pageForm->Caption(), QString::fromUtf8(page.title) + ": 127.0.0.1");
        pageForm->Show();
        const QString status = FirstReadStatus(*pageForm);
        EXPECT_TRUE(status.startsWith("Get: Ok!")) << page.title << ": " << status.toStdString();
        for (TSNMPPanel* panel : Panels(*pageForm)) {
            if (auto* list = dynamic_cast<TSNMPListViewPanel*>(panel); list != nullptr && list->isVisible()) {
                EXPECT_GT(list->ListPanel->ListView->ItemCount(), 0) << page.title << ": no row read";
            }
        }
        pageForm->Close();
        QCoreApplication::processEvents();
        pageForm.reset();
        ++opened;
    }
    EXPECT_GT(opened, 30);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// On every editor page with writable items, "Check All" and "Set Checked" write the values just
// read back to the device, and the device takes them.
TEST_F(CataloguePages, EditorPagesWriteWhatTheyRead) {
    int written = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.kind != qs::PageKind::Editor) {
            continue;
        }
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        pageForm->Show();
        ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!")) << page.title;
        auto* panel = dynamic_cast<TSNMPEditorPanel*>(Panels(*pageForm).at(0));
        if (panel == nullptr || !panel->BtnPanel->SetCheckedBtn->isVisible()) {
            continue;
        }
        const std::size_t before = sim.journal().size();
        panel->CheckAll(panel);
        panel->BtnPanel->SetCheckedBtn->Click();
        QCoreApplication::processEvents();
        const QString status = panel->StatusBar->SimpleText();
        EXPECT_TRUE(status.startsWith("Set: Ok!")) << page.title << ": " << status.toStdString();
        const auto journal = sim.journal();
        ASSERT_GT(journal.size(), before) << page.title;
        EXPECT_EQ(journal[before].pdu, "set") << page.title;
        EXPECT_EQ(journal[before].errorStatus, "noError") << page.title;
        pageForm->Close();
        QCoreApplication::processEvents();
        ++written;
    }
    EXPECT_GT(written, 5);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(CataloguePages, SavesScreenshotsOfThreePages) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const std::pair<const char*, const char*> shots[] = {
        {"System Time", "page-system-time.png"},
        {"Trusted Host Table", "page-trusted-hosts.png"},
        {"802.1D Port Table", "page-8021d-ports.png"},
    };
    for (const auto& [title, file] : shots) {
        const qs::PageDef* page = nullptr;
        for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
            if (std::string(e.entry->page->title) == title) {
                page = e.entry->page;
            }
        }
        ASSERT_NE(page, nullptr) << title;
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(*page);
        pageForm->Show();
        EXPECT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!")) << title;
        EXPECT_TRUE(pageForm->grab().save(QStringLiteral(KRS_SCREENSHOT_DIR "/") + file)) << title;
        pageForm->Close();
        QCoreApplication::processEvents();
    }
}

} // namespace
} // namespace qs::test
