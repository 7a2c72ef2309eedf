#include "SnmpAdapter.h"
#include "SnmpAdapterLib.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <memory>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace qs {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

const OidVector kSysDescr0{1, 3, 6, 1, 2, 1, 1, 1, 0};
const OidVector kSysContact0{1, 3, 6, 1, 2, 1, 1, 4, 0};
const OidVector kSysORUpTimeCol{1, 3, 6, 1, 2, 1, 1, 9, 1, 4};

SnmpVarBind Ask(const OidVector& oid) {
    return {oid, SnmpValue::null()};
}

// Every parameter struct starts with its name, the case's name in gtest.
struct NamedCase {
    const char* name;
};

template <class P> std::string NameOf(const testing::TestParamInfo<P>& param) {
    return param.param.name;
}

struct AsyncOutcome {
    int reason = 0;
    SnmpReply reply;
};

// Runs pump steps until the outcome is in or the time is up.
void PumpUntil(const std::optional<AsyncOutcome>& outcome, milliseconds limit) {
    const auto end = steady_clock::now() + limit;
    while (!outcome && steady_clock::now() < end) {
        ProcessPendingEvents();
        std::this_thread::sleep_for(milliseconds(1));
    }
}

// A loopback UDP port that receives and never answers, counting what arrives.
class SilentPort {
public:
    SilentPort() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof(a);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), len);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~SilentPort() { ::close(fd_); }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;
    std::uint16_t port() const { return port_; }
    // The datagrams that arrived since the last call (loopback delivers them within the send).
    int Take() {
        char buf[2048];
        int n = 0;
        while (::recv(fd_, buf, sizeof buf, MSG_DONTWAIT) >= 0) {
            ++n;
        }
        return n;
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

class SnmpAdapter : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(StartSnmpLibrary(), status::Success);
        agent_ = new test::SnmpdAgent;
    }
    static void TearDownTestSuite() {
        delete agent_;
        agent_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(agent_->running()) << "snmpd did not start"; }

    // Sends asynchronously and pumps until the handler has run.
    std::optional<AsyncOutcome> RoundTrip(const SnmpTarget& t, PduKind kind, std::vector<SnmpVarBind> vbs) {
        std::optional<AsyncOutcome> outcome;
        const int sent = SendAsync(t, kind, vbs,
                                   [&](int reason, const SnmpReply& r) {
                                       outcome = AsyncOutcome{reason, r};
                                   },
                                   {});
        EXPECT_EQ(sent, status::Success);
        PumpUntil(outcome, milliseconds(20000)); // a bound for a loaded machine, not a timing
        return outcome;
    }

    static test::SnmpdAgent* agent_;
};

test::SnmpdAgent* SnmpAdapter::agent_ = nullptr;

struct SecurityCase : NamedCase {
    int version;
    const char* user;
    int level;
};

void PrintTo(const SecurityCase& c, std::ostream* os) {
    *os << c.name;
}

class SnmpAdapterSecurity : public SnmpAdapter, public testing::WithParamInterface<SecurityCase> {
protected:
    SnmpTarget Target() const {
        const auto& c = GetParam();
        return c.version == 3 ? agent_->v3Target(c.user, c.level) : agent_->target(c.version);
    }
};

TEST_P(SnmpAdapterSecurity, BlockingGetReadsAScalar) {
    const SnmpReply r = SendBlocking(Target(), PduKind::Get, {Ask(kSysDescr0)});
    ASSERT_EQ(r.status, status::Success);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].oid, kSysDescr0);
    EXPECT_EQ(r.vbs[0].value.type, SnmpType::OctetString);
    EXPECT_FALSE(r.vbs[0].value.bytes.empty());
}

TEST_P(SnmpAdapterSecurity, AsyncGetNextAnswersInsidePumpOnly) {
    std::optional<AsyncOutcome> outcome;
    ASSERT_EQ(SendAsync(Target(), PduKind::GetNext, {Ask({1, 3, 6, 1, 2, 1, 1, 1})},
                        [&](int reason, const SnmpReply& r) {
                            outcome = AsyncOutcome{reason, r};
                        },
                        {}),
              status::Success);
    std::this_thread::sleep_for(milliseconds(50));
    EXPECT_FALSE(outcome) << "a reply was handled outside a pump step";
    PumpUntil(outcome, milliseconds(3000));
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reason, status::AsyncResponse);
    EXPECT_EQ(outcome->reply.status, 0);
    ASSERT_EQ(outcome->reply.vbs.size(), 1u);
    EXPECT_EQ(outcome->reply.vbs[0].oid, kSysDescr0);
}

