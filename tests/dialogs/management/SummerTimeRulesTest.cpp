// The summer time rules' hex encodings: known values both ways, refused fields (a combo with
// nothing selected included), wrong lengths on decode, days that do not fit their month, and
// round trips over every combo position.
#include "SummerTimeRules.h"

#include <gtest/gtest.h>

namespace {

struct RepeatingCase {
    RepeatingSummerTime rule;
    const char* text;
};

const RepeatingCase kRepeating[] = {
    {{0, 0, 3, 2, 0}, "000001030200"},    // last Sunday of March, 02:00
    {{0, 0, 10, 3, 0}, "0000010A0300"},   // last Sunday of October, 03:00
    {{1, 1, 4, 2, 0}, "010002040200"},    // 1st Monday of April, 02:00
    {{4, 6, 12, 23, 59}, "0400070C173B"}, // 4th Saturday of December, 23:59
    {{2, 3, 0, 0, 0}, "020004000000"},    // month none
};

TEST(SummerTimeRulesTest, EncodesRepeatingRules) {
    for (const auto& c : kRepeating) {
        EXPECT_EQ(EncodeRepeatingSummerTime(c.rule), std::optional<std::string>(c.text)) << c.text;
    }
}

TEST(SummerTimeRulesTest, DecodesRepeatingRules) {
    for (const auto& c : kRepeating) {
        EXPECT_EQ(DecodeRepeatingSummerTime(c.text), c.rule) << c.text;
    }
    EXPECT_EQ(DecodeRepeatingSummerTime("0000010a0300"), (RepeatingSummerTime{0, 0, 10, 3, 0}));
    // A character that is not a hex digit counts as 0.
    EXPECT_EQ(DecodeRepeatingSummerTime("0G00010302x5"), (RepeatingSummerTime{0, 0, 3, 2, 5}));
}

TEST(SummerTimeRulesTest, RefusesInvalidRepeatingFields) {
    const RepeatingSummerTime refused[] = {
        {-1, 0, 3, 2, 0}, {0, -1, 3, 2, 0}, {0, 0, -1, 2, 0}, // nothing selected
        {5, 0, 3, 2, 0},  {0, 7, 3, 2, 0},  {0, 0, 13, 2, 0}, {0, 0, 3, 24, 0},
        {0, 0, 3, -1, 0}, {0, 0, 3, 2, 60}, {0, 0, 3, 2, -1},
    };
    for (const auto& rule : refused) {
        EXPECT_FALSE(EncodeRepeatingSummerTime(rule).has_value())
            << rule.week << " " << rule.weekday << " " << rule.month << " " << rule.hour << ":"
            << rule.minute;
    }
}

TEST(SummerTimeRulesTest, DecodesOnlyTwelveCharacterRepeatingTexts) {
    for (const char* text : {"", "00000103020", "0000010302000", "00 0001 03 02 00"}) {
        EXPECT_FALSE(DecodeRepeatingSummerTime(text).has_value()) << text;
    }
}

TEST(SummerTimeRulesTest, RepeatingRulesRoundTrip) {
    for (int week = 0; week < 5; ++week) {
        for (int weekday = 0; weekday < 7; ++weekday) {
            for (int month = 0; month <= 12; ++month) {
                const RepeatingSummerTime rule{week, weekday, month, (week * 7 + month) % 24,
                                               (weekday * 13) % 60};
                const auto text = EncodeRepeatingSummerTime(rule);
                ASSERT_TRUE(text.has_value());
                EXPECT_EQ(DecodeRepeatingSummerTime(*text), rule) << *text;
            }
        }
    }
}

struct AnnualCase {
    AnnualSummerTime rule;
    const char* text;
};

const AnnualCase kAnnual[] = {
    {{25, 3, 2, 0}, "19030200"},    // 25 March, 02:00
    {{31, 12, 23, 59}, "1F0C173B"}, // 31 December, 23:59
    {{28, 2, 0, 0}, "1C020000"},    // 28 February
    {{0, 0, 0, 0}, "00000000"},
};

TEST(SummerTimeRulesTest, EncodesAnnualRules) {
    for (const auto& c : kAnnual) {
        EXPECT_EQ(EncodeAnnualSummerTime(c.rule), std::optional<std::string>(c.text)) << c.text;
    }
}

TEST(SummerTimeRulesTest, DecodesAnnualRules) {
    for (const auto& c : kAnnual) {
        EXPECT_EQ(DecodeAnnualSummerTime(c.text), c.rule) << c.text;
    }
    EXPECT_EQ(DecodeAnnualSummerTime("1f0c173b"), (AnnualSummerTime{31, 12, 23, 59}));
    for (const char* text : {"", "1903020", "190302000", "000001030200"}) {
        EXPECT_FALSE(DecodeAnnualSummerTime(text).has_value()) << text;
    }
}

TEST(SummerTimeRulesTest, RefusesInvalidAnnualFields) {
    const AnnualSummerTime refused[] = {
        {25, -1, 2, 0}, // nothing selected
        {32, 3, 2, 0},  {-1, 3, 2, 0},  {25, 13, 2, 0}, {25, 3, 24, 0},
        {25, 3, -1, 0}, {25, 3, 2, 60}, {25, 3, 2, -1},
    };
    for (const auto& rule : refused) {
        EXPECT_FALSE(EncodeAnnualSummerTime(rule).has_value())
            << rule.day << "/" << rule.month << " " << rule.hour << ":" << rule.minute;
    }
}

TEST(SummerTimeRulesTest, ChecksAnnualDaysAgainstTheirMonths) {
    struct DayCase {
        int day;
        int month;
        bool fits;
    };
    const DayCase cases[] = {
        {31, 4, false}, {30, 4, true},   {29, 2, false}, {28, 2, true}, {31, 1, true},
        {31, 12, true}, {31, 11, false}, {0, 0, true},   {1, 0, false}, {1, -1, false},
    };
    const AnnualSummerTime fine{1, 1, 0, 0};
    for (const auto& c : cases) {
        const AnnualSummerTime rule{c.day, c.month, 2, 0};
        EXPECT_EQ(CheckAnnualDays(rule, fine), c.fits) << "start " << c.day << "/" << c.month;
        EXPECT_EQ(CheckAnnualDays(fine, rule), c.fits) << "end " << c.day << "/" << c.month;
    }
}

TEST(SummerTimeRulesTest, AnnualRulesRoundTrip) {
    for (int month = 0; month <= 12; ++month) {
        for (int day = 0; day <= 31; ++day) {
            const AnnualSummerTime rule{day, month, (day + month) % 24, (day * 7) % 60};
            const auto text = EncodeAnnualSummerTime(rule);
            ASSERT_TRUE(text.has_value());
            EXPECT_EQ(DecodeAnnualSummerTime(*text), rule) << *text;
        }
    }
}

} // namespace
