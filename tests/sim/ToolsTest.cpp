// Net-SNMP's own tools against krs-sim: reads, walks and writes over v1 and v2c, the
// standard errors, and RowStatus rows of the static VLAN table.
#include "SimProcess.h"
#include "SnmpTools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using krssim::test::snmp;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kSysName = ".1.3.6.1.2.1.1.5.0";
const std::string kVlanStatic = ".1.3.6.1.2.1.17.7.1.4.3.1";

class ToolsTest : public krssim::test::SharedSimTest<> {
protected:
    static void SetUpTestSuite() { startSim(); }
};

TEST_F(ToolsTest, GetsWithEitherCommunityAndVersion) {
    for (const auto& target : {v1("lumpet"), v2("lumpet"), v1("grindel"), v2("grindel")}) {
        EXPECT_THAT(snmp("snmpget", target + " .1.3.6.1.2.1.2.1.0 .1.3.6.1.2.1.2.2.1.2.25"),
                    AllOf(HasSubstr(".1.3.6.1.2.1.2.1.0 = INTEGER: 28"),
                          HasSubstr(".1.3.6.1.2.1.2.2.1.2.25 = STRING: \"Port 25 (combo)\"")))
            << target;
    }
}

TEST_F(ToolsTest, WrongCommunityGetsNoAnswer) {
    EXPECT_THAT(snmp("snmpget", "-t 0.3 " + v2("public") + " " + kSysName), HasSubstr("Timeout"));
    EXPECT_THAT(snmp("snmpget", "-t 0.3 " + v1("lumpetx") + " " + kSysName), HasSubstr("Timeout"));
}

TEST_F(ToolsTest, WalksTheIfXTableInBothVersions) {
    // v1 cannot carry Counter64: its walk skips the HC columns; v2c serves them above 2^32.
    std::string hc = ".1.3.6.1.2.1.31.1.1.1.6";
    EXPECT_THAT(snmp("snmpwalk", v2("lumpet") + " " + hc), HasSubstr(hc + ".1 = Counter64: 7098765413"));
    EXPECT_THAT(snmp("snmpwalk", v1("lumpet") + " " + hc), Not(HasSubstr("Counter64")));
    std::string ifx = snmp("snmpwalk", v2("lumpet") + " .1.3.6.1.2.1.31.1.1.1");
    EXPECT_EQ(std::count(ifx.begin(), ifx.end(), '\n'), 19 * 28);
}

TEST_F(ToolsTest, ServesTheFrontPanelStatusObject) {
    std::string out = snmp("snmpget", v1("lumpet") + " .1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2.1");
    EXPECT_THAT(out, HasSubstr("Hex-STRING: 00 01 00 02"));
}

TEST_F(ToolsTest, SetWritesWithTheWriteCommunityOnly) {
    EXPECT_THAT(snmp("snmpset", v2("lumpet") + " " + kSysName + " s other"), HasSubstr("noAccess"));
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + kSysName + " s edge-sw-7"),
                HasSubstr(kSysName + " = STRING: \"edge-sw-7\""));
    EXPECT_THAT(snmp("snmpget", v1("lumpet") + " " + kSysName), HasSubstr("STRING: \"edge-sw-7\""));
}

TEST_F(ToolsTest, CreatesAndDestroysAStaticVlanRow) {
    std::string row = ".100";
    std::string create = kVlanStatic + ".1" + row + " s lab " + kVlanStatic + ".2" + row + " x 80000000 " +
                         kVlanStatic + ".5" + row + " i 4";
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + create), Not(HasSubstr("Error")));
    std::string walk = snmp("snmpwalk", v2("lumpet") + " " + kVlanStatic);
    EXPECT_THAT(walk, HasSubstr(kVlanStatic + ".1.100 = STRING: \"lab\""));
    EXPECT_THAT(walk, HasSubstr(kVlanStatic + ".4.100 = Hex-STRING: 00 00 00 00"));
    EXPECT_THAT(walk, HasSubstr(kVlanStatic + ".5.100 = INTEGER: 1"));
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + kVlanStatic + ".5" + row + " i 4"),
                HasSubstr("inconsistentValue"));
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + kVlanStatic + ".5" + row + " i 6"),
                Not(HasSubstr("Error")));
    EXPECT_THAT(snmp("snmpwalk", v2("lumpet") + " " + kVlanStatic), Not(HasSubstr(".100 =")));
}

struct SetErrorCase {
    const char* name;
    std::string varbinds;
    std::string v2Reason;
    std::string v1Reason;
};

class SetErrorTest : public ToolsTest, public testing::WithParamInterface<SetErrorCase> {};

TEST_P(SetErrorTest, AnswersTheStandardErrorAndChangesNothing) {
    const auto& c = GetParam();
    auto state = [] {
        std::string text;
        for (const auto& subtree :
             {std::string(".1.3.6.1.2.1.1.5"), std::string(".1.3.6.1.2.1.2.2.1.7"), kVlanStatic}) {
            text += snmp("snmpwalk", v2("lumpet") + " " + subtree);
        }
        return text;
    };
    std::string before = state();
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + c.varbinds), HasSubstr(c.v2Reason));
    EXPECT_THAT(snmp("snmpset", v1("grindel") + " " + c.varbinds), HasSubstr(c.v1Reason));
    EXPECT_EQ(before, state());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SetErrorTest,
    testing::Values(
        SetErrorCase{"ReadOnly", ".1.3.6.1.2.1.1.1.0 s x", "notWritable", "noSuchName"},
        SetErrorCase{"WrongType", kSysName + " i 5", "wrongType", "badValue"},
        SetErrorCase{"Unknown", ".1.3.6.1.2.1.1.99.0 i 5", "noCreation", "noSuchName"},
        SetErrorCase{"OutsideEnum", ".1.3.6.1.2.1.2.2.1.7.3 i 7", "wrongValue", "badValue"},
        SetErrorCase{"SecondOfTwoBad", kSysName + " s changed .1.3.6.1.2.1.2.2.1.7.3 i 9", "wrongValue",
                     "badValue"},
        SetErrorCase{"TooLong", kVlanStatic + ".1.1 s " + std::string(33, 'n'), "wrongLength", "badValue"},
        SetErrorCase{"CreateExistingRow", kVlanStatic + ".5.1 i 4", "inconsistentValue", "badValue"},
        SetErrorCase{"ActivateMissingRow", kVlanStatic + ".5.77 i 1", "inconsistentValue", "badValue"},
        SetErrorCase{"NotReadyIsNoSetValue", kVlanStatic + ".5.1 i 3", "wrongValue", "badValue"},
        SetErrorCase{"ColumnOfMissingRow", kVlanStatic + ".1.77 s nope", "noCreation", "noSuchName"}),
    [](const testing::TestParamInfo<SetErrorCase>& c) { return std::string(c.param.name); });

} // namespace