INSTANTIATE_TEST_SUITE_P(Levels, SnmpAdapterSecurity,
                         testing::Values(SecurityCase{"v1", 0, "", 1}, SecurityCase{"v2c", 1, "", 1},
                                         SecurityCase{"v3noAuthNoPriv", 3, "noauthuser", 1},
                                         SecurityCase{"v3authNoPriv", 3, "authuser", 2},
                                         SecurityCase{"v3authPriv", 3, "privuser", 3}),
                         NameOf<SecurityCase>);

TEST_F(SnmpAdapter, BlockingCallNeverRunsAnAsynchronousHandler) {
    std::optional<AsyncOutcome> outcome;
    ASSERT_EQ(SendAsync(agent_->target(1), PduKind::Get, {Ask(kSysDescr0)},
                        [&](int reason, const SnmpReply& r) {
                            outcome = AsyncOutcome{reason, r};
                        },
                        {}),
              status::Success);
    std::this_thread::sleep_for(milliseconds(20)); // the async reply is waiting on its socket
    const SnmpReply blocking = SendBlocking(agent_->target(1), PduKind::Get, {Ask(kSysDescr0)});
    EXPECT_EQ(blocking.status, status::Success);
    EXPECT_FALSE(outcome);
    ProcessPendingEvents();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reason, status::AsyncResponse);
}

TEST_F(SnmpAdapter, HandlerOfAGoneOwnerIsNeverCalled) {
    auto owner = std::make_shared<int>(0);
    bool called = false;
    ASSERT_EQ(SendAsync(
                  agent_->target(1), PduKind::Get, {Ask(kSysDescr0)},
                  [&](int, const SnmpReply&) { called = true; }, owner),
              status::Success);
    owner.reset();
    const auto end = steady_clock::now() + milliseconds(500);
    while (HasOutstandingRequests() && steady_clock::now() < end) {
        ProcessPendingEvents();
    }
    EXPECT_FALSE(HasOutstandingRequests());
    EXPECT_FALSE(called);
}

TEST_F(SnmpAdapter, HandlerExceptionComesOutOfThePumpNotThroughTheLibrary) {
    ASSERT_EQ(SendAsync(agent_->target(1), PduKind::Get, {Ask(kSysDescr0)},
                        [](int, const SnmpReply&) { throw std::runtime_error("completion failed"); }, {}),
              status::Success);
    bool caught = false;
    const auto end = steady_clock::now() + milliseconds(3000);
    while (!caught && steady_clock::now() < end) {
        try {
            ProcessPendingEvents();
        } catch (const std::runtime_error& e) {
            caught = std::string(e.what()) == "completion failed";
        }
    }
    EXPECT_TRUE(caught);
    EXPECT_FALSE(HasOutstandingRequests());
    std::optional<AsyncOutcome> next = RoundTrip(agent_->target(1), PduKind::Get, {Ask(kSysDescr0)});
    EXPECT_TRUE(next); // the pump goes on working
}

TEST_F(SnmpAdapter, EndOfViewInV1IsNoSuchNameWithTheNameEchoed) {
    const OidVector last{1, 3, 6, 1, 6, 3, 255};
    const SnmpReply r = SendBlocking(agent_->target(0), PduKind::GetNext, {Ask(last)});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.errorIndex, 1);
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].oid, last);
}

TEST_F(SnmpAdapter, EndOfViewInV2cIsTheExceptionValue) {
    const OidVector last{1, 3, 6, 1, 6, 3, 255};
    const auto outcome = RoundTrip(agent_->target(1), PduKind::GetNext, {Ask(last)});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reply.status, 0);
    ASSERT_EQ(outcome->reply.vbs.size(), 1u);
    EXPECT_EQ(outcome->reply.vbs[0].value.type, SnmpType::EndOfMibView);
    EXPECT_EQ(outcome->reply.vbs[0].oid, last);
}

struct SetCase : NamedCase {
    int version;
    OidVector oid;
    SnmpValue value;
    int status;
};

void PrintTo(const SetCase& c, std::ostream* os) {
    *os << c.name;
}

class SnmpAdapterSet : public SnmpAdapter, public testing::WithParamInterface<SetCase> {};

