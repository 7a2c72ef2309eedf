// The catalogue's pages against the simulated switch: every page's table reads, list pages write
// a row back, every Add and Delete status text creates and removes a row, the pages with 64-bit
// counters read with SNMPv2c when SNMPv1 is configured, the MAC-based 802.1X pages agree on
// their keys, and Reboot sends its one SET.
#include "CatalogueWalk.h"

#include "DirectCommands.h"
#include "QsSNMPRequest.h"
#include "QsSNMPSession.h"
#include "QsSNMPTarget.h"
#include "RmonBridgePages.h"
#include "SecurityPages.h"
#include "SimProcess.h"

#include "BasicConfigPages.h"

#include <QCoreApplication>

#include <algorithm>
#include <gtest/gtest.h>

#include <map>

namespace {

using qs::test::SimProcess;

using Row = std::vector<std::string>;

Row Values(const QsSNMPVarList& list) {
    Row row;
    for (int i = 0; i < list.GetCount(); ++i) {
        row.push_back(list.GetVar(i)->Value);
    }
    return row;
}

class CatalogueSim : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "krs_catalogue_sim_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        if (!SnmpSessionStarted()) {
            InitSnmpSession(sessionFolder_.path());
        }
    }

    void SetUp() override {
        qs::test::SimOptions options;
        options.args = extraArgs_;
        sim_ = std::make_unique<SimProcess>(options);
        ASSERT_TRUE(sim_->start()) << sim_->lastError() << sim_->errorOutput();
        DefaultDevice = QsSNMPDevice{"127.0.0.1", sim_->port()};
        DefaultSecurity.version = 1;
        DefaultSecurity.readCommunity = "lumpet";
        DefaultSecurity.writeCommunity = "grindel";
        DefaultTimeout = 100;
    }

    // Reads the page's objects with blocking steps: the scalars' or every row's value texts.
    static std::vector<Row> Read(QsSNMPRequest& request, bool& ok) {
        std::vector<Row> rows;
        if (!request.List.IsTable()) {
            request.GetSync(ok, true);
            rows.push_back(Values(request.List));
            return rows;
        }
        for (bool first = true; rows.size() < 200 && request.GetSync(ok, first); first = false) {
            rows.push_back(Values(request.List));
        }
        return rows;
    }

    std::vector<std::string> extraArgs_;
    std::unique_ptr<SimProcess> sim_;
    static inline qs::test::TempFolder sessionFolder_;
};

TEST_F(CatalogueSim, EveryPageReadsItsObjects) {
    for (const PanelView& panel : AllPanels()) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(panel.vars, panel.itemType, panel.keyCount);
        bool ok = false;
        const std::vector<Row> rows = Read(request, ok);
        EXPECT_TRUE(ok || request.List.IsTable()) << panel.where;
        ASSERT_FALSE(rows.empty()) << panel.where;
        for (const auto& row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                EXPECT_NE(row[i], "(NULL)") << panel.where << " column " << i;
                EXPECT_NE(row[i], "(NOTDONE)") << panel.where << " column " << i;
            }
        }
    }
}

// Finds the row whose key columns read keys.
bool HasRow(const std::vector<Row>& rows, const Row& keys) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const Row& row) { return std::equal(keys.begin(), keys.end(), row.begin()); });
}

// Creates the row of values (with the page's Add status text) as the Add sub-form does; returns
// its keys.
Row AddRow(const qs::PageDef& page, QsSNMPRequest& request, Row values) {
    const Row keys(values.begin(), values.begin() + page.keyCount);
    values[static_cast<std::size_t>(page.add.var)] = page.add.text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        request.List.GetVar(static_cast<int>(i))->Value = values[i];
    }
    bool ok = false;
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    EXPECT_TRUE(ok) << page.title << ": " << error.message;
    return keys;
}

// Each Add status text creates a row with the page's editors filled in, and each Delete status
// text removes the selected row (a new one, or the first on a page without Add) with a SET of
// the index values and the status only.
TEST_F(CatalogueSim, AddAndDeleteStatusTextsCreateAndRemoveRows) {
    const std::map<std::string, Row> newRows = {
        {"Trusted Host Table", {"3", "10.90.90.101", "255.255.255.0", ""}},
        {"SMTP Mail Receiver Table", {"3", "ops@example.net", ""}},
        {"Ping Control Table", {"admin", "lab", "10.90.90.2", "3", "1", "enabled", ""}},
        {"Trace Route Control Table", {"admin", "lab", "10.1.1.2", "3", "3", "33434", "30", "enabled", ""}},
        {"AAC Server Table", {"lab", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}},
        {"MBA Database Table", {"0C1D2345678B", "lab", "", "20"}},
    };
    int exercised = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.del.var < 0) {
            continue;
        }
        QsSNMPRequest request;
        request.List = QsSNMPVarList(page.vars, page.itemType, page.keyCount);
        bool ok = false;
        Row keys;
        if (page.add.var >= 0) {
            ASSERT_EQ(newRows.count(page.title), 1u) << page.title;
            keys = AddRow(page, request, newRows.at(page.title));
        } else {
            const std::vector<Row> before = Read(request, ok);
            ASSERT_FALSE(before.empty()) << page.title;
            keys.assign(before[0].begin(), before[0].begin() + page.keyCount);
        }
        EXPECT_TRUE(HasRow(Read(request, ok), keys)) << page.title;
        QsSNMPError error;

        // The row to delete is the one selected: its key values, then the status alone.
        for (int k = 0; k < page.keyCount; ++k) {
            request.List.GetVar(k)->Value = keys[static_cast<std::size_t>(k)];
        }
        const std::vector<std::string> deleteValues = {page.del.text};
        request.SetSync(ok, error, false, std::to_string(page.del.var), &deleteValues);
        EXPECT_TRUE(ok) << page.title << ": " << error.message;
        EXPECT_FALSE(HasRow(Read(request, ok), keys)) << page.title;
        ++exercised;
    }
    EXPECT_EQ(exercised, 7);
}

