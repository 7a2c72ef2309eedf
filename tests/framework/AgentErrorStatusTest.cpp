// Error statuses an agent puts in its response, whatever their number: 1 to 18 are reported as
// themselves; any other number reads "Unknown error code!", never as a failure of the manager's
// own (a time-out, a security error), for blocking and asynchronous reads and writes, over the
// network and through the adapter's stand-in.
#include "RequestTestSupport.h"
#include "SnmpErrors.h"
#include "SnmpStandIn.h"

#include <gtest/gtest.h>

#include <limits>

namespace qs::test {
namespace {

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.99999.3.1", "A", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

struct StatusCase {
    long status;
    int code;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << "error status " << c.status;
}

// -5 and -1406 are the manager's own time-out and unknown-engine numbers, 1408 and 1410 its
// security errors: from an agent they are only unknown numbers.
const StatusCase kCases[] = {
    {2, -102},
    {18, -118},
    {19, err::UnknownStatus},
    {-5, err::UnknownStatus},
    {-1, err::UnknownStatus},
    {1408, err::UnknownStatus},
    {1410, err::UnknownStatus},
    {-1406, err::UnknownStatus},
    {300, err::UnknownStatus},
};

// Over the network: the fake agent answers every request with the case's error status.
class AgentErrorStatus : public testing::TestWithParam<StatusCase> {
protected:
    void SetUp() override { StartSessionOnce(); }
};

TEST_P(AgentErrorStatus, BlockingReadAndWriteReportTheStatusAsItIs) {
    const int status = static_cast<int>(GetParam().status);
    FakeAgent agent([status](const FakeRequest& r) {
        FakeResponse response;
        response.errorStatus = status;
        response.errorIndex = 1;
        response.vbs = r.vbs;
        return response;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    request.List = QsSNMPVarList(kScalars, SVT_SV, 0);
    request.List.GetVar(0)->Value = "1";
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.LastError.code, GetParam().code);
    EXPECT_EQ(request.LastError.message, FrameworkErrorText(GetParam().code));
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.code, GetParam().code);
    EXPECT_EQ(agent.requests(), 2) << "each request is sent once, no engine discovery or retry";
}

TEST_P(AgentErrorStatus, AsynchronousReadReportsTheStatusAsItIs) {
    const int status = static_cast<int>(GetParam().status);
    FakeAgent agent([status](const FakeRequest& r) {
        FakeResponse response;
        response.errorStatus = status;
        response.vbs = r.vbs;
        return response;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1);
    request.List = QsSNMPVarList(kScalars, SVT_SV, 0);
    const AsyncWalk walk = WalkAsync(request, 1);
    ASSERT_TRUE(walk.finished);
    EXPECT_EQ(walk.last.code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Statuses, AgentErrorStatus, testing::ValuesIn(kCases));

// The stand-in answers as the wire carries them, also numbers no int holds.
class ScriptedAnswer : public SnmpStandIn {
public:
    SnmpResponse response;
    int sends = 0;
    SnmpResponse Answer(const SnmpTarget&, PduKind, const std::vector<SnmpVarBind>& asked) override {
        ++sends;
        SnmpResponse r = response;
        r.vbs = asked;
        return r;
    }
};

TEST(ReplyOfResponse, KeepsDefinedStatusesAndIndexesOnly) {
    const std::vector<SnmpVarBind> two(2);
    struct Case {
        long status;
        long index;
        int wantStatus;
        int wantIndex;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {5, 2, 5, 2},
        {18, 3, 18, 0},
        {19, -1, status::UnknownAgentError, 0},
        {4294967296L, 4294967297L, status::UnknownAgentError, 0},
        {std::numeric_limits<long>::min(), 1, status::UnknownAgentError, 1},
        {-5, 1, status::UnknownAgentError, 1},
    };
    for (const Case& c : cases) {
        const SnmpReply reply = ReplyOfResponse(c.status, c.index, two);
        EXPECT_EQ(reply.status, c.wantStatus) << c.status;
        EXPECT_EQ(reply.errorIndex, c.wantIndex) << c.index;
        EXPECT_EQ(reply.vbs, two);
    }
}

TEST(SnmpStandIn, AnswersBlockingAndAsynchronousSendsInPlaceOfTheNetwork) {
    ScriptedAnswer answer;
    answer.response.errorStatus = 4294967296L; // 0 when cut to 32 bits: success
    SetSnmpStandIn(&answer);
    QsSNMPRequest request;
    request.Device = QsSNMPDevice{"127.0.0.1", 9}; // nothing listens: only the stand-in answers
    request.Security.readCommunity = "public";
    request.Security.writeCommunity = "private";
    request.List = QsSNMPVarList(kScalars, SVT_SV, 0);
    bool ok = true;
    request.GetSync(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request.LastError.code, err::UnknownStatus);

    QsSNMPError seen;
    request.GetAsync(
        ok, [](void* out, QsSNMPError* e, QsSNMPVarList*) { *static_cast<QsSNMPError*>(out) = *e; }, &seen,
        true);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(HasOutstandingRequests());
    ProcessPendingEvents();
    EXPECT_FALSE(HasOutstandingRequests());
    EXPECT_EQ(seen.code, err::UnknownStatus);
    EXPECT_EQ(answer.sends, 2);
    SetSnmpStandIn(nullptr);
}

} // namespace
} // namespace qs::test
