// The catalogue's pages against the simulated switch: every page's table reads, every list page
// writes back the row it read, every Add and Delete status text creates and removes a row, the
// SNMP v3 pages do all this over an authPriv SNMPv3 session, the pages with 64-bit counters read
// with SNMPv2c when SNMPv1 is configured, the MAC-based 802.1X pages agree on their keys, and
// Reboot sends its one SET.
#include "CatalogueWalk.h"

#include "DirectCommands.h"
#include "QsSNMPRequest.h"
#include "QsSNMPSession.h"
#include "QsSNMPTarget.h"
#include "RmonBridgePages.h"
#include "SecurityPages.h"
#include "SimProcess.h"
#include "SnmpV3User.h"

#include "BasicConfigPages.h"
#include "IgmpSnoopingPages.h"
#include "Layer2PortPages.h"
#include "Layer3Pages.h"

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

    void ExpectPagesRead(bool snmpV3Menu);
    void ExpectListsWriteBack(bool snmpV3Menu);
    int ExpectRowsAddedAndDeleted(bool snmpV3Menu);

    std::vector<std::string> extraArgs_;
    std::unique_ptr<SimProcess> sim_;
    static inline qs::test::TempFolder sessionFolder_;
};

// The SNMP v3 menu's pages work only over SNMPv3: the session here is authPriv (MD5, DES).
class CatalogueSimV3 : public CatalogueSim {
protected:
    void SetUp() override {
        extraArgs_ = {"--user", kV3UserOption};
        CatalogueSim::SetUp();
        UseV3UserAuthPriv();
    }
    void TearDown() override { DefaultSecurity = QsSNMPSecurity{}; }
};

bool InSnmpV3Menu(const std::string& path) {
    return path.starts_with("SNMP v3 > ");
}

void CatalogueSim::ExpectPagesRead(bool snmpV3Menu) {
    for (const PanelView& panel : AllPanels()) {
        if (InSnmpV3Menu(panel.where) != snmpV3Menu) {
            continue;
        }
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

TEST_F(CatalogueSim, EveryPageReadsItsObjects) {
    ExpectPagesRead(false);
}

TEST_F(CatalogueSimV3, EverySnmpV3PageReadsItsObjects) {
    ExpectPagesRead(true);
    for (const auto& record : sim_->journal()) {
        EXPECT_EQ(record.level, "authPriv");
        EXPECT_EQ(record.errorStatus, "noError");
    }
}

// Finds the row whose key columns read keys.
bool HasRow(const std::vector<Row>& rows, const Row& keys) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const Row& row) { return std::equal(keys.begin(), keys.end(), row.begin()); });
}

// Reads the panel's first row (or its scalars), writes its writable values back in one SET
// addressed to that row, as the Edit sub-form sends them, and reads the same values again. Status
// columns are left out: Add and Delete write them, and a row is not re-created by an edit.
void CatalogueSim::ExpectListsWriteBack(bool snmpV3Menu) {
    int written = 0;
    for (const PanelView& panel : AllPanels()) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(panel.vars, panel.itemType, panel.keyCount);
        std::string selection;
        int writable = 0;
        for (int i = panel.keyCount; i < request.List.GetCount(); ++i) {
            if (request.List.IsWritable(i) && i != panel.add.var && i != panel.del.var) {
                selection += (selection.empty() ? "" : ",") + std::to_string(i);
                ++writable;
            }
        }
        if (InSnmpV3Menu(panel.where) != snmpV3Menu || writable == 0 || panel.editHidden) {
            continue;
        }
        bool ok = false;
        const std::vector<Row> before = Read(request, ok);
        ASSERT_FALSE(before.empty()) << panel.where;
        for (std::size_t i = 0; i < before[0].size(); ++i) {
            request.List.GetVar(static_cast<int>(i))->Value = before[0][i];
        }
        QsSNMPError error;
        request.SetSync(ok, error, false, selection, nullptr);
        EXPECT_TRUE(ok) << panel.where << ": " << error.message;
        const auto journal = sim_->journal();
        ASSERT_FALSE(journal.empty());
        EXPECT_EQ(journal.back().pdu, "set") << panel.where;
        EXPECT_EQ(journal.back().errorStatus, "noError") << panel.where;
        EXPECT_EQ(journal.back().varbinds.size(), static_cast<std::size_t>(writable)) << panel.where;
        const std::vector<Row> after = Read(request, ok);
        ASSERT_FALSE(after.empty()) << panel.where;
        EXPECT_EQ(after[0], before[0]) << panel.where;
        ++written;
    }
    EXPECT_GT(written, 0);
}

TEST_F(CatalogueSim, EveryPageWritesBackWhatItRead) {
    ExpectListsWriteBack(false);
}

TEST_F(CatalogueSimV3, EverySnmpV3PageWritesBackWhatItRead) {
    ExpectListsWriteBack(true);
}

// The panels with a Delete status text: list pages by title, tabs by caption, with their menu
// path.
struct RowPanel {
    std::string name;
    std::string path;
    const QsSNMPVarDesc* vars;
    std::uint8_t itemType;
    int keyCount;
    qs::StatusDef add;
    qs::StatusDef del;
};