// With SNMPv1 configured the pages with 64-bit counters speak SNMPv2c and read every counter,
// and a request created after such a page speaks SNMPv1 again.
TEST_F(CatalogueSim, CounterPagesReadWithV2cWhenV1IsConfigured) {
    const std::pair<const qs::PageDef*, std::size_t> cases[] = {
        {&qs::IfXTablePage, 28}, {&qs::Dot1xSessionStatsPage, 28}, {&qs::MacPaeSessionPage, 3}};
    for (const auto& [page, rowCount] : cases) {
        DefaultSecurity.version = 0;
        const std::size_t before = sim_->journal().size();
        {
            qs::VersionOverride v2c(page->forceV2cIfV1);
            QsSNMPRequest request;
            request.List = QsSNMPVarList(page->vars, page->itemType, page->keyCount);
            bool ok = false;
            const std::vector<Row> rows = Read(request, ok);
            EXPECT_EQ(rows.size(), rowCount) << page->title;
            for (const Row& row : rows) {
                EXPECT_EQ(std::count(row.begin(), row.end(), "(NOTDONE)"), 0) << page->title;
            }
        }
        QsSNMPRequest after;
        after.List = QsSNMPVarList(qs::RmonControlPage.vars, SVT_SV, 0);
        bool ok = false;
        after.GetSync(ok, true);
        EXPECT_TRUE(ok);
        EXPECT_EQ(after.List.GetVar(0)->Value, "enabled");
        std::map<std::string, int> versions;
        const auto journal = sim_->journal();
        for (std::size_t i = before; i < journal.size(); ++i) {
            ++versions[journal[i].version];
        }
        EXPECT_EQ(versions["1"], 1) << page->title;
        EXPECT_GE(versions["2c"], static_cast<int>(rowCount)) << page->title;
    }
}

// The four MAC-based 802.1X pages decode their MAC and port index alike, also for a MAC whose
// first octet is larger than the number of sub-identifiers after it.
TEST_F(CatalogueSim, MacBasedPagesAgreeOnTheirKeys) {
    const Row expected = {"001122334455 5", "0C29ABCDEF01 7", "C0FFEE123456 12"};
    for (const qs::PageDef* page :
         {&qs::MacPaeStatePage, &qs::MacPaeDiagPage, &qs::MacPaeStatsPage, &qs::MacPaeSessionPage}) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(page->vars, page->itemType, page->keyCount);
        bool ok = false;
        Row keys;
        for (const Row& row : Read(request, ok)) {
            keys.push_back(row[0] + " " + row[1]);
        }
        EXPECT_EQ(keys, expected) << page->title;
    }
}

// On every list page that can edit, the first row's writable columns go back to the device in
// one SET addressed to that row, as the Edit sub-form sends them, and the device takes them.
TEST_F(CatalogueSim, ListPagesWriteTheirFirstRowBack) {
    int written = 0;
    for (const PanelView& panel : AllPanels()) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(panel.vars, panel.itemType, panel.keyCount);
        std::string selection;
        for (int i = panel.keyCount; i < request.List.GetCount(); ++i) {
            if (request.List.IsWritable(i) && i != panel.add.var && i != panel.del.var) {
                selection += (selection.empty() ? "" : ",") + std::to_string(i);
            }
        }
        if (!request.List.IsTable() || selection.empty() || panel.editHidden) {
            continue;
        }
        bool ok = false;
        request.GetSync(ok, true);
        ASSERT_TRUE(ok) << panel.where;
        const std::size_t before = sim_->journal().size();
        QsSNMPError error;
        request.SetSync(ok, error, false, selection, nullptr);
        EXPECT_TRUE(ok) << panel.where << ": " << error.message;
        const auto journal = sim_->journal();
        ASSERT_EQ(journal.size(), before + 1) << panel.where;
        EXPECT_EQ(journal.back().pdu, "set") << panel.where;
        EXPECT_EQ(journal.back().errorStatus, "noError") << panel.where;
        ++written;
    }
    EXPECT_GT(written, 15);
}

TEST_F(CatalogueSim, RebootSendsOneWarmStartOnlyWhenConfirmed) {
    for (const bool yes : {false, true}) {
        qs::RunReboot([yes](const std::string&, const std::string&) { return yes; }, qs::SendScalarSet);
    }
    const auto journal = sim_->journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].pdu, "set");
    ASSERT_EQ(journal[0].varbinds.size(), 1u);
    EXPECT_EQ(journal[0].varbinds[0].oid, ".1.3.6.1.4.1.58613.12.1.2.3.0");
    EXPECT_EQ(journal[0].varbinds[0].type, "INTEGER");
    EXPECT_EQ(journal[0].varbinds[0].value, "3");
}

} // namespace
