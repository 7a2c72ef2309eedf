#include "TextNumbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

struct AtolCase {
    const char* text;
    std::int32_t asInt32;
    std::uint32_t asUint32;
    std::uint64_t asUint64;
};

void PrintTo(const AtolCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class Atol : public testing::TestWithParam<AtolCase> {};

// Numbers parse into 64 bits and keep the low 32 bits; Counter64 parses unsigned.
TEST_P(Atol, ReadsTheLeadingNumber) {
    const auto& c = GetParam();
    EXPECT_EQ(qs::AtolInt32(c.text), c.asInt32);
    EXPECT_EQ(qs::AtolUint32(c.text), c.asUint32);
    EXPECT_EQ(qs::AtolUint64(c.text), c.asUint64);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Atol,
    testing::Values(AtolCase{"12", 12, 12, 12}, AtolCase{"  -5x", -5, 4294967291u, 18446744073709551611ull},
                    AtolCase{"", 0, 0, 0}, AtolCase{"abc", 0, 0, 0}, AtolCase{"+7", 7, 7, 7},
                    AtolCase{"-1", -1, 4294967295u, 18446744073709551615ull},
                    AtolCase{"4294967295", -1, 4294967295u, 4294967295ull},
                    AtolCase{"2147483648", -2147483648, 2147483648u, 2147483648ull},
                    AtolCase{"4294967296", 0, 0, 4294967296ull},
                    AtolCase{"18446744073709551615", -1, 4294967295u, 18446744073709551615ull},
                    AtolCase{"99999999999999999999", -1, 4294967295u, 18446744073709551615ull}));

TEST(TextNumbers, Int32ExactNeedsTheWholeText) {
    std::int32_t v = 0;
    EXPECT_TRUE(qs::ParseInt32Exact("-2147483648", v));
    EXPECT_EQ(v, -2147483648);
    EXPECT_TRUE(qs::ParseInt32Exact("+3", v));
    EXPECT_EQ(v, 3);
    for (const char* bad : {"", "+", "-", "2147483648", "1 ", " 1", "1.0", "+-1", "0x10"}) {
        EXPECT_FALSE(qs::ParseInt32Exact(bad, v)) << bad;
    }
}

TEST(TextNumbers, DoublesIgnoreTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; the test holds either way
    EXPECT_DOUBLE_EQ(qs::StrToDouble(" 1.5abc"), 1.5);
    EXPECT_EQ(qs::DoubleToText(1.5), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_DOUBLE_EQ(qs::StrToDouble("x"), 0.0);
    EXPECT_EQ(qs::DoubleToText(0.1), "0.1");
    EXPECT_EQ(qs::DoubleToText(-2), "-2");
    EXPECT_EQ(qs::DoubleToText(1e20), "1E+20");
    EXPECT_EQ(qs::DoubleToText(123456789012345678.0), "1.23456789012346E+17");
}

// A finite value's text reads back as a finite value, also next to the largest double, where 15
// digits would round past it.
TEST(TextNumbers, FiniteDoublesReadBackFinite) {
    const double cases[] = {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                            1.7976931348623e308, std::numeric_limits<double>::min(), 1e308};
    for (const double v : cases) {
        const std::string text = qs::DoubleToText(v);
        EXPECT_TRUE(std::isfinite(qs::StrToDouble(text))) << text;
        EXPECT_EQ(qs::DoubleToText(qs::StrToDouble(text)), text);
    }
    EXPECT_EQ(qs::DoubleToText(1e308), "1E+308");
    EXPECT_EQ(qs::DoubleToText(std::numeric_limits<double>::max()), "1.7976931348623157E+308");
}

} // namespace
