// Writes, failure reporting and the life of asynchronous requests of QsSNMPRequest.
#include "QsException.h"
#include "RequestTestSupport.h"
#include "SnmpdAgent.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace qs::test {
namespace {

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.99999.5", "A", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.6", "B", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.7", "C", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.1.1.2", "A", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

struct Captured {
    std::vector<QsSNMPError> records;
};

void Capture(void* driver, QsSNMPError* error, QsSNMPVarList*) {
    static_cast<Captured*>(driver)->records.push_back(*error);
}

std::vector<QsSNMPError> g_hooked;
void Hook(QsSNMPError* error) {
    g_hooked.push_back(*error);
}

class Requests : public testing::Test {
protected:
    void SetUp() override {
        StartSessionOnce();
        g_hooked.clear();
    }

    // Scalars A, B, C holding "1", "2", "3".
    void FillScalars(QsSNMPRequest& request) {
        request.List = QsSNMPVarList(kScalars, SVT_SV, 0);
        for (int i = 0; i < 3; ++i) {
            request.List.GetVar(i)->Value = std::to_string(i + 1);
        }
    }
    static void ExpectUntouched(const QsSNMPVarList& list) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(list.GetVar(i)->Access, ACC_READWRITE) << i;
            EXPECT_EQ(list.GetVar(i)->Value, std::to_string(i + 1)) << i;
        }
    }
};

TEST_F(Requests, SelectionSendsOnlyTheChosenVariablesWithTheGivenTexts) {
    FakeAgent agent(MibScript{});
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    FillScalars(request);
    const std::vector<std::string> values{"42"};
    bool ok = false;
    QsSNMPError error;
    EXPECT_FALSE(request.SetSync(ok, error, false, "1", &values));
    EXPECT_TRUE(ok);
    const auto sets = agent.received();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].pduType, 0xA3);
    EXPECT_EQ(sets[0].community, "private");
    ASSERT_EQ(sets[0].vbs.size(), 1u);
    EXPECT_EQ(sets[0].vbs[0].oid, Oid("1.3.6.1.4.1.99999.6.0"));
    EXPECT_EQ(sets[0].vbs[0].value, SnmpValue::fromInt(42));
    ExpectUntouched(request.List);
}

TEST_F(Requests, VariableTheCallerMarkedInvalidStaysOutOfTheSet) {
    FakeAgent agent(MibScript{});
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 0);
    FillScalars(request);
    request.List.GetVar(2)->Access |= ACC_INVALID;
    bool ok = false;
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    const auto sets = agent.received();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].vbs.size(), 2u);
    EXPECT_EQ(sets[0].vbs[1].value, SnmpValue::fromInt(2));
    EXPECT_EQ(request.List.GetVar(2)->Access, ACC_READWRITE | ACC_INVALID);
}

struct Breakage {
    const char* name;
    const char* host;
    std::uint8_t itemType;
    int code;
};

void PrintTo(const Breakage& b, std::ostream* os) {
    *os << b.name;
}

class WriteException : public Requests, public testing::WithParamInterface<Breakage> {};

