// The Layer 2 protocol pages beyond the generic recipe, against the simulated switch: the
// Recover Time check, the CFM Add hooks, the Multicast Filter Port Table's columns, the
// BPDU tunnel Tags, the PPPoE page's height and the OAM event log's time-out; and screenshots.
#include "CataloguePageTest.h"

#include "CfmMib.h"
#include "ControlText.h"
#include "Layer2ProtocolPages.h"
#include "PageCommand.h"
#include "PageHooks.h"
#include "QsSNMPRequest2Edits.h"
#include "StatusBar.h"
#include "SubFormScript.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QScrollBar>
#include <QTimer>

namespace qs::test {
namespace {

constexpr const char* kRecoverTimeMessage = "Pleaase Input a Number between 60 and 1000000 or 0.";

class Layer2ProtocolPages : public CataloguePageTest {
protected:
    // Builds the page, shows it and waits for its first read.
    TSNMPEditorPanel* Open(const qs::PageDef& page) {
        form_ = qs::BuildPage(page);
        form_->Show();
        EXPECT_TRUE(FirstReadStatus(*form_).startsWith("Get: Ok!")) << page.title;
        return dynamic_cast<TSNMPEditorPanel*>(Panels(*form_).at(0));
    }
    void TearDown() override {
        if (form_) {
            form_->Close();
            QCoreApplication::processEvents();
            form_.reset();
        }
        CataloguePageTest::TearDown();
    }
    // The SETs since from, "OID=TYPE:VALUE ..." with the CFM MIB's prefix left off.
    QStringList CfmSets(std::size_t from) const {
        QStringList out;
        for (const std::string& set : SetSummaries(sim->journal(), from, ".1.3.111.2.802.1.1.8.1.")) {
            out << QString::fromStdString(set);
        }
        return out;
    }
    static void SelectFirstRow(TSNMPListViewPanel& page) {
        TListView* list = page.ListPanel->ListView;
        list->SetSelected(list->Item(0));
        page.ListClick(list);
    }
    static TEdit* EditOf(TSNMPEditorPanel& page, int i) {
        return dynamic_cast<TEdit*>(page.EditsPanel->Items[static_cast<std::size_t>(i)].Control);
    }
    static TComboBox* ComboOf(TSNMPEditorPanel& page, int i) {
        return dynamic_cast<TComboBox*>(page.EditsPanel->Items[static_cast<std::size_t>(i)].Control);
    }
    static bool Shown(TSNMPEditorPanel& page, int i) {
        return page.EditsPanel->Items[static_cast<std::size_t>(i)].Control->Visible();
    }
    bool WalkDone(TSNMPEditorPanel& page) const { return !page.Request->Busy; }

