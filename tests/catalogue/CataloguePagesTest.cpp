// Every page of the menu built from its definition, opened against the simulated switch, read
// and closed again, as a user clicking through the menu would; the SNMP v3 menu's pages over an
// authPriv SNMPv3 session; binary masks round trip through an Edit, and VLAN Multiply refuses a
// text that is no VLAN list.
#include "CataloguePageTest.h"
#include "CatalogueWalk.h"
#include "ComboBox.h"
#include "DirectCommands.h"
#include "Edit.h"
#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "IgmpSnoopingPages.h"
#include "Layer2PortPages.h"
#include "Layer3Pages.h"
#include "ListView.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "PageHooks.h"
#include "PortMib.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"
#include "SnmpV3User.h"
#include "StatusBar.h"
#include "SubFormScript.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <stdexcept>

namespace qs::test {
namespace {

class CataloguePages : public CataloguePageTest {
protected:
    static bool InSnmpV3Menu(const PlacedEntry& e) { return e.place.path.starts_with("SNMP v3 > "); }
    static const qs::PageDef& PageTitled(const std::string& title) {
        for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
            if (e.entry->page->title == title) {
                return *e.entry->page;
            }
        }
        throw std::runtime_error("no page " + title);
    }
    static QString Shot(const char* file) { return QStringLiteral(KRS_SCREENSHOT_DIR "/") + file; }
    // The texts of variable var's column: the first is the items' caption.
    static QStringList Column(TListView* list, int var) {
        QStringList out;
        for (int i = 0; i < list->ItemCount(); ++i) {
            out << (var == 0 ? list->Item(i)->Caption() : list->Item(i)->SubItem(var - 1));
        }
        return out;
    }
    int OpenEveryPage(bool snmpV3Menu);
    int WriteEveryEditorPage(bool snmpV3Menu);

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
    static TWinControl* Value(TSNMPEditorPanel& panel, int i) {
        return panel.EditsPanel->Items[static_cast<std::size_t>(i)].Control;
    }
    // The SETs since the journal held from records, relative to prefix.
    std::vector<std::string> SetsSince(std::size_t from, const std::string& prefix) {
        return SetSummaries(sim->journal(), from, prefix);
    }
};

class CataloguePagesV3 : public CataloguePages {
protected:
    CataloguePagesV3() { simArgs = {"--user", kV3UserOption}; }
    void SetUp() override {
        CataloguePages::SetUp();
        UseV3UserAuthPriv();
    }
    void TearDown() override {
        DefaultSecurity = QsSNMPSecurity{};
        CataloguePages::TearDown();
    }
};

int CataloguePages::OpenEveryPage(bool snmpV3Menu) {
    int opened = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (InSnmpV3Menu(e) != snmpV3Menu) {
            continue;
        }
        const VersionOverride v2c(page.forceV2cIfV1);
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
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    return opened;
}

TEST_F(CataloguePages, EveryPageOpensReadsAndCloses) {
    EXPECT_GT(OpenEveryPage(false), 45);
}

TEST_F(CataloguePagesV3, EverySnmpV3PageOpensReadsAndCloses) {
    EXPECT_EQ(OpenEveryPage(true), 15);
    for (const auto& record : sim->journal()) {
        EXPECT_EQ(record.level, "authPriv");
    }
}

// On every editor page with writable items, "Check All" and "Set Checked" write the values just
// read back to the device, and the device takes them.
int CataloguePages::WriteEveryEditorPage(bool snmpV3Menu) {
    int written = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.kind != qs::PageKind::Editor || InSnmpV3Menu(e) != snmpV3Menu) {
            continue;
        }
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(page);
        pageForm->Show();
        if (!FirstReadStatus(*pageForm).startsWith("Get: Ok!")) {
            ADD_FAILURE() << page.title;
            continue;
        }
        auto* panel = dynamic_cast<TSNMPEditorPanel*>(Panels(*pageForm).at(0));
        if (panel == nullptr || !panel->BtnPanel->SetCheckedBtn->isVisible()) {
            continue;
        }
        const std::size_t before = sim->journal().size();
        panel->CheckAll(panel);
        panel->BtnPanel->SetCheckedBtn->Click();
        QCoreApplication::processEvents();
        const QString status = panel->StatusBar->SimpleText();
        EXPECT_TRUE(status.startsWith("Set: Ok!")) << page.title << ": " << status.toStdString();
        const auto journal = sim->journal();
        if (journal.size() <= before) {
            ADD_FAILURE() << page.title << ": nothing sent";
            continue;
        }
        EXPECT_EQ(journal[before].pdu, "set") << page.title;
        EXPECT_EQ(journal[before].errorStatus, "noError") << page.title;
        pageForm->Close();
        QCoreApplication::processEvents();
        ++written;
    }
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    return written;
}

