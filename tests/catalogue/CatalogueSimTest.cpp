// The catalogue's pages against the simulated switch: every page's table reads, every Add and
// Delete status text creates and removes a row, the IfX page reads with SNMPv2c when SNMPv1 is
// configured, and Reboot sends its one SET.
#include "CatalogueWalk.h"

#include "DirectCommands.h"
#include "QsSNMPRequest.h"
#include "QsSNMPSession.h"
#include "QsSNMPTarget.h"
#include "RmonBridgePages.h"
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

// Each Add status text creates a row with the page's editors filled in, and each Delete status
// text removes it with a SET of the index values and the status only.
TEST_F(CatalogueSim, AddAndDeleteStatusTextsCreateAndRemoveRows) {
    const std::map<std::string, Row> newRows = {
        {"Trusted Host Table", {"3", "10.90.90.101", "255.255.255.0", ""}},
        {"SMTP Mail Receiver Table", {"3", "ops@example.net", ""}},
        {"Ping Control Table", {"admin", "lab", "10.90.90.2", "3", "1", "enabled", ""}},
        {"Trace Route Control Table", {"admin", "lab", "10.1.1.2", "3", "3", "33434", "30", "enabled", ""}},
        {"Multicast Filter Table", {"3", "lab", "none", "239.2.2.1-239.2.2.9", ""}},
        {"CFM VLAN Table", {"1", "300", "300", ""}},
        {"CFM MD Table", {"3", "charString", "lab", "4", "defMHFnone", "sendIdNone", ""}},
        {"CFM MA Net Table", {"1", "5", "charString", "svc-lab", "interval1s", ""}},
        {"CFM MA Component Table", {"1", "1", "5", "300", "defMHFdefer", "sendIdDefer", "1", ""}},
        {"CFM MA MEP List Table", {"1", "1", "5", ""}},
        {"CFM MEP Table",
         {"1",
          "1",
          "5",
          "2",
          "down",
          "100",
          "true",
          "fngReset",
          "true",
          "7",
          "001E58C00002",
          "macRemErrXcon",
          "250",
          "1000",
          "none",
          "0",
          "0",
          "1",
          "0",
          "0",
          "1",
          "0",
          "0",
          "false",
          "001E58C00003",
          "1",
          "probe",
          "7",
          "false",
          "0",
          "false",
          "80",
          "001E58C00003",
          "64",
          "false",
          "0",
          ""}},
    };
    int exercised = 0;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& page = *e.entry->page;
        if (page.add.var < 0) {
            continue;
        }
        ASSERT_EQ(newRows.count(page.title), 1u) << page.title;
        Row values = newRows.at(page.title);
        const Row keys(values.begin(), values.begin() + page.keyCount);
        QsSNMPRequest request;
        request.List = QsSNMPVarList(page.vars, page.itemType, page.keyCount);
        values[static_cast<std::size_t>(page.add.var)] = page.add.text;
        for (std::size_t i = 0; i < values.size(); ++i) {
            request.List.GetVar(static_cast<int>(i))->Value = values[i];
        }
        bool ok = false;
        QsSNMPError error;
        request.SetSync(ok, error, false, "", nullptr);
        EXPECT_TRUE(ok) << page.title << ": " << error.message;
        EXPECT_TRUE(HasRow(Read(request, ok), keys)) << page.title;

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
    EXPECT_EQ(exercised, 11);
}

// With SNMPv1 configured the IfX page's request speaks SNMPv2c, and a request created after the
// page speaks SNMPv1 again.
TEST_F(CatalogueSim, IfXPageReadsWithV2cWhenV1IsConfigured) {
    DefaultSecurity.version = 0;
    {
        qs::VersionOverride v2c(qs::IfXTablePage.forceV2cIfV1);
        QsSNMPRequest request;
        request.List =
            QsSNMPVarList(qs::IfXTablePage.vars, qs::IfXTablePage.itemType, qs::IfXTablePage.keyCount);
        bool ok = false;
        EXPECT_EQ(Read(request, ok).size(), 28u);
    }
    QsSNMPRequest after;
    after.List = QsSNMPVarList(qs::RmonControlPage.vars, SVT_SV, 0);
    bool ok = false;
    after.GetSync(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(after.List.GetVar(0)->Value, "enabled");
    std::map<std::string, int> versions;
    for (const auto& record : sim_->journal()) {
        ++versions[record.version];
    }
    EXPECT_EQ(versions["1"], 1);
    EXPECT_GE(versions["2c"], 28);
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
