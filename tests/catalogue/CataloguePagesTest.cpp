// Every page of the menu built from its definition, opened against the simulated switch, read
// and closed again, as a user clicking through the menu would.
#include "CatalogueWalk.h"
#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "IgmpSnoopingPages.h"
#include "Layer2PortPages.h"
#include "Layer3Pages.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "PortMib.h"
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

    static TSNMPListViewPanel* ListPanelOf(TConfigForm& form) {
        return dynamic_cast<TSNMPListViewPanel*>(Panels(form).at(0));
    }
    // Selects the first row whose leading cells read cells; false when there is none.
    static bool SelectRow(TSNMPListViewPanel& panel, const QStringList& cells) {
        TListView* list = panel.ListPanel->ListView;
        for (int i = 0; i < list->ItemCount(); ++i) {
            bool same = true;
            for (int c = 0; c < cells.size(); ++c) {
                const TListItem* item = list->Item(i);
                same = same && (c == 0 ? item->Caption() : item->SubItem(c - 1)) == cells[c];
            }
            if (same) {
                list->SetSelected(list->Item(i));
                panel.ListClick(list);
                return true;
            }
        }
        return false;
    }
    // Runs script on the Add or Edit sub-form that opens next; closes it if the script did not.
    static void OnSubForm(const std::function<void(TSNMPPanel*)>& script) {
        QTimer::singleShot(0, [script] {
            auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
            ASSERT_NE(sub, nullptr);
            auto* frame = dynamic_cast<TSNMPPanel*>(sub->FindComponent(QStringLiteral("SNMPPanel")));
            ASSERT_NE(frame, nullptr);
            script(frame);
            if (sub->isVisible()) {
                sub->Close();
            }
        });
    }
    static TWinControl* Value(TSNMPEditorPanel& panel, int i) {
        return panel.EditsPanel->Items[static_cast<std::size_t>(i)].Control;
    }
    // The SETs since the journal held from records, relative to prefix.
    std::vector<std::string> SetsSince(std::size_t from, const std::string& prefix) {
        return SetSummaries(sim.journal(), from, prefix);
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

// The instance a SET's binding addresses: its OID after the column's.
std::string InstanceOf(const std::string& oid, const QsSNMPVarDesc* vars) {
    std::string best;
    for (const QsSNMPVarDesc* v = vars; v->Oid != nullptr; ++v) {
        const std::string column = std::string(".") + v->Oid + ".";
        if (oid.rfind(column, 0) == 0 && oid.size() - column.size() < oid.size() - best.size()) {
            best = oid.substr(column.size());
        }
    }
    return best;
}

// On every list page with an Edit button, the first row's Edit sub-form with every item ticked
// that holds a value writes the row's values back to that row, and the device takes them.
TEST_F(CataloguePages, ListPagesWriteWhatTheyRead) {
    int written = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.kind != qs::PageKind::List) {
            continue;
        }
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        pageForm->Show();
        ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!")) << page.title;
        TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
        TListView* list = panel->ListPanel->ListView;
        if (panel->BtnPanel->EditBtn->isVisible() && list->ItemCount() > 0) {
            list->SetSelected(list->Item(0));
            panel->ListClick(list);
            const std::size_t before = sim.journal().size();
            OnSubForm([panel](TSNMPPanel* frame) {
                TEditsPanel* grid = panel->EditsPanel;
                for (int i = 0; i < grid->ItemCount(); ++i) {
                    TCheckBox* box = grid->Items[static_cast<std::size_t>(i)].CheckBox;
                    box->SetChecked(box->Visible() && box->Enabled() && !grid->IsItemEmpty(i));
                }
                frame->BtnPanel->SetCheckedBtn->SetEnabled(true);
                frame->BtnPanel->SetCheckedBtn->Click();
            });
            panel->BtnPanel->EditBtn->Click();
            const auto journal = sim.journal();
            ASSERT_GT(journal.size(), before) << page.title;
            EXPECT_EQ(journal[before].pdu, "set") << page.title;
            EXPECT_EQ(journal[before].errorStatus, "noError") << page.title;
            for (const auto& vb : journal[before].varbinds) {
                EXPECT_EQ(InstanceOf(vb.oid, page.vars),
                          InstanceOf(journal[before].varbinds[0].oid, page.vars))
                    << page.title << ": " << vb.oid;
            }
            ++written;
        }
        pageForm->Close();
        QCoreApplication::processEvents();
    }
    EXPECT_GT(written, 15);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// Editing the fibre row of combo port 25: choosing another "Flow Control State" greys "Medium