TEST_P(SnmpAdapterSet, BlockingAndAsyncSetReportTheAgentStatus) {
    const auto& c = GetParam();
    const SnmpVarBind vb{c.oid, c.value};
    const SnmpReply blocking = SendBlocking(agent_->target(c.version), PduKind::Set, {vb});
    EXPECT_EQ(blocking.status, c.status);
    const auto outcome = RoundTrip(agent_->target(c.version), PduKind::Set, {vb});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reason, status::AsyncResponse);
    EXPECT_EQ(outcome->reply.status, c.status);
    if (c.status != 0) {
        EXPECT_EQ(outcome->reply.errorIndex, 1);
    }
}

const std::vector<std::uint8_t> kHello{'h', 'e', 'l', 'l', 'o'};

INSTANTIATE_TEST_SUITE_P(Agent, SnmpAdapterSet,
                         testing::Values(SetCase{"Accepted", 1, kSysContact0,
                                                 SnmpValue::fromBytes(SnmpType::OctetString, kHello), 0},
                                         SetCase{"WrongTypeV2c", 1, kSysContact0, SnmpValue::fromInt(5), 7},
                                         SetCase{"WrongTypeV1", 0, kSysContact0, SnmpValue::fromInt(5), 3},
                                         SetCase{"NotWritable", 1, kSysDescr0,
                                                 SnmpValue::fromBytes(SnmpType::OctetString, kHello), 17}),
                         NameOf<SetCase>);

TEST_F(SnmpAdapter, SetUsesTheWriteCommunity) {
    SnmpTarget t = agent_->target(1);
    t.writeCommunity = "public"; // read-only community: the agent refuses the write
    const SnmpVarBind vb{kSysContact0, SnmpValue::fromBytes(SnmpType::OctetString, kHello)};
    const SnmpReply r = SendBlocking(t, PduKind::Set, {vb});
    EXPECT_EQ(r.status, 6); // noAccess
}

struct FailureCase : NamedCase {
    std::string user;
    std::string authPass;
    int status;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class SnmpAdapterUsm : public SnmpAdapter, public testing::WithParamInterface<FailureCase> {};

TEST_P(SnmpAdapterUsm, ReportsBecomeUsmStatuses) {
    const auto& c = GetParam();
    SnmpTarget t = agent_->v3Target("authuser", 2);
    t.securityName = c.user;
    t.authPassPhrase = c.authPass;
    const SnmpReply blocking = SendBlocking(t, PduKind::Get, {Ask(kSysDescr0)});
    EXPECT_EQ(blocking.status, c.status);
    ASSERT_EQ(blocking.vbs.size(), 1u);
    EXPECT_FALSE(blocking.vbs[0].value.hasValue());
    const auto outcome = RoundTrip(t, PduKind::Get, {Ask(kSysDescr0)});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reason, c.status);
    EXPECT_EQ(outcome->reply.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Reports, SnmpAdapterUsm,
                         testing::Values(FailureCase{"WrongPassPhrase", "authuser", "wrongpass123",
                                                     status::UsmAuthenticationFailure},
                                         FailureCase{"UnknownUser", "nosuchuser", "authpass123",
                                                     status::UsmUnknownSecurityName}),
                         NameOf<FailureCase>);

TEST_F(SnmpAdapter, WrongCommunityTimesOut) {
    SnmpTarget t = agent_->target(1);
    t.readCommunity = "wrong";
    t.timeout = 10;
    t.retries = 0;
    const auto outcome = RoundTrip(t, PduKind::Get, {Ask(kSysDescr0)});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reason, status::Timeout);
    ASSERT_EQ(outcome->reply.vbs.size(), 1u);
    EXPECT_EQ(outcome->reply.vbs[0].oid, kSysDescr0);
    EXPECT_FALSE(outcome->reply.vbs[0].value.hasValue());
}

TEST_F(SnmpAdapter, OneSecondAndOneRetryGivesUpAfterAboutTwoSeconds) {
    SilentPort silent;
    SnmpTarget t = agent_->target(0);
    t.port = silent.port();
    t.timeout = 100;
    t.retries = 1;
    const auto start = steady_clock::now();
    const SnmpReply r = SendBlocking(t, PduKind::Get, {Ask(kSysDescr0)});
    const auto took = std::chrono::duration_cast<milliseconds>(steady_clock::now() - start).count();
    EXPECT_EQ(r.status, status::Timeout);
    EXPECT_GE(took, 1900);
    EXPECT_EQ(silent.Take(), 2) << "the first try and one retry, then no more";
    ASSERT_EQ(r.vbs.size(), 1u);
    EXPECT_EQ(r.vbs[0].oid, kSysDescr0);
}

