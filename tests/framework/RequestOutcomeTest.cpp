// Every read ends in one visible and true outcome: a send the library refuses, an agent that
// stays silent under SNMPv3, a GET-NEXT answer that does not increase, a reply whose bindings
// do not answer the request and an object the device lacks each show their error in the status
// line, never "Ok!" and never nothing.

#include "DriverTestSupport.h"
#include "FakeAgent.h"
#include "SimProcess.h"

#include <QElapsedTimer>

#include <functional>

namespace qs::test {
namespace {

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.2.1.1.5", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.1.6", "Location", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};
const QsSNMPVarDesc kMissing[] = {
    {"1.3.6.1.2.1.1.5", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.99.1", "Missing", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};
const QsSNMPVarDesc kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const char* const kUser = "alice:MD5:alicepass1:DES:aliceprivpass";

void V1(QsSNMPRequest&) {}
void V2c(QsSNMPRequest& r) {
    r.Security.version = 1;
}
void V3(QsSNMPRequest& r) {
    r.Security.version = 3;
    r.Security.securityModel = 3;
    r.Security.securityLevel = 3;
    r.Security.securityName = "alice";
    r.Security.authProtocol = 2;
    r.Security.privProtocol = 2;
    r.Security.authPassPhrase = "alicepass1";
    r.Security.privPassPhrase = "aliceprivpass";
}
void V3ShortAuth(QsSNMPRequest& r) {
    V3(r);
    r.Security.authPassPhrase = "alice12";
}
void V3CommunityModel(QsSNMPRequest& r) {
    V3(r);
    r.Security.securityModel = 1;
}
void V3AuthProtocolNine(QsSNMPRequest& r) {
    V3(r);
    r.Security.authProtocol = 9;
}

struct SimCase {
    const char* name;
    std::vector<std::string> simArgs;
    void (*aim)(QsSNMPRequest&);
    const QsSNMPVarDesc* vars;
    std::uint8_t itemType;
    const char* status;
};

void PrintTo(const SimCase& c, std::ostream* os) {
    *os << c.name;
}

class SimOutcome : public DriverTest, public testing::WithParamInterface<SimCase> {};

// The driver of the page or panel in asynchronous mode, against its own krs-sim.
TEST_P(SimOutcome, ShowsTheFailureInTheStatusLine) {
    const SimCase& c = GetParam();
    SimOptions options;
    options.args = c.simArgs;
    SimProcess agent(options);
    ASSERT_TRUE(agent.start()) << agent.lastError();
    LoggingDriver driver(form);
    driver.Request.Device = QsSNMPDevice{"127.0.0.1", agent.port()};
    driver.Request.Security.readCommunity = "lumpet";
    driver.Request.Security.writeCommunity = "grindel";
    driver.Request.Timeout = 30;
    c.aim(driver.Request);
    driver.Request.List = QsSNMPVarList(c.vars, c.itemType, c.itemType == MVT_FMV ? 1 : 0);
    driver.Request.List.Name = "Outcome";
    driver.SetStatusBar(status);
    driver.Mode = RM_ASYNC;
    driver.Refresh();
    WaitIdle(driver);
    EXPECT_FALSE(driver.Busy);
    EXPECT_EQ(status->SimpleText().toStdString(),
              std::string("Get: ") + c.status + " Request:Outcome. Receive at 14:03:07.");
    EXPECT_TRUE(messages.boxes.isEmpty());
}

const std::vector<std::string> kV3Agent{"--user", kUser};
constexpr const char* kNoSuchName = "(SNMP) Variable does not exist!";
constexpr const char* kMismatch = "The agent's reply does not match the request!";

INSTANTIATE_TEST_SUITE_P(
    Cases, SimOutcome,
    testing::Values(
        SimCase{"ShortAuthPassPhrase", kV3Agent, V3ShortAuth, kScalars, SVT_SV,
                "The SNMPv3 pass phrase must have at least 8 characters."},
        SimCase{"V3WithCommunityModel", kV3Agent, V3CommunityModel, kScalars, SVT_SV,
                "(SNMPv3) Unsupported Security Model!"},
        SimCase{"V3ImpossibleAuthProtocol", kV3Agent, V3AuthProtocolNine, kScalars, SVT_SV,
                "(SNMPv3USM) Unsupported AuthProtocol!"},
        SimCase{"V3SilentAgent",
                {"--user", kUser, "--no-answer"},
                V3,
                kScalars,
                SVT_SV,
                "(SNMPClass) SNMP request timed out!"},
        SimCase{
            "V2cSilentAgent", {"--no-answer"}, V2c, kScalars, SVT_SV, "(SNMPClass) SNMP request timed out!"},
        SimCase{"NonIncreasingNext", {"--bad-next", ".1.3.6.1.2.1.2.2.1"}, V2c, kIfTable, MVT_FMV, kMismatch},
        SimCase{
            "NonIncreasingNextV1", {"--bad-next", ".1.3.6.1.2.1.2.2.1"}, V1, kIfTable, MVT_FMV, kMismatch},
        SimCase{"MissingObjectV1", {}, V1, kMissing, SVT_SV, kNoSuchName},
        SimCase{"MissingObjectV2c", {}, V2c, kMissing, SVT_SV, kNoSuchName},
        SimCase{"MissingObjectV3", kV3Agent, V3, kMissing, SVT_SV, kNoSuchName}),
    [](const testing::TestParamInfo<SimCase>& p) { return std::string(p.param.name); });

// Replies a real agent would not give, from the scripted agent.
struct ScriptCase {
    const char* name;
    std::uint8_t itemType;
    void (*change)(const FakeRequest& request, FakeResponse& response);
};

void PrintTo(const ScriptCase& c, std::ostream* os) {
    *os << c.name;
}

void DropLast(const FakeRequest&, FakeResponse& response) {
    response.vbs.pop_back();
}
void AddOne(const FakeRequest&, FakeResponse& response) {
    response.vbs.push_back(response.vbs.back());
}
void RenameFirst(const FakeRequest&, FakeResponse& response) {
    response.vbs[0].oid = OidVector{1, 3, 6, 1, 2, 1, 1, 3, 0};
}
void SwapNames(const FakeRequest&, FakeResponse& response) {
    std::swap(response.vbs[0].oid, response.vbs[1].oid);
}
void Backwards(const FakeRequest& request, FakeResponse& response) {
    response.vbs[1].oid = request.vbs[1].oid;
}

class ScriptedOutcome : public DriverTest, public testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptedOutcome, ReplyThatDoesNotAnswerTheRequestIsAnError) {
    const ScriptCase& c = GetParam();
    FakeAgent agent([&c](const FakeRequest& r) {
        FakeResponse response;
        for (std::size_t i = 0; i < r.vbs.size(); ++i) {
            OidVector oid = r.vbs[i].oid;
            if (r.pduType == 0xA1) {
                oid.push_back(1); // GET-NEXT: the first row after the column
            }
            response.vbs.push_back({oid, SnmpValue::fromInt(static_cast<int>(i) + 1)});
        }
        c.change(r, response);
        return response;
    });
    for (const QsRequestMode mode : {RM_ASYNC, RM_BLOCKING}) {
        LoggingDriver driver(form);
        driver.Request.Device = QsSNMPDevice{"127.0.0.1", agent.port()};
        driver.Request.Security.version = 1;
        driver.Request.Security.readCommunity = "public";
        driver.Request.Timeout = 50;
        driver.Request.List = QsSNMPVarList(c.itemType == MVT_FMV ? kIfTable : kScalars, c.itemType,
                                            c.itemType == MVT_FMV ? 1 : 0);
        driver.Request.List.Name = "Outcome";
        driver.SetStatusBar(status);
        status->SetSimpleText(QString());
        driver.Mode = mode;
        const bool ok = driver.Refresh();
        WaitIdle(driver);
        EXPECT_EQ(driver.RowCount, 0) << "a reply that does not answer delivers no row";
        if (mode == RM_ASYNC) {
            EXPECT_EQ(status->SimpleText().toStdString(),
                      std::string("Get: ") + kMismatch + " Request:Outcome. Receive at 14:03:07.");
        } else {
            EXPECT_FALSE(ok) << "a blocking read reports the failure through its result";
            EXPECT_EQ(driver.Request.LastError.code, -529);
            EXPECT_EQ(driver.Request.LastError.message, kMismatch);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptedOutcome,
                         testing::Values(ScriptCase{"FewerBindings", SVT_SV, DropLast},
                                         ScriptCase{"MoreBindings", SVT_SV, AddOne},
                                         ScriptCase{"OtherName", SVT_SV, RenameFirst},
                                         ScriptCase{"NamesInAnotherOrder", SVT_SV, SwapNames},
                                         ScriptCase{"ShortTableStep", MVT_FMV, DropLast},
                                         ScriptCase{"NextAnswerIsTheAskedName", MVT_FMV, Backwards}),
                         [](const testing::TestParamInfo<ScriptCase>& p) {
                             return std::string(p.param.name);
                         });

// A refused write ends in the box with the library's reason, like a write the agent refused.
TEST_F(DriverTest, RefusedAsyncWriteShowsTheReasonInABox) {
    auto driver = Scalars(RM_ASYNC);
    driver->Request.Security.writeCommunity.clear();
    driver->SetStatusBar(status);
    EXPECT_FALSE(driver->Apply(false, false, "", nullptr));
    EXPECT_FALSE(driver->Busy);
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("(SNMPClass) Invalid Target!"));
}

} // namespace
} // namespace qs::test
