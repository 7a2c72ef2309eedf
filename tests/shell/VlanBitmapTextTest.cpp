// VLAN range texts and 64-octet bitmap blocks, both ways.

#include "VlanBitmapText.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

namespace {

std::string Zeros(int digits) {
    return std::string(static_cast<std::size_t>(digits), '0');
}

struct ToHexCase {
    const char* text;
    std::string hex;
};
void PrintTo(const ToHexCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ListTextToHex : public ::testing::TestWithParam<ToHexCase> {};

TEST_P(ListTextToHex, ReplacesTheTextByTheBlock) {
    std::string text = GetParam().text;
    ASSERT_TRUE(ListTextToHexBitmap(text));
    EXPECT_EQ(text, GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListTextToHex,
                         ::testing::Values(ToHexCase{"1-3,5", "E8" + Zeros(126)}, ToHexCase{"0", Zeros(128)},
                                           ToHexCase{"", Zeros(128)}, ToHexCase{"513", "80" + Zeros(126)},
                                           ToHexCase{"1", "80" + Zeros(126)},
                                           ToHexCase{",,2,,", "40" + Zeros(126)},
                                           ToHexCase{"1--3", "E0" + Zeros(126)},
                                           ToHexCase{"512", Zeros(126) + "01"},
                                           ToHexCase{"1-512", std::string(128, 'F')},
                                           ToHexCase{"0-511", std::string(126, 'F') + "FE"},
                                           ToHexCase{"100-2000000000", std::string(128, 'F')}));

TEST(ListTextToHexBitmap, RefusesMalformedRangesAndKeepsTheText) {
    for (const char* bad : {"5-3", "1,5-3,7", "5-", "-5", "-"}) {
        std::string text = bad;
        EXPECT_FALSE(ListTextToHexBitmap(text)) << bad;
        EXPECT_EQ(text, bad);
    }
}

TEST(ListTextToHexBitmap, NonNumericPartRaisesTheConversionErrorAndKeepsTheText) {
    std::string text = "1,abc";
    try {
        ListTextToHexBitmap(text);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(text, "1,abc");
}

TEST(ListTextToHexBitmap, LongTextIsConvertedCompletely) {
    std::string text;
    for (int v = 1; v <= 511; v += 2) {
        text += (text.empty() ? "" : ",") + std::to_string(v);
    }
    ASSERT_GT(text.size(), 900u);
    const std::string original = text;
    ASSERT_TRUE(ListTextToHexBitmap(text));
    EXPECT_EQ(text, std::string(128, 'A'));
    EXPECT_EQ(HexBitmapToListText(text, 0, false), original);
}

struct ToListCase {
    std::string hex;
    int block;
    bool appendHex;
    std::string text;
};
void PrintTo(const ToListCase& c, std::ostream* os) {
    *os << '"' << c.hex.substr(0, 8) << "...\" block " << c.block;
}

class HexToListText : public ::testing::TestWithParam<ToListCase> {};

TEST_P(HexToListText, WritesRunsOfSetBits) {
    const ToListCase& c = GetParam();
    EXPECT_EQ(HexBitmapToListText(c.hex, c.block, c.appendHex), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, HexToListText,
                         ::testing::Values(ToListCase{"E0" + Zeros(126), 0, false, "1-3"},
                                           ToListCase{"E0" + Zeros(126), 1, false, "513-515"},
                                           ToListCase{std::string(128, 'F'), 0, false, "1-512"},
                                           ToListCase{std::string(128, 'F'), 7, false, "3585-4096"},
                                           ToListCase{Zeros(128), 0, false, "0"},
                                           ToListCase{"e8", 0, true, "1-3,5[e8]"},
                                           ToListCase{"(NULL)", 0, false, "0"},
                                           ToListCase{"0180", 0, false, "8-9"},
                                           ToListCase{"01F", 0, false, "8"}, ToListCase{"", 2, true, "0[]"}));

TEST(VlanBlocks, EveryBlockRoundTripsThroughItsRangeText) {
    for (int block = 0; block < 8; ++block) {
        const std::string hex = "E8" + Zeros(124) + "01";
        std::string text = HexBitmapToListText(hex, block, false);
        ASSERT_TRUE(ListTextToHexBitmap(text)) << text;
        EXPECT_EQ(text, hex) << "block " << block;
    }
}

} // namespace