struct CheckCase : NamedCase {
    PduKind kind;
    void (*change)(SnmpTarget&);
    int status;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class SnmpAdapterCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(SnmpAdapterCheck, RefusesSettingsTheLibraryCannotHonour) {
    const auto& c = GetParam();
    SnmpTarget t;
    t.host = "127.0.0.1";
    t.port = 9; // never reached: the check refuses first
    t.readCommunity = "public";
    t.writeCommunity = "private";
    c.change(t);
    EXPECT_EQ(CheckTarget(t, c.kind), c.status);
    if (c.status != 0) {
        const SnmpReply r = SendBlocking(t, c.kind, {Ask(kSysDescr0)});
        EXPECT_EQ(r.status, c.status);
        int called = 0;
        EXPECT_EQ(SendAsync(t, c.kind, {Ask(kSysDescr0)}, [&](int, const SnmpReply&) { ++called; }, {}),
                  c.status);
        ProcessPendingEvents();
        EXPECT_EQ(called, 0);
    }
}

void Keep(SnmpTarget&) {}
void NoReadCommunity(SnmpTarget& t) {
    t.readCommunity.clear();
}
void NoWriteCommunity(SnmpTarget& t) {
    t.writeCommunity.clear();
}
void Version2(SnmpTarget& t) {
    t.version = 2;
}
void V3(SnmpTarget& t) {
    t.version = 3;
    t.securityModel = 3;
    t.securityName = "u";
    t.securityLevel = 3;
    t.authProtocol = 2;
    t.privProtocol = 2;
    t.authPassPhrase = "12345678";
    t.privPassPhrase = "12345678";
}
void V3CommunityModel(SnmpTarget& t) {
    V3(t);
    t.securityModel = 1;
}
void V3LevelZero(SnmpTarget& t) {
    V3(t);
    t.securityLevel = 0;
}
void V3AuthFour(SnmpTarget& t) {
    V3(t);
    t.authProtocol = 4;
}
void V3AuthLevelNoAuth(SnmpTarget& t) {
    V3(t);
    t.securityLevel = 2;
    t.authProtocol = 1;
}
void V3PrivIdea(SnmpTarget& t) {
    V3(t);
    t.privProtocol = 9;
}
void V3PrivLevelNoPriv(SnmpTarget& t) {
    V3(t);
    t.privProtocol = 1;
}
void V3ShortAuth(SnmpTarget& t) {
    V3(t);
    t.authPassPhrase = "1234567";
}
void V3ShortPriv(SnmpTarget& t) {
    V3(t);
    t.privPassPhrase = "short";
}
void V3NoAuthNoPhrases(SnmpTarget& t) {
    V3(t);
    t.securityLevel = 1;
    t.authPassPhrase.clear();
    t.privPassPhrase.clear();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnmpAdapterCheck,
    testing::Values(
        CheckCase{"V1Fine", PduKind::Get, Keep, 0}, CheckCase{"V3Fine", PduKind::Get, V3, 0},
        CheckCase{"EmptyReadCommunity", PduKind::GetNext, NoReadCommunity, status::InvalidTarget},
        CheckCase{"EmptyWriteCommunity", PduKind::Set, NoWriteCommunity, status::InvalidTarget},
        CheckCase{"WriteCommunityNotNeededForReads", PduKind::Get, NoWriteCommunity, 0},
        CheckCase{"Version2", PduKind::Get, Version2, status::InvalidTarget},
        CheckCase{"V3WithCommunityModel", PduKind::Get, V3CommunityModel, status::MpUnsupportedSecurityModel},
        CheckCase{"LevelZero", PduKind::Get, V3LevelZero, status::UsmUnsupportedSecurityLevel},
        CheckCase{"AuthProtocolFour", PduKind::Get, V3AuthFour, status::UsmUnsupportedAuthProtocol},
        CheckCase{"AuthLevelWithoutAuthProtocol", PduKind::Get, V3AuthLevelNoAuth,
                  status::UsmUnsupportedAuthProtocol},
        CheckCase{"PrivProtocolIdea", PduKind::Get, V3PrivIdea, status::UsmUnsupportedPrivProtocol},
        CheckCase{"PrivLevelWithoutPrivProtocol", PduKind::Get, V3PrivLevelNoPriv,
                  status::UsmUnsupportedPrivProtocol},
        CheckCase{"ShortAuthPassPhrase", PduKind::Get, V3ShortAuth, status::UsmPassphraseTooShort},
        CheckCase{"ShortPrivPassPhrase", PduKind::Set, V3ShortPriv, status::UsmPassphraseTooShort},
        CheckCase{"NoAuthIgnoresPassPhrases", PduKind::Get, V3NoAuthNoPhrases, 0}),
    NameOf<CheckCase>);

TEST_F(SnmpAdapter, AsyncSessionsExposeTheirSockets) {
    int changed = 0;
    SetSocketsChangedHook([&] { ++changed; });
    SnmpTarget t = agent_->target(1);
    t.retries = 3; // a target no other test uses, so its sessions are new
    ASSERT_EQ(OpenSessions(t), status::Success);
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(OpenSessions(t), status::Success);
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(AsyncSocketDescriptors().empty());
    SetSocketsChangedHook({});
}

// SNMPv3 against an agent that never answers: one discovery per target, as long as one exchange
// with its retries; an asynchronous send then fails at once with the discovery's failure instead
// of stalling in a discovery of its own, and a blocking read sends no more than the same read
// under SNMPv2c.
TEST(SnmpV3Discovery, HappensOncePerTargetAndABlockingReadCostsWhatV2cCosts) {
    ASSERT_EQ(StartSnmpLibrary(), status::Success);
    SilentPort silent;
    SnmpTarget v3;
    v3.host = "127.0.0.1";
    v3.port = silent.port();
    v3.version = 3;
    v3.securityModel = 3;
    v3.securityLevel = 1;
    v3.securityName = "nobody";
    v3.timeout = 10;
    v3.retries = 1;
    EXPECT_EQ(OpenSessions(v3), status::Timeout);
    EXPECT_EQ(silent.Take(), 2) << "one discovery: the first try and one retry";
    int handled = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(
            SendAsync(v3, PduKind::Get, {Ask(kSysDescr0)}, [&](int, const SnmpReply&) { ++handled; }, {}),
            status::Timeout);
    }
    EXPECT_EQ(silent.Take(), 0) << "asynchronous sends never discover again";
    EXPECT_EQ(SendBlocking(v3, PduKind::Get, {Ask(kSysDescr0)}).status, status::Timeout);
    const int v3Read = silent.Take();
    SnmpTarget v2c = v3;
    v2c.version = 1;
    v2c.readCommunity = "public";
    EXPECT_EQ(SendBlocking(v2c, PduKind::Get, {Ask(kSysDescr0)}).status, status::Timeout);
    EXPECT_EQ(v3Read, silent.Take());
    ProcessPendingEvents();
    EXPECT_EQ(handled, 0);
}