TEST_F(CataloguePages, EditorPagesWriteWhatTheyRead) {
    EXPECT_GT(WriteEveryEditorPage(false), 10);
}

TEST_F(CataloguePagesV3, SnmpV3EditorPagesWriteWhatTheyRead) {
    EXPECT_EQ(WriteEveryEditorPage(true), 1); // General Information: the target spin lock
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
            const std::size_t before = sim->journal().size();
            OnSubForm([panel](TForm*, TSNMPPanel* frame) {
                TEditsPanel* grid = panel->EditsPanel;
                for (int i = 0; i < grid->ItemCount(); ++i) {
                    TCheckBox* box = grid->Items[static_cast<std::size_t>(i)].CheckBox;
                    box->SetChecked(box->Visible() && box->Enabled() && !grid->IsItemEmpty(i));
                }
                frame->BtnPanel->SetCheckedBtn->SetEnabled(true);
                frame->BtnPanel->SetCheckedBtn->Click();
            });
            panel->BtnPanel->EditBtn->Click();
            const auto journal = sim->journal();
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
    const std::size_t before = sim->journal().size();
    OnSubForm([&](TForm*, TSNMPPanel* frame) {
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
    EXPECT_EQ(sim->journal()[before].errorStatus, "noError");
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
    const std::size_t before = sim->journal().size();
    OnSubForm([&](TForm*, TSNMPPanel* frame) {
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

// The IPv6 address key takes its 32 hex digits or the IPv6 text (letters other than hex digits are
// filtered out); either adds the row the address spells.
TEST_F(CataloguePages, Ipv6AddressKeyTakesHexDigitsOrTheIPv6Text) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(qs::Ipv6AddressControlPage);
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOf(*pageForm);
    const std::size_t before = sim->journal().size();
    QString filtered;
    OnSubForm([&](TForm*, TSNMPPanel* frame) {
        auto* address = dynamic_cast<TEdit*>(Value(*panel, 1));
        address->SetText(QStringLiteral("2001:db8::O99"));
        filtered = address->Text();
        dynamic_cast<TEdit*>(Value(*panel, 0))->SetText(QStringLiteral("System"));
        dynamic_cast<TEdit*>(Value(*panel, 2))->SetText(QStringLiteral("64"));
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    panel->BtnPanel->AddBtn->Click();
    EXPECT_EQ(filtered, "2001:db8::99"); // the letter O refused
    EXPECT_EQ(SetsSince(before, ".1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1."),
              std::vector<std::string>{
                  "8.6.83.121.115.116.101.109.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.153.64=INTEGER:4"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    pageForm->Close();
    QCoreApplication::processEvents();
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
        {"Port Control Table", "page-port-control.png"},
        {"Layer 2 Device Global Settings", "page-layer2-globals.png"},
        {"IPv6 Neighbor Cache Table", "page-ipv6-neighbours.png"},
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
        const VersionOverride v2c(page->forceV2cIfV1);
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(*page);
        pageForm->Show();
        EXPECT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!")) << title;
        EXPECT_TRUE(pageForm->grab().save(QStringLiteral(KRS_SCREENSHOT_DIR "/") + file)) << title;
        pageForm->Close();
        QCoreApplication::processEvents();
    }
}

// A MAC typed with hyphens on the MAC-based VLAN page's Add sub-form creates the row of exactly
// those six octets.
TEST_F(CataloguePages, MacBasedVlanAddTakesAHyphenatedMac) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageTitled("MAC-based VLAN"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*pageForm).at(0));
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->BtnPanel->EditBtn->isVisible());
    const std::size_t before = sim->journal().size();
    QString caption;
    OnSubForm([&](TForm* sub, TSNMPPanel* frame) {
        caption = sub->Caption();
        dynamic_cast<TEdit*>(panel->EditsPanel->Items[0].Control)
            ->SetText(QStringLiteral("00-1A-2B-3C-4D-5E"));
        dynamic_cast<TEdit*>(panel->EditsPanel->Items[1].Control)->SetText(QStringLiteral("10"));
        EXPECT_TRUE(sub->grab().save(Shot("page-mac-vlan-add.png")));
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    panel->BtnPanel->AddBtn->Click();
    EXPECT_EQ(caption, "MAC-based VLAN: 127.0.0.1 (Add)");
    EXPECT_EQ(SetSummaries(sim->journal(), before, ".1.3.6.1.4.1.58613.12.56.3.2.1."),
              std::vector<std::string>{"4.0.26.43.60.77.94.10=INTEGER:4"});
    FirstReadStatus(*pageForm);
    EXPECT_TRUE(Column(panel->ListPanel->ListView, 0).contains(QStringLiteral("001A2B3C4D5E")));
    pageForm->Close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(CataloguePages, SavesScreenshotOfAMacKeyedTable) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageTitled("Unicast Forwarding Information"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*pageForm).at(0));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(Column(panel->ListPanel->ListView, 1).contains(QStringLiteral("F48E38C25D61")));
    EXPECT_TRUE(pageForm->grab().save(Shot("page-unicast-forwarding.png")));
    pageForm->Close();
    QCoreApplication::processEvents();
}

// Pages whose rows are only added and deleted hide Edit; two of them still edit on a
// double-click. The SNMP Engine page's values are 150 pixels wide.
TEST_F(CataloguePages, VlanAndSnmpV3PageSettingsReachTheirPages) {
    const std::pair<const char*, bool> addOnly[] = {{"Protocol VLAN Group Table", true},
                                                    {"MAC-based VLAN", true},
                                                    {"VLAN Translation CVID Table", false}};
    for (const auto& [title, doubleClick] : addOnly) {
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageTitled(title));
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*pageForm).at(0));
        ASSERT_NE(panel, nullptr) << title;
        EXPECT_TRUE(panel->BtnPanel->EditBtn->isHidden()) << title;
        EXPECT_FALSE(panel->BtnPanel->AddBtn->isHidden()) << title;
        EXPECT_EQ(static_cast<bool>(panel->ListPanel->ListView->OnDblClick), doubleClick) << title;
    }
    std::unique_ptr<TConfigForm> engine = qs::BuildPage(PageTitled("SNMP Engine"));
    auto* panel = dynamic_cast<TSNMPEditorPanel*>(Panels(*engine).at(0));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->EditsPanel->Items[0].Control->Width(), 150);
}

// The User Table's Edit sub-form shows the authentication protocol's OID as its option text.
TEST_F(CataloguePagesV3, SavesScreenshotOfTheUserTablesProtocolCombo) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageTitled("User Table"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*pageForm).at(0));
    ASSERT_NE(panel, nullptr);
    TListView* list = panel->ListPanel->ListView;
    EXPECT_EQ(Column(list, 1), QStringList({"noc", "ops", "monitor"}));
    EXPECT_EQ(Column(list, 4), QStringList({"MD5", "SHA", "None"}));
    list->SetSelected(list->Item(0));
    panel->ListClick(list);
    QString protocol;
    OnSubForm([&](TForm* sub, TSNMPPanel*) {
        protocol = dynamic_cast<TComboBox*>(panel->EditsPanel->Items[4].Control)->Text();
        EXPECT_TRUE(sub->grab().save(Shot("page-user-table-edit.png")));
    });
    panel->BtnPanel->EditBtn->Click();
    EXPECT_EQ(protocol, "MD5");
    pageForm->Close();
    QCoreApplication::processEvents();
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
    const std::size_t before = sim->journal().size();
    pageForm->PageControl->setCurrentIndex(1); // as the user's pick
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 1);
    ASSERT_NE(panel, nullptr);
    QElapsedTimer clock;
    clock.start();
    while ((panel->Request->Busy || panel->ListPanel->ListView->ItemCount() < 3) && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const auto journal = sim->journal();
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
        const std::size_t before = sim->journal().size();
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
        const auto journal = sim->journal();
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

// The IPv6 mask fields of the CPU-filter page take exactly 32 hex digits or the IPv6 text: a short
// mask is refused with the hex-length message, and an IPv6 text is sent as its 16 octets with the
// new row.
TEST_F(CataloguePages, Ipv6MaskAddTakesThirtyTwoHexDigitsOrTheIPv6Text) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("IPv6maskCPUACLfilter1"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
    auto edit = [panel](int i) { return dynamic_cast<TEdit*>(panel->EditsPanel->Items[i].Control); };
    const std::size_t before = sim->journal().size();
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
        edit(4)->SetText(QStringLiteral("ffff:ffff::"));
        panel->EditsPanel->Items[4].CheckBox->SetChecked(true);
        frame->BtnPanel->SetCheckedBtn->Click();
        if (sub->isVisible()) {
            sub->Close();
        }
    });
    panel->BtnPanel->AddBtn->Click();
    EXPECT_EQ(typed, "FFFF:FFFF::");
    EXPECT_EQ(shortMessages, QStringList({" Please enter a hex string whose length is 32!"}));
    const auto journal = sim->journal();
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

