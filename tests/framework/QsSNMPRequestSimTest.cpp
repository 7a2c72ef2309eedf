// QsSNMPRequest against the simulated switch on loopback: every version and security level,
// table walks, SETs of every wire type, agent errors, time-outs and broken agents.
#include "BlockingAction.h"
#include "QsSNMPRequest.h"
#include "QsSNMPSession.h"
#include "RequestTestSupport.h"
#include "SimProcess.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qs::test {
namespace {

const char* kUser = "alice:MD5:alicepass1";
const char* kPrivUser = "carol:SHA:carolpass1:DES:carolpriv1";

// Writable scalars of every wire type the framework sends (counters travel as Gauge32), a sparse
// table, and a column under 2.25 that nothing follows: the end of the agent's view.
const char* kData = R"(@writable .1.3.6.1.4.1.99999.9.1
@writable .1.3.6.1.4.1.99999.9.2
@writable .1.3.6.1.4.1.99999.9.3
@writable .1.3.6.1.4.1.99999.9.4
@writable .1.3.6.1.4.1.99999.9.6
@writable .1.3.6.1.4.1.99999.9.7
@writable .1.3.6.1.4.1.99999.9.8
@writable .1.3.6.1.4.1.99999.9.9
.1.3.6.1.4.1.99999.9.1.0 = INTEGER: 1
.1.3.6.1.4.1.99999.9.2.0 = STRING: "abc"
.1.3.6.1.4.1.99999.9.3.0 = OID: .1.3.6.1.4.1
.1.3.6.1.4.1.99999.9.4.0 = IpAddress: 10.0.0.1
.1.3.6.1.4.1.99999.9.6.0 = Gauge32: 6
.1.3.6.1.4.1.99999.9.7.0 = Timeticks: (7) 0:00:00.07
.1.3.6.1.4.1.99999.9.8.0 = Counter64: 8
.1.3.6.1.4.1.99999.9.9.0 = Hex-STRING: 00 1A
.1.3.6.1.4.1.99999.10.1.2.1 = INTEGER: 10
.1.3.6.1.4.1.99999.10.1.2.2 = INTEGER: 20
.1.3.6.1.4.1.99999.10.1.2.3 = INTEGER: 30
.1.3.6.1.4.1.99999.10.1.4.1 = STRING: "one"
.1.3.6.1.4.1.99999.10.1.4.2 = STRING: "two"
.2.25.99.1.4.1 = STRING: "one"
.2.25.99.1.4.2 = STRING: "two"
)";

class Sim : public testing::Test {
protected:
    void SetUp() override { StartSessionOnce(); }

    // Starts krs-sim on the test's own data (or the default switch data when data is null).
    bool Start(std::vector<std::string> args, const char* data = kData) {
        SimOptions options;
        options.args = std::move(args);
        if (data) {
            char pattern[] = "/tmp/krs-simdata-XXXXXX";
            dataDir_ = ::mkdtemp(pattern);
            options.dataFile = dataDir_ + "/test.walk";
            std::ofstream(options.dataFile) << data;
        }
        sim_ = std::make_unique<SimProcess>(options);
        const bool started = sim_->start();
        EXPECT_TRUE(started) << sim_->lastError();
        return started;
    }
    void Aim(QsSNMPRequest& request, int version, int timeout = 50) {
        TargetLoopback(request, sim_->port(), version, timeout);
        request.Security.readCommunity = "lumpet";
        request.Security.writeCommunity = "grindel";
    }
    // SNMPv3 as the user: authentication SHA (MD5 for alice), privacy DES when a privacy pass
    // phrase is given.
    void AimAsUser(QsSNMPRequest& request, const char* user, const char* authPass,
                   const char* privPass = "") {
        Aim(request, 3);
        QsSNMPSecurity& s = request.Security;
        s.securityModel = 3;
        s.securityName = user;
        s.securityLevel = *privPass != '\0' ? 3 : 2;
        s.authProtocol = std::string(user) == "alice" ? 2 : 3;
        s.privProtocol = *privPass != '\0' ? 2 : 1;
        s.authPassPhrase = authPass;
        s.privPassPhrase = privPass;
    }
    void TearDown() override {
        sim_.reset();
        if (!dataDir_.empty()) {
            std::filesystem::remove_all(dataDir_);
        }
    }

