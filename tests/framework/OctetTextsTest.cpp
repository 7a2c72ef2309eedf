#include "OctetTexts.h"
#include "DateTimeNumber.h"

#include <gtest/gtest.h>

namespace {

struct HexCase {
    const char* text;
    QsOctets octets;
};

void PrintTo(const HexCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class HexText : public testing::TestWithParam<HexCase> {};

TEST_P(HexText, ParsesBlankSeparatedAndOddTexts) {
    EXPECT_EQ(ParseHexText(GetParam().text), GetParam().octets);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HexText,
    testing::Values(HexCase{"0aff01", {0x0A, 0xFF, 0x01}}, HexCase{"0A FF 01", {0x0A, 0xFF, 0x01}},
                    HexCase{"abc", {0x0A, 0xBC}}, HexCase{"", {}}, HexCase{"1 A F F", {0x1A, 0xFF}},
                    HexCase{"xy", {0x00}}, HexCase{"1AFF", {0x1A, 0xFF}},
                    // 36 digits are an ordinary 18-octet string, not a zone form
                    HexCase{"000102030405060708090A0B0C0D0E0F1011",
                            {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
                    HexCase{"FE800000000000000000000000000001%25",
                            {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 25}}));

TEST(OctetTexts, FormatsUpperCaseHexAndPlainText) {
    EXPECT_EQ(FormatHexText({0x0A, 0xFF, 0x01}), "0AFF01");
    EXPECT_EQ(FormatHexText({}), "");
    EXPECT_EQ(FormatPlainText({'a', 'b', 0, 'c'}), "ab");
    EXPECT_EQ(FormatPlainText({}), "");
}

struct TicksCase {
    std::uint32_t ticks;
    const char* text;
};

void PrintTo(const TicksCase& c, std::ostream* os) {
    *os << c.ticks;
}

class TicksText : public testing::TestWithParam<TicksCase> {};

TEST_P(TicksText, FormatsAndParsesBack) {
    EXPECT_EQ(FormatTicksText(GetParam().ticks), GetParam().text);
    EXPECT_EQ(ParseTicksText(GetParam().text), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Cases, TicksText,
                         testing::Values(TicksCase{0, "0:00:00.00"}, TicksCase{8640000, "1 day 0:00:00.00"},
                                         TicksCase{2 * 8640000 + 1, "2 days, 0:00:00.01"},
                                         TicksCase{8640000 + 2 * 360000 + 3 * 6000 + 405, "1 day 2:03:04.05"},
                                         TicksCase{4294967295u, "497 days, 2:27:52.95"},
                                         TicksCase{359999, "0:59:59.99"}));

TEST(OctetTexts, TicksTextWithoutColonIsZero) {
    EXPECT_EQ(ParseTicksText("12345"), 0u);
    EXPECT_EQ(ParseTicksText(""), 0u);
    // Minutes count only before a second ":".
    EXPECT_EQ(ParseTicksText("5:30"), 5u * 360000);
}

// No part is dropped and a fraction is of a second as a person means it.
TEST(OctetTexts, TicksTextReadsEveryPartAsMeant) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"1:2:3", 372300},     {"0:00:47.5", 4750},      {"0:00:47.05", 4705}, {"0:00:47.50", 4750},
        {"0:00:47.567", 4756}, {"1 day 0:0:1", 8640100}, {"5:30.5", 1803050},  {"2 days, 0:00:00", 17280000},
    };
    for (const auto& [text, ticks] : cases) {
        EXPECT_EQ(ParseTicksText(text), ticks) << text;
    }
}

TEST(OctetTexts, MacTextNeedsExactlySixOctets) {
    QsOctets mac;
    const QsOctets expected{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    for (const char* ok : {"001A2B3C4D5E", "00-1A-2B-3C-4D-5E", "00.1a.2b.3c.4d.5e", "00 1A 2B 3C 4D 5E",
                           "00:1A:2B:3C:4D:5E"}) {
        mac.clear();
        EXPECT_TRUE(qs::ParseMacText(ok, mac)) << ok;
        EXPECT_EQ(mac, expected) << ok;
    }
    for (const char* bad : {"", "001A2B3C4D", "1A2B3C4D5E6", "001A2B3C4D5E6F", "001A2B3C4D5G"}) {
        EXPECT_FALSE(qs::ParseMacText(bad, mac)) << bad;
    }
}

// The value conversion reads dotted decimal only: leading zeros are decimal, never octal, and
// the short and hex forms of the platform's old conversion are no addresses.
TEST(OctetTexts, IPv4TextIsDottedDecimal) {
    const std::pair<const char*, QsOctets> taken[] = {
        {"10.90.90.102", {10, 90, 90, 102}},
        {"010.090.090.0102", {10, 90, 90, 102}},
        {" 255.0.0.1\t", {255, 0, 0, 1}},
    };
    for (const auto& [text, octets] : taken) {
        QsOctets out;
        EXPECT_TRUE(qs::ParseIPv4Text(text, out)) << text;
        EXPECT_EQ(out, octets) << text;
    }
    for (const char* bad : {"", "10.1", "16909060", "0x0a.0.0.1", "1.2.3.256", "1.2.3.4.5", "1..2.3",
                            "1.2.3.", ".1.2.3", "1.2.3.-4", "1 .2.3.4"}) {
        QsOctets out{7};
        EXPECT_FALSE(qs::ParseIPv4Text(bad, out)) << bad;
        EXPECT_EQ(out, QsOctets{7}) << bad;
    }
}

TEST(OctetTexts, DoubleOctetsAreLittleEndian) {
    const QsOctets one = qs::DoubleOctets(1.0);
    EXPECT_EQ(one, (QsOctets{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    double d = 0;
    EXPECT_TRUE(qs::DoubleFromOctets(one, d));
    EXPECT_EQ(d, 1.0);
    EXPECT_FALSE(qs::DoubleFromOctets({1, 2, 3}, d));
}

struct DateCase {
    double number;
    const char* text;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.text;
}

class DateTimeNumber : public testing::TestWithParam<DateCase> {};

TEST_P(DateTimeNumber, WritesAndReadsTheFixedForm) {
    EXPECT_EQ(qs::DateTimeNumberToText(GetParam().number), GetParam().text);
    double back = 0;
    ASSERT_TRUE(qs::TextToDateTimeNumber(GetParam().text, back));
    EXPECT_NEAR(back, GetParam().number, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateTimeNumber,
                         testing::Values(DateCase{0.0, "1899/12/30 00:00:00"},
                                         DateCase{2.75, "1900/01/01 18:00:00"},
                                         DateCase{-1.25, "1899/12/29 06:00:00"},
                                         DateCase{40548.5625, "2011/01/05 13:30:00"}));

TEST(DateTimeNumberText, RefusesWhatIsNoDate) {
    double d = 0;
    for (const char* bad : {"", "2011-01-05", "2011/13/01", "2011/02/30", "2011/01/05 24:00:00",
                            "2011/01/05 x", "2011/01/05 10", "2011/01/05 10:00:00 junk"}) {
        EXPECT_FALSE(qs::TextToDateTimeNumber(bad, d)) << bad;
    }
    EXPECT_TRUE(qs::TextToDateTimeNumber("2011/1/5", d));
    EXPECT_EQ(d, 40548.0);
    EXPECT_TRUE(qs::TextToDateTimeNumber("2011/01/05 13:30", d));
    EXPECT_EQ(qs::DateTimeNumberToText(1e300), "");
    EXPECT_EQ(qs::DateTimeNumberToText(std::numeric_limits<double>::quiet_NaN()), "");
}

} // namespace
