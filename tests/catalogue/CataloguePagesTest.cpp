// Every page of the menu built from its definition, opened against the simulated switch, read
// and closed again, as a user clicking through the menu would.
#include "CatalogueWalk.h"
#include "DirectCommands.h"
#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"
#include "StatusBar.h"

#include <QDir>
#include <QElapsedTimer>
#include <filesystem>

namespace qs::test {
namespace {

class CataloguePages : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        ASSERT_TRUE(sim.start()) << sim.lastError();
        InitSnmpSession("");
        DefaultDevice = QsSNMPDevice{"127.0.0.1", static_cast<std::uint16_t>(sim.port())};
        DeviceAddress = "127.0.0.1";
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder);
        GuiTest::TearDown();
    }

    static std::vector<TSNMPPanel*> Panels(TConfigForm& form) {
        std::vector<TSNMPPanel*> panels;
        for (QFrame* frame : form.findChildren<QFrame*>()) {
            if (auto* panel = dynamic_cast<TSNMPPanel*>(frame);
                panel != nullptr && panel->MsgPanel != nullptr) {
                panels.push_back(panel);
            }
        }
        return panels;
    }
    // The status line of the page on view once its first read has ended (empty after 5 s).
    static QString FirstReadStatus(TConfigForm& form) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            for (TSNMPPanel* panel : Panels(form)) {
                const QString text = panel->StatusBar->SimpleText();
                if (panel->isVisible() && !text.isEmpty() && !panel->Request->Busy) {
                    return text;
                }
            }
        }
        return {};
    }

    TempFolder folder;
    std::filesystem::path previousFolder;
    SimProcess sim;
};

TEST_F(CataloguePages, EveryPageOpensReadsAndCloses) {
    int opened = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        const VersionOverride v2c(page.forceV2cIfV1);
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        EXPECT_EQ(pageForm->Caption(), QString::fromUtf8(page.title) + ": 127.0.0.1");
        pageForm->Show();
        const QString status = FirstReadStatus(*pageForm);
        EXPECT_TRUE(status.startsWith("Get: Ok!")) << page.title << ": " << status.toStdString();
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

// A list page shows Add and Delete only where it has their status texts; a page that hides Edit
// keeps or drops the double-click edit as its settings say (the IP-MAC blocked table deletes
// only, and a double-click there does nothing).
TEST_F(CataloguePages, ListPagesShowTheButtonsOfTheirSettings) {
    int checked = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.kind != qs::PageKind::List) {
            continue;
        }
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*pageForm).at(0));
        ASSERT_NE(panel, nullptr) << page.title;
        EXPECT_EQ(!panel->BtnPanel->AddBtn->isHidden(), page.add.var >= 0) << page.title;
        EXPECT_EQ(!panel->BtnPanel->DeleteBtn->isHidden(), page.del.var >= 0) << page.title;
        if (page.editHidden) {
            EXPECT_TRUE(panel->BtnPanel->EditBtn->isHidden()) << page.title;
            EXPECT_EQ(static_cast<bool>(panel->ListPanel->ListView->OnDblClick), page.doubleClick)
                << page.title;
        }
        pageForm.reset();
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

TEST_F(CataloguePages, SavesScreenshotsOfRepresentativePages) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const std::pair<const char*, const char*> shots[] = {
        {"System Time", "page-system-time.png"},
        {"Trusted Host Table", "page-trusted-hosts.png"},
        {"802.1D Port Table", "page-8021d-ports.png"},
        {"SSH Management Table", "page-ssh-management.png"},
        {"IP-MAC Binding Blocked Table", "page-ipmac-blocked.png"},
        {"Session Information", "page-mac-sessions.png"},
    };
    for (const auto& [title, file] : shots) {
        const qs::PageDef* page = nullptr;
        for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
            if (std::string(e.entry->page->title) == title) {
                page = e.entry->page;
            }
        }
        ASSERT_NE(page, nullptr) << title;
        const VersionOverride v2c(page->forceV2cIfV1);
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
