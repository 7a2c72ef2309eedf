#include "LedColorMaps.h"
#include "DeviceMib.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LedCase {
    const char* map;
    std::uint8_t status;
    int color;
    bool blinks;
};

const QsSNMPLedColorMapList& MapNamed(const std::string& name) {
    if (name == "power") {
        return PowerLedColors();
    }
    if (name == "console") {
        return ConsoleLedColors();
    }
    if (name == "alarm") {
        return AlarmLedColors();
    }
    if (name == "rps") {
        return RpsLedColors();
    }
    if (name == "port") {
        return PortLedColors();
    }
    return ComboPortLedColors();
}

void PrintTo(const LedCase& c, std::ostream* os) {
    *os << c.map << " 0x" << std::hex << int(c.status);
}

class LedColour : public testing::TestWithParam<LedCase> {};

// A status byte is masked with the value mask to pick the colour; bits under the blink mask
// make the LED blink.
TEST_P(LedColour, FollowsTheMaskedStatusByte) {
    const LedCase& c = GetParam();
    const QsSNMPLedColorMapList& map = MapNamed(c.map);
    EXPECT_EQ(map.ColorOf(c.status & map.ValueMask), c.color);
    EXPECT_EQ((c.status & map.BlinkMask) != 0, c.blinks);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, LedColour,
    testing::Values(LedCase{"power", 0x09, kLedLime, false}, LedCase{"power", 0x05, kLedBlack, false},
                    LedCase{"power", 0x02, kLedBlack, false}, LedCase{"console", 0x02, kLedLime, false},
                    LedCase{"alarm", 0x02, kLedRed, false}, LedCase{"rps", 0x04, kLedLime, false},
                    LedCase{"rps", 0x01, kLedBlack, false}, LedCase{"port", 0x02, kLedLime, true},
                    LedCase{"port", 0x00, kLedBlack, false}, LedCase{"port", 0x01, kLedAmber, true},
                    LedCase{"port", 0x05, kLedRed, true}, LedCase{"port", 0x06, kLedBlack, true},
                    LedCase{"combo", 0x02, kLedAmber, true}, LedCase{"combo", 0x03, kLedLime, true}));

TEST(LedColorMaps, HoldExactlyTheirEntriesAndBlackDefaults) {
    for (const char* name : {"power", "console", "alarm", "rps"}) {
        EXPECT_EQ(MapNamed(name).Count(), 5) << name;
    }
    for (const char* name : {"port", "combo"}) {
        EXPECT_EQ(MapNamed(name).Count(), 6) << name;
    }
    for (const char* name : {"power", "console", "alarm", "rps", "port", "combo"}) {
        EXPECT_EQ(MapNamed(name).DefaultColor, kLedBlack) << name;
        EXPECT_EQ(MapNamed(name).MissingColor, kLedBlack) << name;
        EXPECT_EQ(MapNamed(name).IndexOf(7), -1) << name;
    }
}

TEST(LedColorMaps, TablesEndAtTheEndRowAndMapsCopyThem) {
    const QsLedColor table[] = {{3, kLedRed}, {3, kLedLime}, {0, -1}, {9, kLedAmber}};
    EXPECT_EQ(LedColorTableLength(table), 2);
    EXPECT_EQ(LedColorTableLength(nullptr), 0);
    QsSNMPLedColorMapList map(table, 0xFF, 0, kLedBlack, -1);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_EQ(map.IndexOf(3), 0); // the first entry of a value wins
    EXPECT_EQ(map.ColorOf(3), kLedRed);
    map.Append(nullptr);
    EXPECT_EQ(map.Count(), 2);
    map.Clear();
    EXPECT_EQ(map.ColorOf(3), kLedBlack);
}

TEST(DeviceMib, FrontPanelStatusIsOneReadOnlyOctetString) {
    ASSERT_NE(FrontPanelLedStatusVars[0].Oid, nullptr);
    EXPECT_STREQ(FrontPanelLedStatusVars[0].Oid, "1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2");
    EXPECT_EQ(FrontPanelLedStatusVars[0].Syntax, SYN_OCTETSTR);
    EXPECT_EQ(FrontPanelLedStatusVars[0].Access, ACC_READONLY);
    EXPECT_EQ(FrontPanelLedStatusVars[0].OptionList, nullptr);
    EXPECT_EQ(FrontPanelLedStatusVars[1].Oid, nullptr);
}

} // namespace