std::vector<RowPanel> PanelsWithDelete() {
    std::vector<RowPanel> found;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const qs::PageDef& p = *e.entry->page;
        if (p.del.var >= 0) {
            found.push_back({p.title, e.place.path, p.vars, p.itemType, p.keyCount, p.add, p.del});
        }
        for (const qs::TabDef& t : p.tabs) {
            if (t.del.var >= 0) {
                found.push_back({t.caption, e.place.path, t.vars, t.itemType, t.keyCount, t.add, t.del});
            }
        }
    }
    return found;
}

// Creates the row of values (with the page's Add status text) as the Add sub-form does; returns
// its keys.
Row AddRow(const RowPanel& page, QsSNMPRequest& request, Row values) {
    const Row keys(values.begin(), values.begin() + page.keyCount);
    values[static_cast<std::size_t>(page.add.var)] = page.add.text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        request.List.GetVar(static_cast<int>(i))->Value = values[i];
    }
    bool ok = false;
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    EXPECT_TRUE(ok) << page.name << ": " << error.message;
    return keys;
}

// A new row per page title: every column's value text, the status column's replaced by the Add
// status text.
const std::map<std::string, Row>& NewRows() {
    static const std::string engine = "8000E4F503001E58A1B200";
    static const std::map<std::string, Row> rows = {
        {"Trusted Host Table", {"3", "10.90.90.101", "255.255.255.0", ""}},
        {"SMTP Mail Receiver Table", {"3", "ops@example.net", ""}},
        {"Ping Control Table", {"admin", "lab", "10.90.90.2", "3", "1", "enabled", ""}},
        {"Trace Route Control Table", {"admin", "lab", "10.1.1.2", "3", "3", "33434", "30", "enabled", ""}},
        {"AAC Server Table", {"lab", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}},
        {"MBA Database Table", {"0C1D2345678B", "lab", "", "20"}},
        {"Protocol VLAN Group Table", {"ethernet", "88CC", "4", ""}},
        {"MAC-based VLAN", {"001A2B3C4D5E", "10", "static", ""}},
        {"VLAN Translation CVID Table", {"300", "2000", "replace", ""}},
        {"Target Address Table",
         {"nms3", "1.3.6.1.6.1.1", "0A5A5A0400A2", "1500", "3", "trap", "v2cparams", "nonVolatile", ""}},
        {"Target Parameters", {"v1params", "0", "1", "public", "noAuthNoPriv", "nonVolatile", ""}},
        {"User Table",
         {engine, "audit", "audit", "0.0", "SHA", "", "", "None", "", "", "", "nonVolatile", ""}},
        {"Security Group Table", {"3", "audit", "operators", "nonVolatile", ""}},
        {"Access Table", {"auditors", "", "3", "authPriv", "exact", "all", "", "all", "nonVolatile", ""}},
        {"View MIB Tree Family Table", {"audit", "1.3.6.1.2.1.17", "", "included", "nonVolatile", ""}},
        {"Notify Table", {"auditnotify", "audit", "trap", "nonVolatile", ""}},
        {"Notify Filter Profile Table", {"v2cparams", "filter2", "nonVolatile", ""}},
        {"Notify Filter Table", {"filter1", "1.3.6.1.4.1.58613", "", "included", "nonVolatile", ""}},
        {"SNMP Community Table", {"audit", "auditcomm", "audit", engine, "", "", "nonVolatile", ""}},
        {"IPv6 Address Control Table", {"System", "20010DB8000000000000000000000099", "64", ""}},
        {"IPv6 Neighbor Cache Table", {"20010DB8000000000000000000000042", "001E58A1B299", "System", "", ""}},
        {"ACL Meter Table", {"3", "4", "2048", "remark-dscp", "46", "16", "other", ""}},
        {"Packet Content Mask", {"7", "FFFFFFFFFFFF", "000000000000", "0FFF", "0000", ""}},
        {"Packet Content Offsets", {"7", "3", "l3", "4", "FF00", ""}},
        {"ACL Packet Content Rule Offsets Table", {"5", "2", "3", "0800", "", "FFFF"}},
        {"IPv6 Mask (CPU Interface Filtering)",
         {"3", "enable", "disable", "src-ipv6-addr", "FFFFFFFFFFFFFFFF0000000000000000",
          "00000000000000000000000000000000", ""}},
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
          "70726F6265", // the data TLV's bytes as hex: "probe"
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
    return rows;
}

// Each Add status text creates a row with the page's editors filled in, and each Delete status
// text removes the selected row (a new one, or the first on a page without Add) with a SET of
// the index values and the status only.
int CatalogueSim::ExpectRowsAddedAndDeleted(bool snmpV3Menu) {
    int exercised = 0;
    for (const RowPanel& page : PanelsWithDelete()) {
        if (InSnmpV3Menu(page.path) != snmpV3Menu) {
            continue;
        }
        QsSNMPRequest request;
        request.List = QsSNMPVarList(page.vars, page.itemType, page.keyCount);
        bool ok = false;
        Row keys;
        if (page.add.var >= 0) {
            EXPECT_EQ(NewRows().count(page.name), 1u) << page.name;
            if (NewRows().count(page.name) == 0) {
                continue;
            }
            keys = AddRow(page, request, NewRows().at(page.name));
        } else {
            const std::vector<Row> before = Read(request, ok);
            EXPECT_FALSE(before.empty()) << page.name;
            if (before.empty()) {
                continue;
            }
            keys.assign(before[0].begin(), before[0].begin() + page.keyCount);
        }
        EXPECT_TRUE(HasRow(Read(request, ok), keys)) << page.name;
        QsSNMPError error;

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
    return exercised;
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
            const bool emptyContext =
                panel.where.ends_with("> Access Table") && k == 1; // the default context
            EXPECT_TRUE(emptyContext || request.List.GetVar(k)->Value != "") << panel.where << " key " << k;
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

// Tables whose index holds more than integers, or whose keys are also read as columns: every
// row decodes from its instance, and the columns read agree with it.
TEST_F(CatalogueSim, KeysReadFromTheRowsInstance) {
    struct Case {
        const qs::PageDef* page;
        std::size_t rows;
        Row sample; // the leading values of one row
    };
    const Case cases[] = {
        {&qs::PortControlPage, 32, {"25", "fiber", "enabled", "nway-disabled-1Gigabps-Full"}},
        {&qs::PortInformationPage, 32, {"28", "copper", "link-pass"}},
        {&qs::Ipv6AddressControlPage, 2, {"System", "20010DB8000000000000000000000001", "64", "active"}},
        {&qs::NeighborCachePage,
         2,
         {"FE80000000000000021E58FFFE0C4400", "001E580C4400", "System", "reachable"}},
        {&qs::IpControlPage, 2, {"mgmt", "FE80000000000000021E58FFFEA1B264", "64", "disabled"}},
        {&qs::GroupInformationPage, 1, {"001E58332001", "floor2"}},
        {&qs::NeighborSwitchPage, 3, {"24", "001E58331009", "candidate"}},
        {&qs::IgmpHostPage, 3, {"10", "239.1.1.1", "5", "10.90.90.52"}},
        {&qs::IgmpInformationPage, 2, {"10", "239.255.0.7", "01005E7F0007"}},
        {&qs::Igmpv3Page, 2, {"10", "239.1.1.1", "10.20.0.6", "enabled"}},
        {&qs::IgmpAccessAuthenticationPage, 2, {"10", "2", "disabled"}}, // by VLAN alone
    };
    for (const Case& c : cases) {
        QsSNMPRequest request;
        request.List = QsSNMPVarList(c.page->vars, c.page->itemType, c.page->keyCount);
        bool ok = false;
        const std::vector<Row> rows = Read(request, ok);
        EXPECT_EQ(rows.size(), c.rows) << c.page->title;
        EXPECT_TRUE(HasRow(rows, c.sample)) << c.page->title;
    }
}

TEST_F(CatalogueSim, AddAndDeleteStatusTextsCreateAndRemoveRows) {
    EXPECT_EQ(ExpectRowsAddedAndDeleted(false), 24);
}

TEST_F(CatalogueSimV3, AddAndDeleteStatusTextsCreateAndRemoveRows) {
    EXPECT_EQ(ExpectRowsAddedAndDeleted(true), 10);
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

TEST_F(CatalogueSim, RebootSendsOneWarmStartOnlyWhenConfirmed) {
    std::string reported;
    for (const bool yes : {false, true}) {
        qs::RunReboot([yes](const std::string&, const std::string&) { return yes; }, qs::SendScalarSet,
                      [&reported](const std::string& message) { reported += message; });
    }
    EXPECT_EQ(reported, ""); // taken: the device restarts
    const auto journal = sim_->journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].pdu, "set");
    ASSERT_EQ(journal[0].varbinds.size(), 1u);
    EXPECT_EQ(journal[0].varbinds[0].oid, ".1.3.6.1.4.1.58613.12.1.2.3.0");
    EXPECT_EQ(journal[0].varbinds[0].type, "INTEGER");
    EXPECT_EQ(journal[0].varbinds[0].value, "3");
}

class CatalogueSimRefusingReboot : public CatalogueSim {
protected:
    void SetUp() override {
        extraArgs_ = {"--set-error", ".1.3.6.1.4.1.58613.12.1.2.3=genErr"};
        CatalogueSim::SetUp();
    }
};

TEST_F(CatalogueSimRefusingReboot, ARebootTheDeviceRefusesSaysSo) {
    std::string reported;
    qs::RunReboot([](const std::string&, const std::string&) { return true; }, qs::SendScalarSet,
                  [&reported](const std::string& message) { reported += message; });
    EXPECT_EQ(reported, MapSnmpStatus(5).text); // genErr
    const auto journal = sim_->journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].errorStatus, "genErr");
}

} // namespace