// Type", which keeps "fiber", and every binding of the SET goes to port 25's fibre row.
TEST_F(CataloguePages, PortControlEditWritesTheSelectedMediumRow) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(qs::PortControlPage);
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
    EXPECT_EQ(panel->Request->Request.Timeout, 500);
    ASSERT_TRUE(SelectRow(*panel, {"25", "fiber"}));
    auto* medium = dynamic_cast<TComboBox*>(Value(*panel, kPortControlMedium));
    auto* flow = dynamic_cast<TComboBox*>(Value(*panel, kPortControlFlowControl));
    ASSERT_NE(medium, nullptr);
    ASSERT_NE(flow, nullptr);
    const std::size_t before = sim.journal().size();
    OnSubForm([&](TSNMPPanel* frame) {
        EXPECT_EQ(medium->Text(), "fiber");
        frame->BtnPanel->CheckAllBtn->Click();
        flow->SetText(QStringLiteral("enabled")); // the user's choice: the combo's change event
        flow->OnChange(flow);
        EXPECT_FALSE(medium->Enabled());
        EXPECT_EQ(medium->Text(), "fiber");
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    panel->BtnPanel->EditBtn->Click();
    const std::vector<std::string> sets = SetsSince(before, ".1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0],
              "3.25.101=INTEGER:3 4.25.101=INTEGER:7 5.25.101=INTEGER:3 6.25.101=STRING:combo 25 fibre "
              "7.25.101=INTEGER:3 8.25.101=INTEGER:2 9.25.101=INTEGER:2 10.25.101=INTEGER:4");
    EXPECT_EQ(sim.journal()[before].errorStatus, "noError");
    pageForm->Close();
    QCoreApplication::processEvents();
}

// "DHCP Option12 Host Name" may be sent empty from the Edit sub-form: it clears the name.
TEST_F(CataloguePages, IpControlSendsAnEmptyHostName) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(qs::IpControlPage);
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
    ASSERT_TRUE(SelectRow(*panel, {"System"}));
    const std::size_t before = sim.journal().size();
    OnSubForm([&](TSNMPPanel* frame) {
        dynamic_cast<TEdit*>(Value(*panel, 5))->SetText(QString());
        panel->EditsPanel->Items[5].CheckBox->SetChecked(true);
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    panel->BtnPanel->EditBtn->Click();
    EXPECT_EQ(SetsSince(before, ".1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1."),
              std::vector<std::string>{"23.6.83.121.115.116.101.109=STRING:"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    pageForm->Close();
    QCoreApplication::processEvents();
}

// The IPv6 address key takes hex digits only; 32 of them add the row they spell.
TEST_F(CataloguePages, Ipv6AddressKeyTakesHexDigitsOnly) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(qs::Ipv6AddressControlPage);
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
    const std::size_t before = sim.journal().size();
    QString filtered;
    OnSubForm([&](TSNMPPanel* frame) {
        auto* address = dynamic_cast<TEdit*>(Value(*panel, 1));
        address->SetText(QStringLiteral("2001:0DB8:0000:0000:0000:0000:0000:0O99"));
        filtered = address->Text();
        address->SetText(QStringLiteral("20010DB8000000000000000000000099"));
        dynamic_cast<TEdit*>(Value(*panel, 0))->SetText(QStringLiteral("System"));
        dynamic_cast<TEdit*>(Value(*panel, 2))->SetText(QStringLiteral("64"));
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    panel->BtnPanel->AddBtn->Click();
    EXPECT_EQ(filtered, "20010DB800000000000000000000099"); // blanks, colons and the letter O refused
    EXPECT_EQ(SetsSince(before, ".1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1."),
              std::vector<std::string>{
                  "8.6.83.121.115.116.101.109.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.153.64=INTEGER:4"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    pageForm->Close();
    QCoreApplication::processEvents();
}

// Without an Edit button, the host table still edits on a double-click; the neighbour cache,
// whose rows are only added and deleted, does not.
TEST_F(CataloguePages, HiddenEditKeepsOrDropsTheDoubleClick) {
    const std::pair<const qs::PageDef*, bool> cases[] = {{&qs::IgmpHostPage, true},
                                                         {&qs::NeighborCachePage, false}};
    for (const auto& [page, doubleClick] : cases) {
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(*page);
        TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
        EXPECT_FALSE(panel->BtnPanel->EditBtn->Visible()) << page->title;
        EXPECT_EQ(static_cast<bool>(panel->ListPanel->ListView->OnDblClick), doubleClick) << page->title;
    }
}

TEST_F(CataloguePages, SavesScreenshotsOfThreePages) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    const std::pair<const char*, const char*> shots[] = {
        {"System Time", "page-system-time.png"},
        {"Trusted Host Table", "page-trusted-hosts.png"},
        {"802.1D Port Table", "page-8021d-ports.png"},
        {"Port Control Table", "page-port-control.png"},
        {"Layer 2 Device Global Settings", "page-layer2-globals.png"},
        {"IPv6 Neighbor Cache Table", "page-ipv6-neighbours.png"},
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
