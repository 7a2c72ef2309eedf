#include "Expressions.h"
#include "QsBinaryString.h"
#include "QsException.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <ctime>
#include <string>

namespace {

// A text and its truth value, for conditions and comparisons alike.
struct TruthCase {
    const char* text;
    bool expected;
};

void PrintTo(const TruthCase& c, std::ostream* os) {
    *os << '\'' << c.text << '\'';
}

class Condition : public testing::TestWithParam<TruthCase> {};

TEST_P(Condition, Evaluates) {
    EXPECT_EQ(EvalCondition(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Condition,
                         testing::Values(TruthCase{"a=a&b=c", false}, TruthCase{"a=a|b=c", true},
                                         TruthCase{"!a=b", true}, TruthCase{"(a=a)&(b=b)", true},
                                         TruthCase{"\"x|y\"=x|y", true}, TruthCase{"a=b|b=b&c=d", false},
                                         TruthCase{"(a=b|b=b)&c=c", true}, TruthCase{"!(a=a)", false},
                                         TruthCase{"((a=a))", true}, TruthCase{"(a=a", false},
                                         TruthCase{"FALSE|True", true}, TruthCase{"2>10", true},
                                         TruthCase{"\"a&b\"=\"a&b\"", true}));

class ConditionError : public testing::TestWithParam<const char*> {};

TEST_P(ConditionError, RaisesBadLogicOperand) {
    try {
        EvalCondition(GetParam());
        FAIL() << "nothing raised";
    } catch (const QsException& e) {
        EXPECT_STREQ(e.what(), " Bad logic operand!");
        EXPECT_EQ(e.helpContext, -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConditionError,
                         testing::Values("(a=a) & (b=b)", " true", "true ", "yes", "", "a=a&", "()"));

TEST(Condition, RightSideIsLeftAloneWhenTheLeftDecides) {
    EXPECT_TRUE(EvalCondition("a=a|not a truth value"));
    EXPECT_FALSE(EvalCondition("a=b&not a truth value"));
}

class Comparison : public testing::TestWithParam<TruthCase> {};

TEST_P(Comparison, ComparesTexts) {
    EXPECT_EQ(EvalComparison(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Comparison,
                         testing::Values(TruthCase{"10<9", true}, TruthCase{"\"abc\" = abc", true},
                                         TruthCase{"TRUE", true}, TruthCase{"false", false},
                                         TruthCase{"a<>b", true}, TruthCase{"a<>a", false},
                                         TruthCase{"ab>=a", true}, TruthCase{"a<=ab", true},
                                         TruthCase{"b>a", true}, TruthCase{"a=b=c", false},
                                         TruthCase{" a \t= a\r\n", true}, TruthCase{"\xE9>z", true},
                                         TruthCase{"NOW>40000", true}, TruthCase{"now<9", true}));

struct ArithmeticCase {
    const char* text;
    double expected;
};

void PrintTo(const ArithmeticCase& c, std::ostream* os) {
    *os << '\'' << c.text << '\'';
}

class Arithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(Arithmetic, EvaluatesRightAssociatively) {
    EXPECT_DOUBLE_EQ(EvalArithmetic(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Arithmetic,
    testing::Values(ArithmeticCase{"(1+2)*3", 9}, ArithmeticCase{"10-2-3", 11}, ArithmeticCase{"8/2/2", 8},
                    ArithmeticCase{"2*3+4", 10}, ArithmeticCase{"2+3*4", 14}, ArithmeticCase{"-5", -5},
                    ArithmeticCase{"abc", 0}, ArithmeticCase{"2*abc", 0}, ArithmeticCase{"  1.5e2xyz", 150},
                    ArithmeticCase{"12abc*2", 24}, ArithmeticCase{"+7", 7}, ArithmeticCase{".5*4", 2},
                    ArithmeticCase{"(1/3)*3", 0.999999999999999}, ArithmeticCase{"((2))*(3)", 6},
                    ArithmeticCase{"(2*5", 0}, ArithmeticCase{"", 0}));

TEST(Arithmetic, DivisionByZeroGivesInfinity) {
    EXPECT_TRUE(std::isinf(EvalArithmetic("1/0")));
}

// Day number of the local date today, counted as the formulas count it.
double TodayDayNumber() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day today{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                               day{static_cast<unsigned>(local.tm_mday)}};
    return static_cast<double>((sys_days{today} - sys_days{1899y / December / 30}).count());
}

TEST(Arithmetic, NowIsTheLocalDayNumber) {
    const double today = TodayDayNumber();
    const double now = EvalArithmetic("now");
    EXPECT_GE(now, today);
    EXPECT_LT(now, today + 1.0);
    EXPECT_NEAR(EvalArithmetic("NOW*2"), 2 * now, 1e-3);
}

TEST(NumberText, IsTheShortestGeneralFormWithAPoint) {
    const char* saved = std::setlocale(LC_ALL, nullptr);
    const std::string restore = saved != nullptr ? saved : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // a comma locale, where installed
    EXPECT_EQ(qs::FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(qs::FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(qs::FormatGeneral(42), "42");
    EXPECT_DOUBLE_EQ(EvalArithmetic("2.5*2"), 5.0);
    std::setlocale(LC_ALL, restore.c_str());
}

TEST(BinaryString, StartsEmpty) {
    QsBinaryString bytes;
    EXPECT_EQ(bytes.count, 0);
    EXPECT_EQ(bytes.buffer, nullptr);
}

} // namespace
