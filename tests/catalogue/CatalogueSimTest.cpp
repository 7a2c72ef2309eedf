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

// The panels with Add and Delete: list pages by title, tabs by caption.
struct RowPanel {
    std::string name;
    const QsSNMPVarDesc* vars;
    std::uint8_t itemType;
    int keyCount;
    qs::StatusDef add;
    qs::StatusDef del;
};

std::vector<RowPanel> PanelsWithAdd() {
    std::vector<RowPanel> found;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& p = *e.entry->page;
        if (p.add.var >= 0) {
            found.push_back({p.title, p.vars, p.itemType, p.keyCount, p.add, p.del});
        }
        for (const qs::TabDef& t : p.tabs) {
            if (t.add.var >= 0) {
                found.push_back({t.caption, t.vars, t.itemType, t.keyCount, t.add, t.del});
            }
        }
    }
    return found;
}

// Each Add status text creates a row with the page's editors filled in, and each Delete status
// text removes it with a SET of the index values and the status only.
TEST_F(CatalogueSim, AddAndDeleteStatusTextsCreateAndRemoveRows) {
    const std::map<std::string, Row> newRows = {
        {"Trusted Host Table", {"3", "10.90.90.101", "255.255.255.0", ""}},
        {"SMTP Mail Receiver Table", {"3", "ops@example.net", ""}},
        {"Ping Control Table", {"admin", "lab", "10.90.90.2", "3", "1", "enabled", ""}},
        {"Trace Route Control Table", {"admin", "lab", "10.1.1.2", "3", "3", "33434", "30", "enabled", ""}},
        {"ACL Meter Table", {"3", "4", "2048", "remark-dscp", "46", "16", "other", ""}},
        {"Packet Content Mask", {"7", "FFFFFFFFFFFF", "000000000000", "0FFF", "0000", ""}},
        {"Packet Content Offsets", {"7", "3", "l3", "4", "FF00", ""}},
        {"ACL Packet Content Rule Offsets Table", {"5", "2", "3", "0800", "", "FFFF"}},
        {"IPv6 Mask (CPU Interface Filtering)",
         {"3", "enable", "disable", "src-ipv6-addr", "FFFFFFFFFFFFFFFF0000000000000000",
          "00000000000000000000000000000000", ""}},
    };
    int exercised = 0;
    for (const RowPanel& page : PanelsWithAdd()) {
        ASSERT_EQ(newRows.count(page.name), 1u) << page.name;
        Row values = newRows.at(page.name);
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
        EXPECT_TRUE(ok) << page.name << ": " << error.message;
        EXPECT_TRUE(HasRow(Read(request, ok), keys)) << page.name;

        // The row to delete is the one selected: its key values, then the status alone.
        for (int k = 0; k < page.keyCount; ++k) {
            request.List.GetVar(k)->Value = keys[static_cast<std::size_t>(k)];
        }
        const std::vector<std::string> deleteValues = {page.del.text};
        request.SetSync(ok, error, false, std::to_string(page.del.var), &deleteValues);
        EXPECT_TRUE(ok) << page.name << ": " << error.message;
        EXPECT_FALSE(HasRow(Read(request, ok), keys)) << page.name;
        ++exercised;
    }
    EXPECT_EQ(exercised, 9);
}

// Every table page with writable columns writes its first row back as it was read: one SET of
// the writable columns at the row's index, which the device takes.
TEST_F(CatalogueSim, TablePagesWriteBackTheFirstRowTheyRead) {
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
        if (!request.List.IsTable() || selection.empty()) {
            continue;
        }
        bool ok = false;
        ASSERT_TRUE(request.GetSync(ok, true) && ok) << panel.where;
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
    EXPECT_GE(written, 20);
}

// A walk asks for the readable columns only: index columns are never read, even where they
// carry an OID, and take their values from each row's instance suffix.
TEST_F(CatalogueSim, WalksAskForReadableColumnsOnly) {
    for (const PanelView& panel : AllPanels()) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(panel.vars, panel.itemType, panel.keyCount);
        if (!request.List.IsTable()) {
            continue;
        }
        std::vector<std::string> readable;
        for (int i = 0; i < request.List.GetCount(); ++i) {
            if (request.List.IsReadable(i)) {
                readable.push_back("." + request.List.GetVar(i)->Oid);
            }
        }
        bool ok = false;
        ASSERT_TRUE(request.GetSync(ok, true)) << panel.where;
        const auto journal = sim_->journal();
        ASSERT_FALSE(journal.empty());
        std::vector<std::string> asked;
        for (const auto& vb : journal.back().varbinds) {
            asked.push_back(vb.oid);
        }
        EXPECT_EQ(asked, readable) << panel.where;
        for (int k = 0; k < panel.keyCount; ++k) {
            EXPECT_NE(request.List.GetVar(k)->Value, "") << panel.where << " key " << k;
        }
    }
}

// The index forms of the first row: time ticks, an address family through its option list, a
// length-prefixed InetAddress or octet string as the last key, a MAC address of six
// sub-identifiers.
TEST_F(CatalogueSim, IndexFormsDecodeFromTheRowSuffix) {
    const std::map<std::string, Row> firstKeys = {
        {"Layer 2 > LLDP > Remote System Data > Management Address Table",
         {"0:00:01.00", "1", "1", "IPv4", "0A5A5A01"}},
        {"Layer 2 > LLDP > LLDP System Data > Management Address Table", {"IPv4", "10.90.90.90"}},
        {"Layer 2 > LLDP > Configuration > Address Configuration", {"1", "10.90.90.90"}},
        {"Layer 2 > LLDP > Remote System Data > Unknown TLV Table", {"0:00:01.00", "1", "1", "9"}},
        {"Layer 2 > LLDP > LLDP-Dot1 > Remote Data > VLAN Name Table", {"0:00:01.00", "1", "1", "1"}},
        {"Layer 2 > CoS Management > MAC_Base PRI Table\n", {"001E58A1B20A"}},
    };
    int checked = 0;
    for (const PanelView& panel : AllPanels()) {
        if (firstKeys.count(panel.where) == 0) {
            continue;
        }
        QsSNMPRequest request;
        request.List = QsSNMPVarList(panel.vars, panel.itemType, panel.keyCount);
        bool ok = false;
        ASSERT_TRUE(request.GetSync(ok, true) && ok) << panel.where;
        const Row row = Values(request.List);
        EXPECT_EQ(Row(row.begin(), row.begin() + panel.keyCount), firstKeys.at(panel.where)) << panel.where;
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(firstKeys.size()));
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
