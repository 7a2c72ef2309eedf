// SNMPv3 users at each security level, with Net-SNMP's snmpget and snmpset.
#include "SimProcess.h"
#include "SnmpTools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using krssim::test::snmp;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kAlice = "-u alice -a MD5 -A alicepass1 -x DES -X aliceprivpass ";
const std::string kName = ".1.3.6.1.2.1.1.5.0 = STRING: \"core-sw-1\"";

struct UsmCase {
    const char* name;
    std::string credentials;
    std::string expected;
};

class UsmTest : public krssim::test::SharedSimTest<testing::TestWithParam<UsmCase>> {
protected:
    static void SetUpTestSuite() {
        startSim({{},
                  {"--user", "alice:MD5:alicepass1:DES:aliceprivpass", "--user", "bob:SHA:bobpass123",
                   "--user", "carol"}});
    }
};

TEST_P(UsmTest, AnswersAsTheUserAndLevelAllow) {
    const auto& c = GetParam();
    std::string out = snmp("snmpget", "-v3 " + c.credentials + " " + sim().address() + " .1.3.6.1.2.1.1.5.0");
    EXPECT_THAT(out, HasSubstr(c.expected));
    if (c.expected != kName) {
        EXPECT_THAT(out, Not(HasSubstr("core-sw-1")))
            << "a refused request must get no answer besides the report";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, UsmTest,
    testing::Values(
        UsmCase{"AuthPrivMd5Des", kAlice + "-l authPriv", kName},
        UsmCase{"AuthNoPrivOfAPrivUser", kAlice + "-l authNoPriv", kName},
        UsmCase{"AuthNoPrivSha", "-u bob -l authNoPriv -a SHA -A bobpass123", kName},
        UsmCase{"NoAuthNoPriv", "-u carol -l noAuthNoPriv", kName},
        UsmCase{"WrongAuthPass", "-u alice -l authPriv -a MD5 -A wrongpass1 -x DES -X aliceprivpass",
                "Authentication failure"},
        UsmCase{"WrongAuthProtocol", "-u bob -l authNoPriv -a MD5 -A bobpass123", "Authentication failure"},
        UsmCase{"UnknownUser", "-u mallory -l noAuthNoPriv", "Unknown user name"},
        UsmCase{"LevelAboveTheUsers", "-u bob -l authPriv -a SHA -A bobpass123 -x DES -X bobpriv123",
                "Unsupported security level"}),
    [](const testing::TestParamInfo<UsmCase>& c) { return std::string(c.param.name); });

TEST(UsmWriteTest, SetsWithAnAuthPrivUser) {
    qs::test::SimProcess sim({{}, {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    EXPECT_THAT(
        snmp("snmpset", "-v3 " + kAlice + "-l authPriv " + sim.address() + " .1.3.6.1.2.1.1.5.0 s v3-sw"),
        HasSubstr("STRING: \"v3-sw\""));
    auto journal = sim.journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back().user, "alice");
    EXPECT_EQ(journal.back().level, "authPriv");
    EXPECT_EQ(journal.back().pdu, "set");
}

} // namespace
