#include "TextUtils.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct ReplaceCase {
    const char* text;
    const char* pattern;
    const char* replacement;
    const char* expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" / \"" << c.pattern << '"';
}

class ReplaceAllCases : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllCases, ReplacesEveryOccurrenceOnce) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllCases,
                         testing::Values(ReplaceCase{"[MIN] to [MIN]", "[MIN]", "1", "1 to 1"},
                                         ReplaceCase{"aaa", "a", "aa", "aaaaaa"},
                                         ReplaceCase{"aaaa", "aa", "b", "bb"},
                                         ReplaceCase{"no match", "[MAX]", "9", "no match"},
                                         ReplaceCase{"text", "", "x", "text"}, ReplaceCase{"", "a", "b", ""},
                                         ReplaceCase{"[LEN][LEN]", "[LEN]", "", ""}));

TEST(Unquote, StripsOnePairOfDoubleQuotes) {
    EXPECT_EQ(Unquote(""), "");
    EXPECT_EQ(Unquote("\"abc\""), "abc");
    EXPECT_EQ(Unquote("\"\"abc\"\""), "\"abc\"");
    EXPECT_EQ(Unquote("\""), "");
    EXPECT_EQ(Unquote("\"\""), "");
    EXPECT_EQ(Unquote("\"abc"), "\"abc");
    EXPECT_EQ(Unquote("'abc'"), "'abc'");
}

TEST(SplitAtOperator, UsesTheFirstOperatorOfTheListThatOccurs) {
    constexpr std::array<std::string_view, 3> ops = {"<>", ">=", "="};
    std::string left = "L";
    std::string right = "R";
    EXPECT_EQ(SplitAtOperator(ops, "a=b>=c", left, right), 1);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
    EXPECT_EQ(SplitAtOperator(ops, "x=y=z", left, right), 2);
    EXPECT_EQ(left, "x");
    EXPECT_EQ(right, "y=z");
    left = "L";
    right = "R";
    EXPECT_EQ(SplitAtOperator(ops, "none", left, right), -1);
    EXPECT_EQ(left, "L");
    EXPECT_EQ(right, "R");
}

TEST(CharRunEnd, GivesTheLastPositionOfTheRun) {
    EXPECT_EQ(CharRunEnd("123abc", 1, "0123456789"), 3);
    EXPECT_EQ(CharRunEnd("123abc", 4, "abc"), 6);
    EXPECT_EQ(CharRunEnd("123abc", 4, "0123456789"), 0);
    EXPECT_EQ(CharRunEnd("123", 4, "0123456789"), 0);
    EXPECT_EQ(CharRunEnd("123", 0, "0123456789"), 0);
    EXPECT_EQ(CharRunEnd("", 1, "0123456789"), 0);
}

TEST(IntPower, WrapsIn32Bits) {
    EXPECT_EQ(IntPower(2, 0), 1);
    EXPECT_EQ(IntPower(2, 10), 1024);
    EXPECT_EQ(IntPower(-3, 3), -27);
    EXPECT_EQ(IntPower(2, 31), static_cast<int>(0x80000000U));
    EXPECT_EQ(IntPower(2, 32), 0);
    EXPECT_EQ(IntPower(3, 0xFFFFFFFFU), static_cast<int>(0xAAAAAAABU));
}

} // namespace
