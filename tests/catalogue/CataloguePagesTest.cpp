// Every page of the menu built from its definition, opened against the simulated switch, read
// and closed again, as a user clicking through the menu would.
#include "CatalogueWalk.h"
#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"
#include "StatusBar.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
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

TEST_F(CataloguePages, SavesScreenshotsOfThreePages) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const std::pair<const char*, const char*> shots[] = {
        {"System Time", "page-system-time.png"},
        {"Trusted Host Table", "page-trusted-hosts.png"},
        {"802.1D Port Table", "page-8021d-ports.png"},
        {"Remote VLAN Name", "page-lldp-remote-vlan-names.png"},
        {"ACL Meter Table", "page-acl-meters.png"},
        {"CoS Priority Table", "page-cos-priority.png"},
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

const qs::PageDef& PageNamed(const char* objectName) {
    const qs::MenuEntry* entry = qs::FindMenuEntry(qs::MainMenuItems(), objectName);
    EXPECT_NE(entry, nullptr) << objectName;
    return *entry->page;
}

// A cell of a list row: column 0 is the item's caption.
QString Cell(const TListItem* item, int column) {
    return column == 0 ? item->Caption() : item->SubItem(column - 1);
}

TSNMPListViewPanel* ListPanelOn(TConfigForm& form, int tab) {
    auto* sheet = form.PageControl != nullptr ? form.PageControl->Pages(tab) : nullptr;
    for (QFrame* frame : form.findChildren<QFrame*>()) {
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(frame);
        if (panel != nullptr && panel->MsgPanel != nullptr &&
            (sheet == nullptr || sheet->isAncestorOf(panel))) {
            return panel;
        }
    }
    return nullptr;
}

// The list pages and tabs that change their buttons: whether Edit and Stop show, and whether a
// double-click on a row still opens the Edit sub-form.
TEST_F(CataloguePages, ButtonVariantsOfTheAclPages) {
    struct Case {
        const char* objectName;
        int tab;
        bool editShown;
        bool stopShown;
        bool doubleClickEdits;
    };
    const Case cases[] = {
        {"MeterTable1", -1, false, false, true},
        {"PayloadMaskInformation1", 0, false, true, false},
        {"PayloadMaskInformation1", 1, false, true, false},
        {"PacketContentRuleOffsets1", -1, false, true, false},
        {"IPv6maskCPUACLfilter1", -1, false, false, false},
        {"CounterTable1", -1, true, false, true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed(c.objectName));
        TSNMPListViewPanel* panel = ListPanelOn(*pageForm, c.tab < 0 ? 0 : c.tab);
        ASSERT_NE(panel, nullptr) << c.objectName << " " << c.tab;
        EXPECT_EQ(!panel->BtnPanel->EditBtn->isHidden(), c.editShown) << c.objectName << " " << c.tab;
        EXPECT_EQ(!panel->BtnPanel->StopBtn->isHidden(), c.stopShown) << c.objectName << " " << c.tab;
        EXPECT_EQ(static_cast<bool>(panel->ListPanel->ListView->OnDblClick), c.doubleClickEdits)
            << c.objectName << " " << c.tab;
        // The visible buttons close up: Refresh is followed by Add (or the next visible button).
        EXPECT_LT(panel->BtnPanel->CloseBtn->Top(), 10 + 8 * 35) << c.objectName;
    }
}

// The "Packet Content Offsets" tab reads its Profile ID column from the device as well; the value
// shown is the row's own index.
TEST_F(CataloguePages, PacketContentOffsetsTabReadsItsProfileColumn) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("PayloadMaskInformation1"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    const std::size_t before = sim.journal().size();
    pageForm->PageControl->setCurrentIndex(1); // as the user's pick
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 1);
    ASSERT_NE(panel, nullptr);
    QElapsedTimer clock;
    clock.start();
    while ((panel->Request->Busy || panel->ListPanel->ListView->ItemCount() < 3) && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const auto journal = sim.journal();
    ASSERT_GT(journal.size(), before);
    EXPECT_EQ(journal[before].pdu, "getnext");
    ASSERT_FALSE(journal[before].varbinds.empty());
    EXPECT_EQ(journal[before].varbinds[0].oid, ".1.3.6.1.4.1.58613.12.9.2.10.2.1.1");
    TListView* list = panel->ListPanel->ListView;
    ASSERT_EQ(list->ItemCount(), 3);
    EXPECT_EQ(list->ColumnCaption(0), "Profile ID");
    EXPECT_EQ(Cell(list->Item(2), 0), "6");
    EXPECT_EQ(Cell(list->Item(2), 1), "1");
    EXPECT_EQ(Cell(list->Item(2), 2), "l2");
    pageForm->Close();
    QCoreApplication::processEvents();
}

// The five statistics scalars make one row, after the first read and after every Refresh.
TEST_F(CataloguePages, StatisticsInformationListsOneRowPerRead) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("StatisticsInformation1"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
    ASSERT_NE(panel, nullptr);
    TListView* list = panel->ListPanel->ListView;
    for (int read = 0; read < 2; ++read) {
        ASSERT_EQ(list->ItemCount(), 1) << read;
        EXPECT_EQ(Cell(list->Item(0), 0), "0:00:47.11");
        EXPECT_EQ(Cell(list->Item(0), 1), "7");
        panel->BtnPanel->RefreshBtn->Click();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 300 || (panel->Request->Busy && clock.elapsed() < 5000)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    pageForm->Close();
    QCoreApplication::processEvents();
}

// SNMPv1 cannot carry the 64-bit green counter: the device skips that column, so every row of
// the counter page shows the column as not done while the other columns read normally.
TEST_F(CataloguePages, GreenCounterUnderSnmpV1ShowsNotDone) {
    const auto configured = DefaultSecurity.version;
    DefaultSecurity.version = 0;
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("CounterTable1"));
    pageForm->Show();
    const QString status = FirstReadStatus(*pageForm);
    EXPECT_TRUE(status.startsWith("Get: Ok!")) << status.toStdString();
    TListView* list = ListPanelOn(*pageForm, 0)->ListPanel->ListView;
    ASSERT_EQ(list->ItemCount(), 3);
    for (int i = 0; i < list->ItemCount(); ++i) {
        EXPECT_EQ(Cell(list->Item(i), 3), "(NOTDONE)") << i;
    }
    EXPECT_EQ(Cell(list->Item(0), 2), "enabled");
    pageForm->Close();
    QCoreApplication::processEvents();
    DefaultSecurity.version = configured;
}

// A double-click on the first row opens its Edit sub-form; ticking every writable item and
// "Set Checked" writes the row back as it was read.
TEST_F(CataloguePages, EditSubFormWritesBackTheRowItRead) {
    const char* names[] = {"PortVLANTable1", "MeterTable1", "CoSPriorityTable1", "PoEPortControl1",
                           "TimeRangeACLTable1"};
    for (const char* name : names) {
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed(name));
        pageForm->Show();
        ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!")) << name;
        TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
        TListView* list = panel->ListPanel->ListView;
        ASSERT_GT(list->ItemCount(), 0) << name;
        list->SetSelected(list->Item(0));
        panel->ListClick(list);
        const std::size_t before = sim.journal().size();
        QStringList txOptions;
        QTimer::singleShot(0, [&] {
            auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
            ASSERT_NE(sub, nullptr) << name;
            auto* frame = dynamic_cast<TSNMPPanel*>(sub->FindComponent(QStringLiteral("SNMPPanel")));
            ASSERT_NE(frame, nullptr) << name;
            if (auto* combo = dynamic_cast<TComboBox*>(panel->EditsPanel->Items[1].Control)) {
                txOptions = combo->Items().ToList();
            }
            for (int i = panel->Request->Request.List.PKeyCount; i < panel->EditsPanel->ItemCount(); ++i) {
                TCheckBox* box = panel->EditsPanel->Items[static_cast<std::size_t>(i)].CheckBox;
                if (!box->isHidden() && box->Enabled()) {
                    box->SetChecked(true);
                }
            }
            frame->BtnPanel->SetCheckedBtn->Click();
            if (sub->isVisible()) {
                sub->Close();
            }
        });
        list->OnDblClick(list);
        const auto journal = sim.journal();
        ASSERT_GT(journal.size(), before) << name;
        EXPECT_EQ(journal[before].pdu, "set") << name;
        EXPECT_EQ(journal[before].errorStatus, "noError") << name;
        if (std::string(name) == "PortVLANTable1") {
            EXPECT_EQ(txOptions, QStringList({"true", "false"}));
            ASSERT_EQ(journal[before].varbinds.size(), 1u);
            EXPECT_EQ(journal[before].varbinds[0].oid, ".1.0.8802.1.1.2.1.5.32962.1.1.1.1.1.1");
            EXPECT_EQ(journal[before].varbinds[0].value, "1");
        }
        pageForm->Close();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// The IPv6 mask fields of the CPU-filter page take hex digits only and exactly 32 of them: the
// usual IPv6 text cannot be typed in, a short mask is refused with the hex-length message, and
// a full one is sent as its 16 octets with the new row.
TEST_F(CataloguePages, Ipv6MaskAddTakesOnlyThirtyTwoHexDigits) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("IPv6maskCPUACLfilter1"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
    auto edit = [panel](int i) { return dynamic_cast<TEdit*>(panel->EditsPanel->Items[i].Control); };
    const std::size_t before = sim.journal().size();
    QString typed;
    QStringList shortMessages;
    QTimer::singleShot(0, [&] {
        auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        ASSERT_NE(sub, nullptr);
        auto* frame = dynamic_cast<TSNMPPanel*>(sub->FindComponent(QStringLiteral("SNMPPanel")));
        ASSERT_NE(frame, nullptr);
        edit(0)->SetText(QStringLiteral("4"));
        edit(4)->SetText(QString());
        QTest::keyClicks(edit(4), "FFFF:FFFF::");
        typed = edit(4)->Text();
        edit(4)->SetText(QStringLiteral("FFFF"));
        QApplication::setActiveWindow(sub);
        ASSERT_TRUE(QTest::qWaitForWindowActive(sub));
        edit(4)->setFocus();
        QTest::keyClick(edit(4), Qt::Key_Tab); // leaving the edit checks it
        shortMessages = messages.Texts();
        edit(4)->SetText(QStringLiteral("FFFFFFFF000000000000000000000000"));
        panel->EditsPanel->Items[4].CheckBox->SetChecked(true);
        frame->BtnPanel->SetCheckedBtn->Click();
        if (sub->isVisible()) {
            sub->Close();
        }
    });
    panel->BtnPanel->AddBtn->Click();
    EXPECT_EQ(typed, "FFFFFFFF");
    EXPECT_EQ(shortMessages, QStringList({" Please enter a hex string whose length is 32!"}));
    const auto journal = sim.journal();
    const auto set = std::find_if(journal.begin() + static_cast<std::ptrdiff_t>(before), journal.end(),
                                  [](const auto& record) { return record.pdu == "set"; });
    ASSERT_NE(set, journal.end());
    EXPECT_EQ(set->errorStatus, "noError");
    std::map<std::string, std::string> sent;
    for (const auto& vb : set->varbinds) {
        sent[vb.oid] = vb.hex.empty() ? vb.value : vb.hex;
    }
    EXPECT_EQ(sent[".1.3.6.1.4.1.58613.12.9.4.4.1.5.4"], "FFFFFFFF000000000000000000000000");
    EXPECT_EQ(sent[".1.3.6.1.4.1.58613.12.9.4.4.1.7.4"], "4");
    pageForm->Close();
    QCoreApplication::processEvents();
}

} // namespace
} // namespace qs::test