    std::unique_ptr<TConfigForm> form_;
};

// Leaving the edit with each text: a failing text shows the message and gets the last valid
// text back, whatever it is (a text that is no number fails the same way).
TEST_F(Layer2ProtocolPages, RecoverTimeAcceptsZeroOrSixtyToOneMillion) {
    struct Case {
        const char* text;
        bool passes;
    };
    const Case cases[] = {{"0", true},        {"60", true},   {"1000000", true},
                          {"-", false},       {"59", false},  {"1", false},
                          {"1000001", false}, {"-60", false}, {"12345678901", false}};
    const std::pair<const qs::PageDef*, int> pages[] = {{&qs::LoopDetectControlPage, 2},
                                                        {&qs::BpduProtectionGlobalPage, 1}};
    for (const auto& [page, var] : pages) {
        TSNMPEditorPanel* panel = Open(*page);
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        TEdit* edit = EditOf(*panel, var);
        for (const Case& c : cases) {
            edit->setFocus();
            edit->SetText(QStringLiteral("120"));
            QTest::keyClick(edit, Qt::Key_Tab); // 120 becomes the last valid text
            edit->setFocus();
            edit->SetText(QString::fromLatin1(c.text));
            messages.boxes.clear();
            QTest::keyClick(edit, Qt::Key_Tab);
            QCoreApplication::processEvents();
            if (c.passes) {
                EXPECT_TRUE(messages.boxes.isEmpty()) << page->title << " " << c.text;
                EXPECT_EQ(edit->Text(), QString::fromLatin1(c.text));
            } else {
                ASSERT_EQ(messages.boxes.size(), 1) << page->title << " " << c.text;
                EXPECT_EQ(messages.boxes[0].text, QString::fromLatin1(kRecoverTimeMessage));
                EXPECT_EQ(edit->Text(), QStringLiteral("120")) << page->title << " " << c.text;
                EXPECT_TRUE(edit->hasFocus()) << c.text;
            }
        }
        form_->Close();
        QCoreApplication::processEvents();
        form_.reset();
    }
}

// The hooks on a page's own grid: before Add every item is empty and unticked and the hidden
// items can be neither seen nor ticked; after Add they are back as their access has them.
TEST_F(Layer2ProtocolPages, CfmAddHooksHideAndRestoreTheirItems) {
    struct Case {
        const qs::PageDef* page;
        void (*before)(TEditsPanel&);
        void (*after)(TEditsPanel&);
        std::vector<int> hidden;
    };
    const Case cases[] = {
        {&qs::CfmMaNetTablePage, qs::CfmNetTableBeforeAdd, qs::CfmNetTableAfterAdd, {kCfmMaNetCcmInterval}},
        {&qs::CfmMaComponentTablePage,
         qs::CfmComponentTableBeforeAdd,
         qs::CfmComponentTableAfterAdd,
         {kCfmMaCompMipCreation, kCfmMaCompMipCreation + 1, kCfmMaCompNumberOfVids}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TConfigForm> page = qs::BuildPage(*c.page);
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(Panels(*page).at(0));
        ASSERT_NE(panel, nullptr);
        TEditsPanel& grid = *panel->EditsPanel;
        for (UISnmpVar& item : grid.Items) {
            item.CheckBox->SetChecked(true);
            if (auto* edit = dynamic_cast<TEdit*>(item.Control)) {
                edit->SetText(QStringLiteral("7"));
            }
        }
        c.before(grid);
        for (int i = 0; i < grid.ItemCount(); ++i) {
            const UISnmpVar& item = grid.Items[static_cast<std::size_t>(i)];
            const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), i) != c.hidden.end();
            EXPECT_EQ(!item.Control->Visible(), hidden) << c.page->title << " " << i;
            EXPECT_TRUE(!hidden || !item.CheckBox->Enabled()) << c.page->title << " " << i;
            EXPECT_TRUE(i < c.page->keyCount || !item.CheckBox->Checked()) << c.page->title << " " << i;
            EXPECT_TRUE(ControlText(item.Control).isEmpty()) << c.page->title << " " << i;
        }
        panel->CheckAll(panel);
        for (int i : c.hidden) {
            EXPECT_FALSE(grid.Items[static_cast<std::size_t>(i)].CheckBox->Checked())
                << c.page->title << " " << i;
        }
        c.after(grid);
        for (int i : c.hidden) {
            const UISnmpVar& item = grid.Items[static_cast<std::size_t>(i)];
            EXPECT_TRUE(item.Control->Visible()) << c.page->title << " " << i;
            EXPECT_EQ(item.CheckBox->Enabled(), !grid.IsReadOnlyItem(i)) << c.page->title << " " << i;
            EXPECT_FALSE(item.CheckBox->Checked()) << c.page->title << " " << i;
        }
    }
}

// Add on the MA Net table: the CCM interval is neither shown nor sent, also after Check All;
// the row is created; Edit afterwards offers the interval again.
TEST_F(Layer2ProtocolPages, CfmNetTableAddLeavesTheCcmIntervalOut) {
    auto* page = dynamic_cast<TSNMPListViewPanel*>(Open(qs::CfmMaNetTablePage));
    ASSERT_NE(page, nullptr);
    const std::size_t before = sim->journal().size();
    OnSubForm([&](TForm*, TSNMPPanel* frame) {
        EXPECT_FALSE(Shown(*page, kCfmMaNetCcmInterval));
        EditOf(*page, 0)->SetText(QStringLiteral("1"));
        EditOf(*page, 1)->SetText(QStringLiteral("7"));
        ComboOf(*page, kCfmMaNetFormat)->SetItemIndex(0);
        EditOf(*page, 3)->SetText(QStringLiteral("svc-7"));
        ASSERT_FALSE(frame->BtnPanel->CheckAllBtn->isHidden());
        frame->BtnPanel->CheckAllBtn->Click();
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->AddBtn->Click();
    ASSERT_TRUE(WaitFor([&] { return WalkDone(*page) && page->ListPanel->ListView->ItemCount() == 3; }));
    EXPECT_EQ(CfmSets(before),
              QStringList({"6.1.1.2.1.7=INTEGER:2 6.1.1.3.1.7=STRING:svc-7 6.1.1.5.1.7=INTEGER:4"}));
    EXPECT_TRUE(Shown(*page, kCfmMaNetCcmInterval));
    EXPECT_TRUE(EditOf(*page, 3)->Text().isEmpty());

    SelectFirstRow(*page);
    bool intervalOffered = false;
    OnSubForm([&](TForm*, TSNMPPanel*) {
        intervalOffered = Shown(*page, kCfmMaNetCcmInterval) &&
                          page->EditsPanel->Items[kCfmMaNetCcmInterval].CheckBox->Enabled() &&
                          ComboOf(*page, kCfmMaNetCcmInterval)->Text() == QStringLiteral("interval1s");
    });
    page->BtnPanel->EditBtn->Click();
    EXPECT_TRUE(intervalOffered);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// Add on the MA Component table shows only the keys and the primary VLAN, and sends no more.
TEST_F(Layer2ProtocolPages, CfmComponentTableAddSendsKeysAndPrimaryVlan) {
    auto* page = dynamic_cast<TSNMPListViewPanel*>(Open(qs::CfmMaComponentTablePage));
    ASSERT_NE(page, nullptr);
    const std::size_t before = sim->journal().size();
    OnSubForm([&](TForm*, TSNMPPanel* frame) {
        for (int i = kCfmMaCompMipCreation; i <= kCfmMaCompNumberOfVids; ++i) {
            EXPECT_FALSE(Shown(*page, i)) << i;
        }
        EXPECT_EQ(frame->BtnPanel->SetCheckedBtn->Caption(), QStringLiteral("Set"));
        EditOf(*page, 0)->SetText(QStringLiteral("1"));
        EditOf(*page, 1)->SetText(QStringLiteral("2"));
        EditOf(*page, 2)->SetText(QStringLiteral("7"));
        EditOf(*page, kCfmMaCompPrimaryVlan)->SetText(QStringLiteral("300"));
        page->EditsPanel->Items[kCfmMaCompPrimaryVlan].CheckBox->SetChecked(true);
        frame->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->AddBtn->Click();
    ASSERT_TRUE(WaitFor([&] { return WalkDone(*page) && page->ListPanel->ListView->ItemCount() == 3; }));
    EXPECT_EQ(CfmSets(before), QStringList({"6.2.1.2.1.2.7=INTEGER:300 6.2.1.6.1.2.7=INTEGER:4"}));
    for (int i = kCfmMaCompMipCreation; i <= kCfmMaCompNumberOfVids; ++i) {
        EXPECT_TRUE(Shown(*page, i)) << i;
    }
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// The port table shows two columns; Profile ID and Port Access are read and offered by Edit.
TEST_F(Layer2ProtocolPages, MulticastFilterPortTableHidesItsLastTwoColumns) {
    auto* page = dynamic_cast<TSNMPListViewPanel*>(Open(qs::MulticastFilterPortTablePage));
    ASSERT_NE(page, nullptr);
    TListView* list = page->ListPanel->ListView;
    ASSERT_EQ(list->ColumnCount(), 4);
    EXPECT_GT(list->ColumnWidth(0), 0);
    EXPECT_GT(list->ColumnWidth(1), 0);
    EXPECT_EQ(list->ColumnWidth(2), 0);
    EXPECT_EQ(list->ColumnWidth(3), 0);
    EXPECT_EQ(list->ColumnCaption(2), QStringLiteral("Profile ID"));
    ASSERT_EQ(list->ItemCount(), 28);
    EXPECT_EQ(list->Item(0)->Caption(), QStringLiteral("1"));
    EXPECT_EQ(list->Item(0)->SubItem(1), QStringLiteral("1"));
    EXPECT_EQ(list->Item(0)->SubItem(2), QStringLiteral("permit"));
    SelectFirstRow(*page);
    QString access;
    OnSubForm([&](TForm*, TSNMPPanel*) {
        EXPECT_TRUE(Shown(*page, 2) && Shown(*page, 3));
        access = ComboOf(*page, 3)->Text();
    });
    page->BtnPanel->EditBtn->Click();
    EXPECT_EQ(access, QStringLiteral("permit"));
}

TEST_F(Layer2ProtocolPages, BpduTunnelStatesDependOnThePortType) {
    TSNMPEditorPanel* page = Open(qs::BpduTunnelTablePage);
    EXPECT_EQ(ComboOf(*page, 1)->Tag, 23);
    EXPECT_EQ(ComboOf(*page, 2)->Tag, 3001);
    EXPECT_EQ(ComboOf(*page, 3)->Tag, 2001);
    ComboOf(*page, 1)->SetItemIndex(0);
    page->EditsPanel->ApplyTagRule(ComboOf(*page, 1)); // "none": no tunnel, so no tunnelled states
    EXPECT_FALSE(ComboOf(*page, 2)->Enabled());
    EXPECT_EQ(ComboOf(*page, 3)->Text(), QStringLiteral("disabled"));
}

TEST_F(Layer2ProtocolPages, PppoePageIs450High) {
    std::unique_ptr<TConfigForm> page = qs::BuildPage(qs::PppoePage);
    EXPECT_EQ(page->Height(), 450);
    ASSERT_NE(page->PageControl, nullptr);
    EXPECT_EQ(page->PageControl->PageCount(), 2);
}

// Only the event log waits 8 s for each reply; with the device silent on the log, the read is
// sent again after those 8 s and then fails.
TEST_F(Layer2ProtocolPages, EventLogWaitsEightSecondsForEachReply) {
    for (const qs::PageDef* page :
         {&qs::Dot3OamTablePage, &qs::Dot3OamEventConfigPage, &qs::Dot3OamEventLogPage}) {
        std::unique_ptr<TConfigForm> built = qs::BuildPage(*page);
        EXPECT_EQ(Panels(*built).at(0)->Request->Request.Timeout,
                  page == &qs::Dot3OamEventLogPage ? 800 : 100)
            << page->title;
    }
    SimProcess silent({{}, {"--drop-under", ".1.3.6.1.2.1.158.1.6"}});
    ASSERT_TRUE(silent.start()) << silent.lastError();
    DefaultDevice = QsSNMPDevice{"127.0.0.1", static_cast<std::uint16_t>(silent.port())};
    form_ = qs::BuildPage(qs::Dot3OamEventLogPage);
    form_->Show();
    TSNMPPanel* panel = Panels(*form_).at(0);
    ASSERT_TRUE(WaitFor([&] { return !panel->StatusBar->SimpleText().isEmpty(); }, 60000));
    EXPECT_FALSE(panel->StatusBar->SimpleText().startsWith("Get: Ok!"));
    const auto journal = silent.journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].why, "dropped");
    const auto sent = [&](std::size_t i) {
        return QDateTime::fromString(QString::fromStdString(journal[i].time), Qt::ISODateWithMs);
    };
    EXPECT_GE(sent(0).msecsTo(sent(1)), 7500);
}

// The Layer 2 menus of this file's pages.
bool IsProtocolArea(const std::string& path) {
    static const char* const kAreas[] = {
        "Layer 2 > Loopback Detection ",
        "Layer 2 > Multicast Filter",
        "Layer 2 > MLD Snooping",
        "Layer 2 > BPDU Tunnel",
        "Layer 2 > BPDU Protection",
        "Layer 2 > ERPS",
        "Layer 2 > PPPoE",
        "Layer 2 > 802.3 OAM",
        "Layer 2 > CFM",
    };
    return std::any_of(std::begin(kAreas), std::end(kAreas),
                       [&](const char* a) { return path.starts_with(a); });
}

// Every table (and tab) of these menus that edits rows: Edit on the first row, "Check All" (or
// the one box there is) and "Set Checked" write what was read back, and the device takes it; so
// does the PPPoE page's editor tab.
TEST_F(Layer2ProtocolPages, TablesAndTabsWriteWhatTheyRead) {
    int written = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (!IsProtocolArea(e.place.path) || page.kind == qs::PageKind::Editor) {
            continue;
        }
        form_ = qs::BuildPage(page);
        form_->Show();
        const int tabs = form_->PageControl ? form_->PageControl->PageCount() : 1;
        for (int t = 0; t < tabs; ++t) {
            if (form_->PageControl) {
                form_->PageControl->setCurrentIndex(t); // as a click on the tab does
            }
            ASSERT_TRUE(FirstReadStatus(*form_).startsWith("Get: Ok!")) << page.title << " tab " << t;
            TSNMPEditorPanel* shown = nullptr;
            for (TSNMPPanel* p : Panels(*form_)) {
                shown = p->isVisible() ? dynamic_cast<TSNMPEditorPanel*>(p) : shown;
            }
            ASSERT_NE(shown, nullptr) << page.title;
            const std::size_t before = sim->journal().size();
            if (auto* list = dynamic_cast<TSNMPListViewPanel*>(shown)) {
                if (list->BtnPanel->EditBtn->isHidden()) {
                    continue; // nothing on the table can be written
                }
                SelectFirstRow(*list);
                OnSubForm([](TForm*, TSNMPPanel* frame) {
                    if (!frame->BtnPanel->CheckAllBtn->isHidden()) {
                        frame->BtnPanel->CheckAllBtn->Click();
                    }
                    frame->BtnPanel->SetCheckedBtn->Click();
                });
                list->BtnPanel->EditBtn->Click();
                ASSERT_TRUE(WaitFor([&] { return WalkDone(*list); })) << page.title;
            } else {
                shown->CheckAll(shown);
                shown->BtnPanel->SetCheckedBtn->Click();
            }
            const auto journal = sim->journal();
            const auto sets = SetSummaries(journal, before, "");
            ASSERT_EQ(sets.size(), 1u) << page.title << " tab " << t;
            const auto set =
                std::find_if(journal.begin() + static_cast<std::ptrdiff_t>(before), journal.end(),
                             [](const JournalRecord& r) { return r.pdu == "set"; });
            EXPECT_EQ(set->errorStatus, "noError") << page.title << ": " << sets[0];
            ++written;
        }
        form_->Close();
        QCoreApplication::processEvents();
        form_.reset();
    }
    EXPECT_EQ(written, 19);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

void Save(QWidget* window, const char* name) {
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    EXPECT_TRUE(window->grab().save(QStringLiteral(KRS_SCREENSHOT_DIR "/") + QString::fromLatin1(name)))
        << name;
}

TEST_F(Layer2ProtocolPages, SavesScreenshotsOfCfmOamAndBpduPages) {
    auto* mep = dynamic_cast<TSNMPListViewPanel*>(Open(qs::CfmMepTablePage));
    ASSERT_NE(mep, nullptr);
    // The 37 items do not fit the highest sub-form: the grid scrolls.
    OnSubForm([mep](TForm* sub, TSNMPPanel*) {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
        EXPECT_LE(sub->ClientHeight(), 550);
        EXPECT_GT(mep->EditsPanel->ScrollBox->verticalScrollBar()->maximum(), 0);
        Save(sub, "page-cfm-mep-add.png");
    });
    mep->BtnPanel->AddBtn->Click();
    ASSERT_TRUE(WaitFor([&] { return WalkDone(*mep); }));
    form_->Close();
    QCoreApplication::processEvents();

    Open(qs::Dot3OamEventConfigPage);
    Save(form_.get(), "page-oam-event-configuration.png");
    form_->Close();
    QCoreApplication::processEvents();

    auto* tunnel = dynamic_cast<TSNMPListViewPanel*>(Open(qs::BpduTunnelTablePage));
    ASSERT_NE(tunnel, nullptr);
    TListView* list = tunnel->ListPanel->ListView;
    list->SetSelected(list->Item(2)); // port 3, a tunnel port
    tunnel->ListClick(list);
    OnSubForm([](TForm* sub, TSNMPPanel*) { Save(sub, "page-bpdu-tunnel-edit.png"); });
    tunnel->BtnPanel->EditBtn->Click();
}

} // namespace
} // namespace qs::test