    std::unique_ptr<SimProcess> sim_;
    std::string dataDir_;
};

struct Security {
    const char* name;
    int version;
    const char* user;
    int level;
    int auth;
    const char* authPass;
    const char* privPass;
};

void PrintTo(const Security& s, std::ostream* os) {
    *os << s.name;
}

class SimSecurity : public Sim, public testing::WithParamInterface<std::tuple<Security, bool>> {};

const QsSNMPVarDesc kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Descr", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.1.2", "ObjectID", SYN_OBJECTID, ACC_READONLY},
    {"1.3.6.1.2.1.1.7", "Services", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

TEST_P(SimSecurity, ScalarGetInEveryVersionAndLevel) {
    const auto& [s, async] = GetParam();
    ASSERT_TRUE(Start({"--user", kUser, "--user", kPrivUser, "--user", "bob"}, nullptr));
    QsSNMPRequest request;
    Aim(request, s.version);
    request.Security.securityModel = 3;
    request.Security.securityName = s.user;
    request.Security.securityLevel = s.level;
    request.Security.authProtocol = s.auth;
    request.Security.privProtocol = s.level == 3 ? 2 : 1;
    request.Security.authPassPhrase = s.authPass;
    request.Security.privPassPhrase = s.privPass;
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    bool ok = false;
    if (async) {
        AsyncWalk walk = WalkAsync(request);
        EXPECT_EQ(walk.last.code, 0) << walk.last.message;
        EXPECT_TRUE(walk.last.done);
    } else {
        EXPECT_FALSE(request.GetSync(ok, true));
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(request.List.GetVar(0)->Value, "KRS-5400MX-28 Gigabit Ethernet Switch");
    EXPECT_EQ(request.List.GetVar(1)->Value, "1.3.6.1.4.1.58613.10.113.1.6");
    EXPECT_EQ(request.List.GetVar(2)->Value, "2");
}

INSTANTIATE_TEST_SUITE_P(
    Levels, SimSecurity,
    testing::Combine(testing::Values(Security{"v1", 0, "", 1, 1, "", ""},
                                     Security{"v2c", 1, "", 1, 1, "", ""},
                                     Security{"v3noAuthNoPriv", 3, "bob", 1, 1, "", ""},
                                     Security{"v3authNoPriv", 3, "alice", 2, 2, "alicepass1", ""},
                                     Security{"v3authPriv", 3, "carol", 3, 3, "carolpass1", "carolpriv1"}),
                     testing::Bool()),
    [](const auto& p) {
        return std::string(std::get<0>(p.param).name) + (std::get<1>(p.param) ? "Async" : "Blocking");
    });

const QsSNMPVarDesc kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.2.2.1.3", "Type", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.2.2.1.8", "Oper", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

// A sparse table: column 3 has no instance at all.
const QsSNMPVarDesc kSparse[] = {
    {"1.3.6.1.4.1.99999.10.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.10.1.2", "Number", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.10.1.3", "Missing", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

// The last column of the data: its walk runs into the end of the agent's view.
const QsSNMPVarDesc kLastColumn[] = {
    {"2.25.99.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"2.25.99.1.4", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

class SimWalk : public Sim, public testing::WithParamInterface<std::tuple<int, bool>> {
protected:
    std::vector<Row> Walk(const QsSNMPVarDesc* table, bool& ok) {
        const auto [version, async] = GetParam();
        QsSNMPRequest request;
        Aim(request, version);
        request.List = QsSNMPVarList(table, MVT_FMV, 1);
        if (!async) {
            return WalkBlocking(request, ok);
        }
        AsyncWalk walk = WalkAsync(request);
        EXPECT_TRUE(walk.finished);
        ok = walk.last.code == 0;
        return walk.rows;
    }
};

TEST_P(SimWalk, InterfaceTableGivesOneRowPerPort) {
    ASSERT_TRUE(Start({}, nullptr));
    bool ok = false;
    const auto rows = Walk(kIfTable, ok);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_TRUE(ok);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_NE(rows[i][1], "(NOTDONE)");
    }
}

TEST_P(SimWalk, ColumnWithoutInstancesReadsNotDoneInEveryRow) {
    ASSERT_TRUE(Start({}));
    bool ok = false;
    const auto rows = Walk(kSparse, ok);
    EXPECT_EQ(rows, (std::vector<Row>{
                        {"1", "10", "(NOTDONE)"}, {"2", "20", "(NOTDONE)"}, {"3", "30", "(NOTDONE)"}}));
    EXPECT_TRUE(ok);
}

TEST_P(SimWalk, EndOfTheViewEndsTheWalk) {
    ASSERT_TRUE(Start({}));
    bool ok = false;
    const auto rows = Walk(kLastColumn, ok);
    EXPECT_EQ(rows, (std::vector<Row>{{"1", "one"}, {"2", "two"}}));
    // A blocking SNMPv1 walk reports the agent's noSuchName as a failed last step.
    const auto [version, async] = GetParam();
    EXPECT_EQ(ok, version == 1 || async);
}

TEST_P(SimWalk, GetNextThatDoesNotAdvanceEndsTheWalk) {
    ASSERT_TRUE(Start({"--bad-next", ".1.3.6.1.4.1.99999.10.1.2.2"}));
    bool ok = false;
    const auto rows = Walk(kSparse, ok);
    EXPECT_EQ(rows.size(), 2u); // the agent answers row 2's successor with row 2 again
    EXPECT_LE(sim_->journal().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Modes, SimWalk, testing::Combine(testing::Values(0, 1), testing::Bool()),
                         [](const auto& p) {
                             return std::string(std::get<0>(p.param) == 0 ? "V1" : "V2c") +
                                    (std::get<1>(p.param) ? "Async" : "Blocking");
                         });

struct WireCase {
    const char* name;
    const char* oid;
    std::uint32_t syntax;
    const char* text;
};

void PrintTo(const WireCase& c, std::ostream* os) {
    *os << c.name;
}

class SimSet : public Sim, public testing::WithParamInterface<std::tuple<WireCase, bool>> {};

void CountDone(void* driver, QsSNMPError* error, QsSNMPVarList*) {
    *static_cast<QsSNMPError*>(driver) = *error;
}

TEST_P(SimSet, EveryWireTypeIsWrittenAndReadBack) {
    const auto& [c, async] = GetParam();
    ASSERT_TRUE(Start({}));
    QsSNMPRequest request;
    Aim(request, 1);
    request.List.AddVar(c.oid, c.name, c.syntax, ACC_READWRITE);
    const std::vector<std::string> values{c.text};
    bool ok = false;
    if (async) {
        QsSNMPError result;
        result.code = 1;
        request.SetAsync(ok, CountDone, &result, false, "0", &values);
        RunEventsFor(3000, [&] { return result.code != 1; });
        EXPECT_EQ(result.code, 0) << result.message;
    } else {
        QsSNMPError error;
        request.SetSync(ok, error, false, "0", &values);
        EXPECT_EQ(error.code, 0) << error.message;
    }
    EXPECT_TRUE(ok);
    request.List.GetVar(0)->Value.clear();
    request.GetSync(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(request.List.GetVar(0)->Value, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SimSet,
    testing::Combine(
        testing::Values(WireCase{"Integer", "1.3.6.1.4.1.99999.9.1", SYN_INTEGER, "-42"},
                        WireCase{"OctetString", "1.3.6.1.4.1.99999.9.2", SYN_DISPLAYSTR, "hello"},
                        WireCase{"ObjectId", "1.3.6.1.4.1.99999.9.3", SYN_OBJECTID, "1.3.6.1.2.1.2"},
                        WireCase{"IpAddress", "1.3.6.1.4.1.99999.9.4", SYN_IPADDRESS, "192.168.1.20"},
                        WireCase{"Gauge32", "1.3.6.1.4.1.99999.9.6", SYN_GUAGE, "4294967295"},
                        WireCase{"TimeTicks", "1.3.6.1.4.1.99999.9.7", SYN_TIMETICKS, "1 day 2:03:04.05"},
                        WireCase{"Counter64", "1.3.6.1.4.1.99999.9.8", SYN_COUNTER64, "12345678901234"},
                        WireCase{"HexOctets", "1.3.6.1.4.1.99999.9.9", SYN_OCTETSTR, "00FF1A"}),
        testing::Bool()),
    [](const auto& p) {
        return std::string(std::get<0>(p.param).name) + (std::get<1>(p.param) ? "Async" : "Blocking");
    });

TEST_F(Sim, IPv6LoopbackAgent) {
    ASSERT_TRUE(Start({"--ipv6"}, nullptr));
    QsSNMPRequest request;
    Aim(request, 1);
    request.Device.host = "::1";
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    bool ok = false;
    request.GetSync(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(request.List.GetVar(2)->Value, "2");
}

// SNMPv3 engine discovery happens when the default target is opened, not in the first read.
TEST_F(Sim, DefaultTargetIsOpenedUpFront) {
    ASSERT_TRUE(Start({"--user", kUser}, nullptr));
    const QsSNMPDevice savedDevice = DefaultDevice;
    const QsSNMPSecurity savedSecurity = DefaultSecurity;
    DefaultDevice = QsSNMPDevice{"127.0.0.1", sim_->port()};
    DefaultSecurity.version = 3;
    DefaultSecurity.securityModel = 3;
    DefaultSecurity.securityName = "alice";
    DefaultSecurity.securityLevel = 2;
    DefaultSecurity.authProtocol = 2;
    DefaultSecurity.authPassPhrase = "alicepass1";
    const std::size_t socketsBefore = AsyncSocketDescriptors().size();
    EXPECT_EQ(qs::OpenDefaultTarget(), 0);
    EXPECT_EQ(AsyncSocketDescriptors().size(), socketsBefore + 1);
    DefaultSecurity.authPassPhrase = "wrongpass1";
    EXPECT_EQ(qs::OpenDefaultTarget(), status::UsmAuthenticationFailure);
    DefaultDevice.port = sim_->port() == 65535 ? 65534 : sim_->port() + 1; // nobody answers there
    DefaultTimeout = 10;
    EXPECT_EQ(qs::OpenDefaultTarget(), status::Timeout); // discovery failed now, not in a read
    DefaultTimeout = 100;
    DefaultDevice = savedDevice;
    DefaultSecurity = savedSecurity;
}

TEST_F(Sim, AgentErrorOnASetIsReportedBothWays) {
    ASSERT_TRUE(Start({"--set-error", ".1.3.6.1.4.1.99999.9.1=genErr"}));
    QsSNMPRequest request;
    Aim(request, 1);
    request.List.AddVar("1.3.6.1.4.1.99999.9.1", "I", SYN_INTEGER, ACC_READWRITE);
    request.List.GetVar(0)->Value = "5";
    bool ok = true;
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.code, -105);
    QsSNMPError result;
    result.code = 1;
    request.SetAsync(ok, CountDone, &result, false, "", nullptr);
    RunEventsFor(3000, [&] { return result.code != 1; });
    EXPECT_EQ(result.code, -105);
}

TEST_F(Sim, OneSecondAndOneRetryGiveUpAfterAboutTwoSecondsAsTimeOut) {
    ASSERT_TRUE(Start({"--no-answer"}));
    QsSNMPRequest request;
    Aim(request, 0, 100);
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    QElapsedTimer clock;
    clock.start();
    QsSNMPError result;
    result.code = 1;
    bool ok = false;
    request.GetAsync(ok, CountDone, &result, true);
    RunEventsFor(5000, [&] { return result.code != 1; });
    EXPECT_NEAR(static_cast<double>(clock.elapsed()), 2000.0, 300.0);
    EXPECT_EQ(result.code, -405);
    EXPECT_EQ(sim_->journal().size(), 2u);
}

// One user action waits for one time-out at most per target: after a blocking read timed out,
// the action's further blocking reads and writes with the same credentials are not sent and fail
// with that time-out; the next action, and requests outside any action, are sent again.
TEST_F(Sim, ABlockingTimeOutEndsTheBlockingRequestsOfItsAction) {
    ASSERT_TRUE(Start({"--no-answer"}));
    QsSNMPRequest request;
    Aim(request, 1, 10);
    request.Security.writeCommunity = request.Security.readCommunity; // one target for both
    request.Retries = 0;
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    bool ok = true;
    const std::uint64_t timeouts = BlockingAction::Timeouts();
    {
        const BlockingAction action;
        request.GetSync(ok, true);
        EXPECT_FALSE(ok);
        const std::uint64_t errors = request.GetErrorSequence();
        EXPECT_EQ(request.LastError.code, -405);
        ok = true;
        request.LastError = QsSNMPError{};
        request.GetSync(ok, true);
        EXPECT_FALSE(ok);
        EXPECT_EQ(request.LastError.code, -405); // reported as the first one was
        QsSNMPError error;
        ok = true;
        request.SetSync(ok, error, false, "", nullptr);
        EXPECT_FALSE(ok);
        EXPECT_EQ(error.code, -405);
        EXPECT_EQ(request.GetErrorSequence(), errors + 2);
        EXPECT_EQ(sim_->journal().size(), 1u);
        EXPECT_EQ(BlockingAction::Timeouts() - timeouts, 1u);
    }
    {
        const BlockingAction next;
        request.GetSync(ok, true);
    }
    request.GetSync(ok, true);
    EXPECT_EQ(sim_->journal().size(), 3u);
    EXPECT_EQ(BlockingAction::Timeouts() - timeouts, 3u);
}

// Reads and writes carry different communities: a read the agent ignores (a wrong read
// community) does not skip the write that the write community carries in the same action.
TEST_F(Sim, AReadTimingOutOnItsCommunityDoesNotSkipAWriteOnAnother) {
    ASSERT_TRUE(Start({}));
    QsSNMPRequest request;
    Aim(request, 1, 10);
    request.Retries = 0;
    request.Security.readCommunity = "public"; // krs-sim answers no other community than its own
    request.List.AddVar("1.3.6.1.4.1.99999.9.2", "Text", SYN_DISPLAYSTR, ACC_READWRITE);
    request.List.GetVar(0)->Value = "written";
    const std::uint64_t timeouts = BlockingAction::Timeouts();
    const BlockingAction action;
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_EQ(request.LastError.code, -405);
    QsSNMPError error;
    ok = false;
    request.SetSync(ok, error, false, "", nullptr);
    EXPECT_TRUE(ok) << error.message;
    request.GetSync(ok, true); // the read community's time-out still stands for its reads
    EXPECT_FALSE(ok);
    EXPECT_EQ(BlockingAction::Timeouts() - timeouts, 1u);
    const std::vector<JournalRecord> journal = sim_->journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].pdu, "set");
    EXPECT_EQ(journal[1].errorStatus, "noError");
}

TEST_F(Sim, WrongCommunityTimesOut) {
    ASSERT_TRUE(Start({}));
    QsSNMPRequest request;
    Aim(request, 1, 10);
    request.Retries = 0;
    request.Security.readCommunity = "public";
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    QsSNMPError result;
    result.code = 1;
    bool ok = false;
    request.GetAsync(ok, CountDone, &result, true);
    RunEventsFor(3000, [&] { return result.code != 1; });
    EXPECT_EQ(result.code, -405);
}

// A device replaced at the same address is another SNMPv3 engine, and one restarted keeps its
// engine ID but boots anew: the agent answers the old engine's requests with a report at once
// (unknown engine, or not in its time window). The session discovers the engine again within the
// request, so the next read succeeds, blocking or asynchronous, with no wait.
TEST_F(Sim, ANewOrRestartedEngineAtTheSameAddressIsReadAtTheNextRequest) {
    struct Case {
        const char* name;
        std::vector<std::string> before, after; // the agent's engine options
    };
    const Case cases[] = {
        {"replaced", {"--engine-id", "bay-1"}, {"--engine-id", "bay-2"}},
        {"restarted",
         {"--engine-id", "bay-3", "--engine-boots", "4"},
         {"--engine-id", "bay-3", "--engine-boots", "5"}},
    };
    for (const Case& c : cases) {
        for (const bool async : {false, true}) {
            std::vector<std::string> args{"--user", kPrivUser};
            args.insert(args.end(), c.before.begin(), c.before.end());
            ASSERT_TRUE(Start(args, nullptr));
            const std::string port = std::to_string(sim_->port());
            QsSNMPRequest request;
            AimAsUser(request, "carol", "carolpass1", "carolpriv1");
            request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
            auto read = [&] {
                if (async) {
                    return WalkAsync(request).last.code;
                }
                bool ok = false;
                request.GetSync(ok, true);
                return ok ? 0 : request.LastError.code;
            };
            ASSERT_EQ(read(), 0) << request.LastError.message;
            sim_.reset();
            args = {"--user", kPrivUser, "--port", port};
            args.insert(args.end(), c.after.begin(), c.after.end());
            ASSERT_TRUE(Start(args, nullptr));
            const std::uint64_t timeouts = BlockingAction::Timeouts();
            request.List.GetVar(0)->Value.clear();
            const std::string what = std::string(c.name) + (async ? ", async" : ", blocking");
            EXPECT_EQ(read(), 0) << what << ": " << request.LastError.message;
            EXPECT_EQ(request.List.GetVar(0)->Value, "KRS-5400MX-28 Gigabit Ethernet Switch") << what;
            EXPECT_EQ(BlockingAction::Timeouts(), timeouts) << what;
            EXPECT_EQ(read(), 0) << what; // and the reads after it
            sim_.reset();
        }
    }
}

// A wrong privacy pass phrase: the engine answers its probe, the user's requests it cannot
// decrypt go unanswered. The first read waits for one time-out (its request and the one retry),
// not for a second one after the discovery's own.
TEST_F(Sim, AWrongPrivacyPassPhraseCostsTheFirstReadOneTimeOut) {
    ASSERT_TRUE(Start({"--user", kPrivUser}, nullptr));
    QsSNMPRequest request;
    AimAsUser(request, "carol", "carolpass1", "wrongpriv1");
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.LastError.code, -405);
    // The agent decrypts the requests into garbage with the wrong key: it counts each as a
    // message it could not parse.
    QsSNMPRequest counter;
    Aim(counter, 1);
    counter.List.AddVar("1.3.6.1.2.1.11.6", "snmpInASNParseErrs", SYN_COUNTER, ACC_READONLY);
    counter.GetSync(ok, true);
    ASSERT_TRUE(ok);
    EXPECT_EQ(counter.List.GetVar(0)->Value, "2"); // the request and its one retry
}

TEST_F(Sim, WrongPassPhraseIsAClearUsmError) {
    ASSERT_TRUE(Start({"--user", kUser}));
    QsSNMPRequest request;
    AimAsUser(request, "alice", "wrongpass1");
    request.List = QsSNMPVarList(kSystem, SVT_SV, 0);
    QsSNMPError result;
    result.code = 1;
    bool ok = false;
    request.GetAsync(ok, CountDone, &result, true);
    RunEventsFor(3000, [&] { return result.code != 1; });
    EXPECT_EQ(result.code, -308);
    EXPECT_NE(request.List.GetVar(0)->Value, "KRS-5400MX-28 Gigabit Ethernet Switch");
}

} // namespace
} // namespace qs::test