TEST_P(WriteException, LeavesTheListAsItWasAndCountsNothing) {
    const auto& c = GetParam();
    for (const bool async : {false, true}) {
        QsSNMPRequest request;
        TargetLoopback(request, 9, 1);
        request.Device.host = c.host;
        FillScalars(request);
        request.List.ItemType = c.itemType;
        const std::vector<std::string> values{"42"};
        bool ok = true;
        QsSNMPError error;
        Captured captured;
        try {
            if (async) {
                request.SetAsync(ok, Capture, &captured, false, "1", &values);
            } else {
                request.SetSync(ok, error, false, "1", &values);
            }
            ADD_FAILURE() << "no exception";
        } catch (const QsException& e) {
            EXPECT_EQ(e.helpContext, c.code);
        }
        request.List.ItemType = SVT_SV;
        ExpectUntouched(request.List);
        EXPECT_EQ(request.Pending, 0);
        EXPECT_EQ(request.GetErrorSequence(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteException,
                         testing::Values(Breakage{"UnresolvableHost", "no-such-host.invalid", SVT_SV, -509},
                                         Breakage{"BadItemType", "127.0.0.1", 7, -515}),
                         [](const testing::TestParamInfo<Breakage>& p) { return std::string(p.param.name); });

TEST_F(Requests, AgentErrorOnASetIsReportedNeverOk) {
    FakeAgent agent([](const FakeRequest& r) {
        FakeResponse response;
        response.errorStatus = 17; // notWritable
        response.errorIndex = 1;
        response.vbs = r.vbs;
        return response;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    FillScalars(request);
    bool ok = true;
    QsSNMPError error;
    request.SetSync(ok, error, false, "0", nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.code, -117);
    EXPECT_EQ(error.sequence, 1u);
    Captured captured;
    request.SetAsync(ok, Capture, &captured, false, "0", nullptr);
    EXPECT_TRUE(ok);
    RunEventsFor(2000, [&] { return !captured.records.empty(); });
    ASSERT_EQ(captured.records.size(), 1u);
    EXPECT_EQ(captured.records[0].code, -117);
    EXPECT_EQ(captured.records[0].errorIndex, 1);
    EXPECT_EQ(captured.records[0].peer.host, "127.0.0.1");
    EXPECT_EQ(captured.records[0].peer.port, agent.port());
    EXPECT_TRUE(captured.records[0].done);
}

// An SNMPv1 agent refuses a write with noSuchName and the request's bindings echoed; after a
// walk the column's current OID is that of the last row, so the echo matches it.
TEST_F(Requests, RefusedV1WriteOnTheLastRowIsAnErrorNotOk) {
    MibScript mib;
    for (const int row : {1, 2, 3}) {
        mib.objects[Oid("1.3.6.1.4.1.99999.1.1.2." + std::to_string(row))] = SnmpValue::fromInt(row);
    }
    FakeAgent agent([mib](const FakeRequest& r) {
        if (r.pduType != 0xA3) {
            return mib(r);
        }
        FakeResponse refused;
        refused.errorStatus = 2;
        refused.errorIndex = 1;
        refused.vbs = r.vbs;
        return refused;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 0);
    request.List = QsSNMPVarList(kTable, MVT_FMV, 1);
    bool ok = false;
    ASSERT_EQ(WalkBlocking(request, ok).size(), 3u);
    request.Active = true;
    request.List.GetVar(0)->Value = "3";
    const std::vector<std::string> values{"9"};
    Captured captured;
    request.SetAsync(ok, Capture, &captured, false, "1", &values);
    RunEventsFor(2000, [&] { return !captured.records.empty(); });
    ASSERT_EQ(captured.records.size(), 1u);
    EXPECT_EQ(captured.records[0].code, -102);
    EXPECT_TRUE(captured.records[0].done);
}

TEST_F(Requests, AsynchronousTimeOutIsReportedAsTimeOut) {
    FakeAgent agent([](const FakeRequest&) { return FakeResponse{.drop = true}; });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1, 10);
    FillScalars(request);
    Captured captured;
    bool ok = false;
    request.GetAsync(ok, Capture, &captured, true);
    RunEventsFor(3000, [&] { return !captured.records.empty(); });
    ASSERT_EQ(captured.records.size(), 1u);
    EXPECT_EQ(captured.records[0].code, -405);
    EXPECT_TRUE(captured.records[0].done);
    EXPECT_EQ(agent.requests(), 2); // the request and its one retry
    EXPECT_EQ(request.Pending, 0);
}

TEST_F(Requests, OneSecondAndOneRetryGiveUpAfterAboutTwoSeconds) {
    FakeAgent agent([](const FakeRequest&) { return FakeResponse{.drop = true}; });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 0, 100);
    request.ErrorHook = Hook;
    FillScalars(request);
    QElapsedTimer clock;
    clock.start();
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_NEAR(static_cast<double>(clock.elapsed()), 2000.0, 300.0);
    ASSERT_EQ(g_hooked.size(), 1u);
    EXPECT_EQ(g_hooked[0].code, -405);
    EXPECT_EQ(request.List.GetVar(0)->Value, "(NULL)");
}

TEST_F(Requests, SendTheLibraryRefusesIsReportedAndNotPending) {
    QsSNMPRequest request;
    TargetLoopback(request, 9, 1);
    request.Security.writeCommunity.clear();
    request.ErrorHook = Hook;
    FillScalars(request);
    bool ok = true;
    Captured captured;
    request.SetAsync(ok, Capture, &captured, false, "", nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.Pending, 0);
    ASSERT_EQ(g_hooked.size(), 1u);
    EXPECT_EQ(g_hooked[0].code, -412);
    EXPECT_EQ(g_hooked[0].sequence, 1u);
}

TEST_F(Requests, InactiveRequestSendsNothing) {
    FakeAgent agent(MibScript{});
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    request.ErrorHook = Hook;
    FillScalars(request);
    request.Active = false;
    bool ok = true;
    EXPECT_FALSE(request.GetSync(ok, true));
    EXPECT_FALSE(ok);
    ok = true;
    Captured captured;
    request.GetAsync(ok, Capture, &captured, true);
    EXPECT_FALSE(ok);
    QsSNMPError error;
    ok = true;
    EXPECT_FALSE(request.SetSync(ok, error, false, "", nullptr));
    EXPECT_FALSE(ok);
    EXPECT_EQ(agent.requests(), 0);
    EXPECT_TRUE(g_hooked.empty());
}

// A slow agent: the first request of each pair is answered at once, the second after 200 ms.
FakeResponse SlowSecond(const FakeRequest& r) {
    if (r.vbs.size() == 1 && r.vbs[0].oid == Oid("1.3.6.1.4.1.99999.6.0")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    FakeResponse response;
    for (const auto& vb : r.vbs) {
        response.vbs.push_back({vb.oid, SnmpValue::fromInt(1)});
    }
    return response;
}

const QsSNMPVarDesc kFast[] = {{"1.3.6.1.4.1.99999.5", "A", SYN_INTEGER, ACC_READONLY}, {nullptr}};
const QsSNMPVarDesc kSlow[] = {{"1.3.6.1.4.1.99999.6", "B", SYN_INTEGER, ACC_READONLY}, {nullptr}};

TEST_F(Requests, DestructorWaitsForTheOutstandingReply) {
    FakeAgent agent(SlowSecond);
    auto request = std::make_unique<QsSNMPRequest>();
    TargetLoopback(*request, agent.port(), 1);
    request->List = QsSNMPVarList(kSlow, SVT_SV, 0);
    Captured captured;
    bool ok = false;
    request->GetAsync(ok, Capture, &captured, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(captured.records.size(), 1u);
}

struct DeletesOther {
    std::unique_ptr<QsSNMPRequest> other;
    qint64 deleteTook = -1;
    bool ran = false;
};

void DeleteOther(void* driver, QsSNMPError*, QsSNMPVarList*) {
    auto& d = *static_cast<DeletesOther*>(driver);
    QElapsedTimer clock;
    clock.start();
    d.other.reset();
    d.deleteTook = clock.elapsed();
    d.ran = true;
}

TEST_F(Requests, RequestDeletedInsideACompletionDoesNotWaitAndItsLateReplyIsDropped) {
    FakeAgent agent(SlowSecond);
    QsSNMPRequest fast;
    TargetLoopback(fast, agent.port(), 1);
    fast.List = QsSNMPVarList(kFast, SVT_SV, 0);
    DeletesOther d;
    d.other = std::make_unique<QsSNMPRequest>();
    TargetLoopback(*d.other, agent.port(), 1);
    d.other->List = QsSNMPVarList(kSlow, SVT_SV, 0);
    Captured late;
    bool ok = false;
    fast.GetAsync(ok, DeleteOther, &d, true);
    d.other->GetAsync(ok, Capture, &late, true);
    RunEventsFor(2000, [&] { return d.ran; });
    ASSERT_TRUE(d.ran);
    EXPECT_LT(d.deleteTook, 100);
    RunEventsFor(500, [&] { return !HasOutstandingRequests(); });
    EXPECT_FALSE(HasOutstandingRequests());
    EXPECT_TRUE(late.records.empty());
}

TEST_F(Requests, ReportOfAWrongPassPhraseIsAUsmErrorNotAnEmptySuccess) {
    SnmpdAgent snmpd;
    ASSERT_TRUE(snmpd.running());
    QsSNMPRequest request;
    request.Device = QsSNMPDevice{"127.0.0.1", snmpd.port()};
    request.Security.version = 3;
    request.Security.securityModel = 3;
    request.Security.securityLevel = 2;
    request.Security.securityName = "authuser";
    request.Security.authProtocol = 2;
    request.Security.authPassPhrase = "wrongpass123";
    request.Timeout = 50;
    request.ErrorHook = Hook;
    const QsSNMPVarDesc sysDescr[] = {{"1.3.6.1.2.1.1.1", "Descr", SYN_DISPLAYSTR, ACC_READONLY}, {nullptr}};
    request.List = QsSNMPVarList(sysDescr, SVT_SV, 0);
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_FALSE(ok);
    ASSERT_EQ(g_hooked.size(), 1u);
    EXPECT_EQ(g_hooked[0].code, -308);
    Captured captured;
    request.GetAsync(ok, Capture, &captured, true);
    RunEventsFor(3000, [&] { return !captured.records.empty(); });
    ASSERT_EQ(captured.records.size(), 1u);
    EXPECT_EQ(captured.records[0].code, -308);
    EXPECT_TRUE(captured.records[0].done);
}

} // namespace
} // namespace qs::test
