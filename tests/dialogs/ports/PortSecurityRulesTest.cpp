// The port-security deletion's port numbering, its unit and port check against the unit table,
// and the MAC text it accepts.
#include "PortSecurityRules.h"

#include <gtest/gtest.h>

namespace {

using qs::UnitPort;
using qs::UnitPortVerdict;

TEST(PortSecurityRulesTest, SplitsAndCombinesPortNumbers) {
    struct Case {
        int number;
        UnitPort unitPort;
    };
    const Case cases[] = {{1, {1, 1}},  {28, {1, 28}}, {64, {1, 64}},
                          {65, {2, 1}}, {130, {3, 2}}, {768, {12, 64}}};
    for (const Case& c : cases) {
        EXPECT_EQ(qs::SplitPortNumber(c.number), c.unitPort) << c.number;
        EXPECT_EQ(qs::CombinePortNumber(c.unitPort), c.number) << c.number;
    }
    EXPECT_EQ(qs::SplitPortNumber(0), (UnitPort{0, 0}));
}

TEST(PortSecurityRulesTest, CountsThePortsOfTheUnitsInTheTable) {
    const std::vector<qs::UnitInfo> units = {{1, 28, "KRS-5400-28"}, {3, 10, "KRS-5400-10"}};
    EXPECT_EQ(qs::UnitPortCount(units, 1), 28);
    EXPECT_EQ(qs::UnitPortCount(units, 3), 10);
    for (const int unit : {0, -1, 2, 12, 64, 65}) {
        EXPECT_EQ(qs::UnitPortCount(units, unit), -1) << unit;
    }
    EXPECT_EQ(qs::UnitPortCount({}, 1), -1);
}

TEST(PortSecurityRulesTest, ChecksTheUnitAndThePortInOrder) {
    const std::vector<qs::UnitInfo> units = {{1, 28, "KRS-5400-28"}};
    struct Case {
        int unit;
        int port;
        UnitPortVerdict verdict;
    };
    const Case cases[] = {
        {1, 1, UnitPortVerdict::Accepted},    {1, 28, UnitPortVerdict::Accepted},
        {1, 29, UnitPortVerdict::PortReset},  {1, 0, UnitPortVerdict::PortFocus},
        {1, -1, UnitPortVerdict::PortFocus},  {0, 5, UnitPortVerdict::UnitFocus},
        {-1, 99, UnitPortVerdict::UnitFocus}, {13, 5, UnitPortVerdict::UnitReset},
        {13, 0, UnitPortVerdict::UnitReset},  {2, 50, UnitPortVerdict::Accepted}, // no record: 50 ports
        {2, 51, UnitPortVerdict::PortReset},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::CheckUnitPort(units, c.unit, c.port), c.verdict) << c.unit << "/" << c.port;
    }
}

} // namespace
