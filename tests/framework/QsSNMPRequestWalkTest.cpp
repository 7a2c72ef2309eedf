// Table walks and scalar reads of QsSNMPRequest against scripted agents, blocking and
// asynchronous, SNMPv1 and v2c.
#include "RequestTestSupport.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

namespace qs::test {
namespace {

const std::string kEntry = "1.3.6.1.4.1.99999.1.1";

// An index column and two readable integer columns.
const QsSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.1.1.2", "A", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.1.1.3", "B", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

// Column .2 and a column .20, with nothing in between: .20 must not pass for more rows of .2.
const QsSNMPVarDesc kPrefixTable[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.1.1.2", "A", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.1.1.20", "T", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

void Put(MibScript& mib, const std::string& column, std::initializer_list<int> rows) {
    for (const int r : rows) {
        mib.objects[Oid(kEntry + "." + column + "." + std::to_string(r))] = SnmpValue::fromInt(100 * r);
    }
}

struct Mode {
    const char* name;
    bool async;
    int version;
};

void PrintTo(const Mode& m, std::ostream* os) {
    *os << m.name;
}

class Walk : public testing::TestWithParam<Mode> {
protected:
    void SetUp() override { StartSessionOnce(); }

    std::vector<Row> Run(MibScript mib, const QsSNMPVarDesc* table, bool& ok, int keys = 1) {
        FakeAgent agent(mib);
        QsSNMPRequest request;
        TargetLoopback(request, agent.port(), GetParam().version);
        request.List = QsSNMPVarList(table, MVT_FMV, keys);
        if (!GetParam().async) {
            return WalkBlocking(request, ok);
        }
        AsyncWalk walk = WalkAsync(request);
        EXPECT_TRUE(walk.finished);
        ok = walk.last.code == 0;
        return walk.rows;
    }
};

TEST_P(Walk, ColumnWithFewerRowsReadsNotDoneAndTheWalkEnds) {
    MibScript mib;
    Put(mib, "2", {1, 2, 3});
    Put(mib, "3", {1, 2});
    mib.objects[Oid("1.3.6.1.4.1.99999.2.0")] = SnmpValue::fromInt(7); // an object after the table
    bool ok = false;
    const auto rows = Run(mib, kTable, ok);
    EXPECT_EQ(rows, (std::vector<Row>{{"1", "100", "100"}, {"2", "200", "200"}, {"3", "300", "(NOTDONE)"}}));
    EXPECT_TRUE(ok);
}

TEST_P(Walk, FirstColumnShorterDoesNotLendItsEndToTheRowIndex) {
    MibScript mib;
    Put(mib, "2", {1, 2});
    Put(mib, "3", {1, 2, 3});
    bool ok = false;
    const auto rows = Run(mib, kTable, ok);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], (Row{"3", "(NOTDONE)", "300"}));
}

TEST_P(Walk, ColumnIsComparedBySubIdentifiersNotByText) {
    MibScript mib;
    Put(mib, "2", {1, 2, 3});
    Put(mib, "20", {1, 2, 3});
    bool ok = false;
    const auto rows = Run(mib, kPrefixTable, ok);
    EXPECT_EQ(rows, (std::vector<Row>{{"1", "100", "100"}, {"2", "200", "200"}, {"3", "300", "300"}}));
}

// A table keyed by a MAC address whose first readable column has no instance: before the first
// row the empty key names no instance, so the ended column asks again from the column itself
// and the walk reads every row of the other column.
TEST_P(Walk, EmptyColumnOfAnAddressKeyedTableKeepsTheWalkGoing) {
    static const QsSNMPVarDesc kMacTable[] = {
        {"1.3.6.1.4.1.99999.1.1.1", "Mac", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99999.1.1.2", "A", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.99999.1.1.3", "B", SYN_INTEGER, ACC_READONLY},
        {nullptr},
    };
    MibScript mib;
    for (int r = 1; r <= 3; ++r) {
        mib.objects[Oid("1.3.6.1.4.1.99999.1.1.3.0.0.0.0.0." + std::to_string(r))] = SnmpValue::fromInt(r);
    }
    mib.objects[Oid("1.3.6.1.4.1.99999.2.0")] = SnmpValue::fromInt(7);
    bool ok = false;
    const auto rows = Run(mib, kMacTable, ok);
    EXPECT_EQ(rows, (std::vector<Row>{{"000000000001", "(NOTDONE)", "1"},
                                      {"000000000002", "(NOTDONE)", "2"},
                                      {"000000000003", "(NOTDONE)", "3"}}));
    EXPECT_TRUE(ok);
}

// Rows keyed by a VLAN and a host address that is also read as a column: when that column ends,
// it still names the last row, and the walk ends cleanly.
TEST_P(Walk, KeyReadAsAColumnEndsTheWalkCleanly) {
    static const QsSNMPVarDesc kHostTable[] = {
        {"1.3.6.1.4.1.99999.1.1.1", "Vid", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.99999.1.1.2", "Host", SYN_IPADDRESS, ACC_READONLY},
        {nullptr},
    };
    MibScript mib;
    for (int r = 1; r <= 2; ++r) {
        const auto host = static_cast<std::uint8_t>(r);
        mib.objects[Oid("1.3.6.1.4.1.99999.1.1.2.10.10.0.0." + std::to_string(r))] =
            SnmpValue::fromBytes(SnmpType::IpAddress, {10, 0, 0, host});
    }
    mib.objects[Oid("1.3.6.1.4.1.99999.2.0")] = SnmpValue::fromInt(7);
    bool ok = false;
    const auto rows = Run(mib, kHostTable, ok, 2);
    EXPECT_EQ(rows, (std::vector<Row>{{"10", "10.0.0.1"}, {"10", "10.0.0.2"}}));
    EXPECT_TRUE(ok);
}

TEST_P(Walk, EmptyTableReadsNoRow) {
    MibScript mib;
    mib.objects[Oid("1.3.6.1.4.1.99999.2.0")] = SnmpValue::fromInt(7);
    bool ok = false;
    EXPECT_TRUE(Run(mib, kTable, ok).empty());
    EXPECT_TRUE(ok);
}

TEST_P(Walk, EndOfTheAgentsViewEndsTheWalk) {
    MibScript mib; // nothing after the table: v1 answers noSuchName, v2c endOfMibView
    Put(mib, "2", {1, 2});
    Put(mib, "3", {1, 2});
    bool ok = false;
    const auto rows = Run(mib, kTable, ok);
    EXPECT_EQ(rows.size(), 2u);
    // A blocking v1 walk reports the end as a failed step; the asynchronous one as "Ok!".
    EXPECT_EQ(ok, GetParam().async || GetParam().version == 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, Walk,
                         testing::Values(Mode{"BlockingV1", false, 0}, Mode{"BlockingV2c", false, 1},
                                         Mode{"AsyncV1", true, 0}, Mode{"AsyncV2c", true, 1}),
                         [](const testing::TestParamInfo<Mode>& p) { return std::string(p.param.name); });

// An agent whose GET-NEXT answer does not increase: the same OID, or one that goes back.
struct BadNext {
    const char* name;
    int backBy; // 0: repeat the asked OID; 1: answer the row before it
};

void PrintTo(const BadNext& b, std::ostream* os) {
    *os << b.name;
}

class NonIncreasing : public testing::TestWithParam<BadNext> {
protected:
    void SetUp() override { StartSessionOnce(); }
};

TEST_P(NonIncreasing, WalkEndsInsteadOfLooping) {
    const int backBy = GetParam().backBy;
    FakeAgent agent([backBy](const FakeRequest& r) {
        FakeResponse response;
        for (const SnmpVarBind& vb : r.vbs) {
            OidVector oid = vb.oid;
            if (oid.size() == 10) {
                oid.push_back(1); // from the column: row 1
            } else if (oid.back() == 1) {
                oid.back() = 2; // after row 1: row 2
            } else {
                oid.back() -= static_cast<std::uint32_t>(backBy); // after row 2: itself or row 1
            }
            response.vbs.push_back({oid, SnmpValue::fromInt(5)});
        }
        return response;
    });
    for (const bool async : {false, true}) {
        QsSNMPRequest request;
        TargetLoopback(request, agent.port(), 1);
        request.List = QsSNMPVarList(kTable, MVT_FMV, 1);
        bool ok = false;
        const AsyncWalk walk = async ? WalkAsync(request, 20) : AsyncWalk{};
        const auto rows = async ? walk.rows : WalkBlocking(request, ok, 20);
        EXPECT_EQ(rows.size(), 2u) << (async ? "async" : "blocking");
        EXPECT_EQ(async ? walk.last.code : request.LastError.code, -529)
            << "the walk ends with an error, never \"Ok!\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Agents, NonIncreasing,
                         testing::Values(BadNext{"SameOid", 0}, BadNext{"SmallerOid", 1}),
                         [](const testing::TestParamInfo<BadNext>& p) { return std::string(p.param.name); });

class Reads : public testing::Test {
protected:
    void SetUp() override { StartSessionOnce(); }
};

// A reply with fewer bindings than asked does not answer the request: the walk ends with the
// mismatch error, and no column reads a value of another one.
TEST_F(Reads, ShortReplyEndsTheWalkWithAnErrorAndStoresNothing) {
    MibScript mib;
    Put(mib, "2", {1, 2});
    Put(mib, "3", {1, 2});
    FakeAgent agent([mib](const FakeRequest& r) {
        FakeResponse response = mib(r);
        response.vbs.resize(1); // only the first binding comes back
        return response;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    request.List = QsSNMPVarList(kTable, MVT_FMV, 1);
    bool ok = true;
    const auto rows = WalkBlocking(request, ok, 10);
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.LastError.code, -529);
    EXPECT_EQ(request.LastError.message, "The agent's reply does not match the request!");
}

TEST_F(Reads, ScalarGetStoresValuesAndATimeoutReadsNull) {
    const QsSNMPVarDesc scalars[] = {{"1.3.6.1.4.1.99999.3", "S", SYN_INTEGER, ACC_READONLY}, {nullptr}};
    MibScript mib;
    mib.objects[Oid("1.3.6.1.4.1.99999.3.0")] = SnmpValue::fromInt(-5);
    FakeAgent agent(mib);
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1, 10);
    request.Retries = 0;
    request.List = QsSNMPVarList(scalars, SVT_SV, 0);
    bool ok = false;
    EXPECT_FALSE(request.GetSync(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(request.List.GetVar(0)->Value, "-5");
    request.Device.port = FreeUdpPort();
    EXPECT_FALSE(request.GetSync(ok, true));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.List.GetVar(0)->Value, "(NULL)");
    EXPECT_EQ(request.GetErrorSequence(), 1u);
}

} // namespace
} // namespace qs::test