// A first asynchronous send to a new SNMPv3 target discovers its engine once; the sends after it
// go straight out and are answered.
TEST_F(SnmpAdapter, FirstAsyncSendDiscoversTheEngineForBothSessions) {
    SnmpTarget t = agent_->v3Target("privuser", 3);
    t.retries = 2; // a target no other test uses, so its sessions are new
    for (int i = 0; i < 2; ++i) {
        const auto outcome = RoundTrip(t, PduKind::Get, {Ask(kSysDescr0)});
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->reply.status, status::Success);
    }
    EXPECT_EQ(SendBlocking(t, PduKind::Get, {Ask(kSysDescr0)}).status, status::Success);
}

// The library's error numbers (SNMPERR_...) as the contract with the status mapping names them.
TEST(SnmpLibraryErrors, TranslateToTheFrameworksStatusNumbers) {
    const std::pair<int, int> cases[] = {
        {0, 0},      {-24, -5},    {-33, 1404},  {-43, 1404},  {-35, 1408},  {-46, 1408}, {-34, 1403},
        {-28, 1403}, {-36, 1411},  {-32, 1410},  {-37, 1406},  {-41, -1400}, {-42, 1401}, {-45, 1405},
        {-47, 1409}, {-30, -1402}, {-31, -1405}, {-26, -1406}, {-27, -1412}, {-12, -22},  {-6, -22},
        {-3, -18},   {-7, -16},    {-18, -12},   {-62, -2},    {-64, -1},    {-999, -1},
    };
    for (const auto& [libraryError, expected] : cases) {
        EXPECT_EQ(detail::StatusFromLibraryError(libraryError), expected) << libraryError;
    }
}

TEST(SnmpAddress, LiteralsAndResolvableNamesAreUsable) {
    EXPECT_TRUE(IsUsableHost("127.0.0.1"));
    EXPECT_TRUE(IsUsableHost("::1"));
    EXPECT_TRUE(IsUsableHost("localhost"));
    EXPECT_FALSE(IsUsableHost(""));
    EXPECT_FALSE(IsUsableHost("no-such-host.invalid"));
}

} // namespace
} // namespace qs