// The binary masks of the SNMP v3 tables read as hex texts, and an Edit that leaves a mask as it
// was writes its very bytes back: bytes that are no text, and a zero byte, included.
TEST_F(CataloguePagesV3, EditWritesAnUnchangedBinaryMaskBackByteForByte) {
    struct Case {
        const char* page;
        QStringList keys;
        int mask;
        std::string oid;
        QString hex;
    };
    const Case cases[] = {
        {"ViewTable1",
         {"restricted", "1.3.6.1.2.1.2.2.1.1.1"},
         2,
         ".1.3.6.1.6.3.16.1.5.2.1.3.10.114.101.115.116.114.105.99.116.101.100.11.1.3.6.1.2.1.2.2.1.1.1",
         "FFA0"},
        {"NotifyFilterEntryTable1",
         {"filter1", "1.3.6.1.6.3.1.1.5"},
         2,
         ".1.3.6.1.6.3.13.1.3.1.2.7.102.105.108.116.101.114.49.1.3.6.1.6.3.1.1.5",
         "FFC0"},
        {"TargetAddressTable1", {"nms2"}, 1, ".1.3.6.1.6.3.18.1.2.1.1.110.109.115.50", "FFFFFF000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed(c.page));
        pageForm->Show();
        ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
        TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
        ASSERT_TRUE(SelectRow(*panel, c.keys));
        EXPECT_EQ(Cell(panel->ListPanel->ListView->Selected(), c.mask), c.hex);
        const std::size_t before = sim->journal().size();
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            panel->EditsPanel->Items[static_cast<std::size_t>(c.mask)].CheckBox->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->EditBtn->Click();
        const auto journal = sim->journal();
        std::vector<std::string> sent;
        for (std::size_t i = before; i < journal.size(); ++i) {
            for (std::size_t v = 0; journal[i].pdu == "set" && v < journal[i].varbinds.size(); ++v) {
                sent.push_back(journal[i].varbinds[v].oid + "=" + journal[i].varbinds[v].hex);
            }
        }
        EXPECT_EQ(sent, std::vector<std::string>{c.oid + "=" + c.hex.toStdString()});
        pageForm->Close();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// The target address's domain is an OID: a text that is none is refused with a box that names the
// field and asks for an object identifier, and nothing is sent; a shorter OID goes out as typed,
// never merged into the domain shown before.
TEST_F(CataloguePagesV3, TargetDomainTakesOnlyAWellFormedOid) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("CommunityTargetAddressTable"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    TSNMPListViewPanel* panel = ListPanelOn(*pageForm, 0);
    const std::string domain = ".1.3.6.1.6.3.12.1.2.1.2.110.109.115.49";
    struct Case {
        QString text;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {QStringLiteral("zz"), {}},
        {QStringLiteral("-1"), {}},
        {QStringLiteral("1..2"), {}},
        {QString(300, u'9'), {}},
        {QStringLiteral("1.3.6.1.6.1"), {domain + "=1.3.6.1.6.1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        FirstReadStatus(*pageForm); // the list is read again after each Edit
        ASSERT_TRUE(SelectRow(*panel, {QStringLiteral("nms1")}));
        const std::size_t before = sim->journal().size();
        const qsizetype boxesBefore = messages.boxes.size();
        QString status;
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            dynamic_cast<TEdit*>(panel->EditsPanel->Items[1].Control)->SetText(c.text);
            panel->EditsPanel->Items[1].CheckBox->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
            status = frame->StatusBar->SimpleText() + " " + panel->StatusBar->SimpleText();
        });
        panel->BtnPanel->EditBtn->Click();
        const auto journal = sim->journal();
        std::vector<std::string> sent;
        for (std::size_t i = before; i < journal.size(); ++i) {
            for (std::size_t v = 0; journal[i].pdu == "set" && v < journal[i].varbinds.size(); ++v) {
                const std::string& value = journal[i].varbinds[v].value;
                sent.push_back(journal[i].varbinds[v].oid + "=" + value.substr(value.find_first_not_of('.')));
            }
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(status.contains(QStringLiteral("object identifier"), Qt::CaseInsensitive), c.sent.empty())
            << status.toStdString();
        const QStringList boxes = messages.Texts().mid(boxesBefore);
        EXPECT_EQ(boxes.size(), c.sent.empty() ? 1 : 0) << boxes.join(" | ").toStdString();
        if (c.sent.empty() && !boxes.isEmpty()) {
            EXPECT_TRUE(boxes[0].contains(QStringLiteral("object identifier"))) << boxes[0].toStdString();
        }
    }
    pageForm->Close();
    QCoreApplication::processEvents();
}

// VLAN Multiply's VLAN list is a list of VLAN IDs and ranges: anything else is refused on Set
// with a message naming the field and the focus on it, and nothing is sent.
TEST(VlanListText, ListsOfVlanIdsAndRangesOnly) {
    for (const char* text : {"1", "4094", "10", "2,5-10", "1-4094", "7-7,9"}) {
        EXPECT_TRUE(qs::IsVlanIdListText(text)) << text;
    }
    const std::string nines(300, '9');
    for (const std::string& text :
         {std::string("zz"), std::string(), std::string("-1"), nines, std::string("1.2.3.4.5"),
          std::string("0"), std::string("4095"), std::string("9-3"), std::string("2,,5"), std::string("2,"),
          std::string("1-2-3"), std::string(" 5"), std::string("+5"), std::string("05x")}) {
        EXPECT_FALSE(qs::IsVlanIdListText(text)) << text.substr(0, 20);
    }
}

TEST_F(CataloguePages, VlanMultiplySetRefusesATextThatIsNoVlanList) {
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("VlLANMultiplyManagement1"));
    pageForm->Show();
    ASSERT_TRUE(FirstReadStatus(*pageForm).startsWith("Get: Ok!"));
    auto* panel = dynamic_cast<TSNMPEditorPanel*>(Panels(*pageForm).at(0));
    ASSERT_NE(panel, nullptr);
    auto* list = dynamic_cast<TEdit*>(panel->EditsPanel->Items[0].Control);
    ASSERT_NE(list, nullptr);
    panel->EditsPanel->Items[0].CheckBox->SetChecked(true);
    const std::string multiply = ".1.3.6.1.4.1.58613.11.113.1.6.2.23.2.";
    for (const QString& text : {QStringLiteral("zz"), QString(), QStringLiteral("-1"), QString(300, u'9'),
                                QStringLiteral("1.2.3.4.5")}) {
        SCOPED_TRACE(text.left(20).toStdString());
        const std::size_t before = sim->journal().size();
        messages.boxes.clear();
        list->SetText(text);
        panel->BtnPanel->SetCheckedBtn->setFocus();
        panel->BtnPanel->SetCheckedBtn->Click();
        EXPECT_TRUE(SetSummaries(sim->journal(), before, multiply).empty());
        EXPECT_EQ(messages.Texts(),
                  QStringList{QStringLiteral("Please enter a valid VLAN List: VLAN IDs from 1 "
                                             "to 4094 or ranges of them, such as 2,5-10.")});
        EXPECT_EQ(pageForm->focusWidget(), list);
    }
    const std::size_t before = sim->journal().size();
    messages.boxes.clear();
    list->SetText(QStringLiteral("2,5-10"));
    panel->BtnPanel->SetCheckedBtn->Click();
    EXPECT_EQ(SetSummaries(sim->journal(), before, multiply), std::vector<std::string>{"1.0=STRING:2,5-10"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
    pageForm->Close();
    QCoreApplication::processEvents();
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

// A scalar page opened while the device does not answer shows the time-out in its status line
// once its request has given up (three-second time-out, one retry), and is not busy any more.
TEST_F(CataloguePages, ScalarPageShowsTheTimeOutOfASilentDevice) {
    ASSERT_TRUE(sim->pause());
    std::unique_ptr<TConfigForm> pageForm = qs::BuildPage(PageNamed("BasicConfigure1"));
    pageForm->Show();
    QString status;
    QElapsedTimer clock;
    clock.start();
    while (status.isEmpty() && clock.elapsed() < 30000) {
        status = FirstReadStatus(*pageForm);
    }
    EXPECT_TRUE(status.contains(QStringLiteral("timed out"))) << status.toStdString();
    ASSERT_TRUE(sim->resume());
    pageForm->Close();
    QCoreApplication::processEvents();
}

} // namespace
} // namespace qs::test
