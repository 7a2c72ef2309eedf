#include "PortListTexts.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

std::string TextToUpper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

struct ShowCase {
    const char* hex;
    bool withHex;
    const char* text;
};

class PortText : public testing::TestWithParam<ShowCase> {};

TEST_P(PortText, ShowsRunsOfSetBits) {
    EXPECT_EQ(BitListToPortText(GetParam().hex, GetParam().withHex), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Maps, PortText,
                         testing::Values(ShowCase{"E800", false, "1-3,5"}, ShowCase{"FF", false, "1-8"},
                                         ShowCase{"0000", false, "0"}, ShowCase{"0000", true, "0[0000]"},
                                         ShowCase{"E800", true, "1-3,5[E800]"}, ShowCase{"C0", false, "1-2"},
                                         ShowCase{"0180", false, "8-9"}, ShowCase{"55", false, "2,4,6,8"},
                                         ShowCase{"e8x", false, "1-3,5"}, ShowCase{"", false, "0"}));

struct ParseCase {
    const char* text;
    const char* templ;
    bool ok;
    const char* out; // "keep" when refused
};

class PortParse : public testing::TestWithParam<ParseCase> {};

TEST_P(PortParse, ReadsPortsIntoTheTemplateWidth) {
    const ParseCase& c = GetParam();
    std::string out = "keep";
    EXPECT_EQ(PortTextToBitList(c.text, c.templ, out), c.ok);
    EXPECT_EQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortParse,
    testing::Values(ParseCase{"1-3,5", "0000", true, "e800"}, ParseCase{"all", "0000", true, "ffff"},
                    ParseCase{"0", "0000", true, "0000"}, ParseCase{"", "0000", true, "0000"},
                    ParseCase{"16,,1", "0000", true, "8001"}, ParseCase{" 2 - 3 ", "00", true, "60"},
                    ParseCase{"0,3", "0000", false, "keep"}, ParseCase{"5-3", "0000", false, "keep"},
                    ParseCase{"17", "0000", false, "keep"}, ParseCase{"3-", "0000", false, "keep"},
                    ParseCase{"1:2", "0000", false, "keep"}, ParseCase{"12345678", "0000", false, "keep"},
                    ParseCase{"x", "0000", false, "keep"}, ParseCase{"1", "", false, "keep"}));

TEST(PortListTexts, RoundTripOfEveryShownText) {
    for (const char* hex : {"E800", "0000", "FFFF", "8001", "5A5A"}) {
        std::string out;
        ASSERT_TRUE(PortTextToBitList(BitListToPortText(hex, false), hex, out)) << hex;
        EXPECT_EQ(TextToUpper(out), hex);
    }
}

TEST(PortListTexts, LongTextsAreRefused) {
    std::string text;
    while (text.size() < 256) {
        text += "1,";
    }
    std::string out = "keep";
    EXPECT_FALSE(PortTextToBitList(text, "0000", out));
    EXPECT_EQ(out, "keep");
}

TEST(PortListTexts, TemplateForTypedPortsWithoutAKnownWidth) {
    EXPECT_EQ(qs::PortTemplateFor("1-3,5"), "00");
    EXPECT_EQ(qs::PortTemplateFor("9"), "0000");
    EXPECT_EQ(qs::PortTemplateFor("28"), "00000000");
    EXPECT_EQ(qs::PortTemplateFor("0"), "");
    EXPECT_EQ(qs::PortTemplateFor("all"), "");
    EXPECT_EQ(qs::PortTemplateFor("5-3"), "");
}

TEST(PortListTexts, TextInBrackets) {
    EXPECT_EQ(TextInBrackets("1-3,5[E800]"), "E800");
    EXPECT_EQ(TextInBrackets("E800"), "E800");
    EXPECT_EQ(TextInBrackets("a[b"), "b");
    EXPECT_EQ(TextInBrackets("a]b[c]"), "c");
}

} // namespace
