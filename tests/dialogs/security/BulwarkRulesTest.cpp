// The Bulwark engine's threshold rules: threshold texts, the shared range, when falling goes
// first, and the order of the one-variable SETs for every combination of ticked fields.
#include "BulwarkRules.h"

#include <gtest/gtest.h>

namespace {

using qs::BulwarkField;
using qs::BulwarkTicks;

TEST(BulwarkRulesTest, ReadsThresholdTexts) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"20", 20},
        {"100", 100},
        {"  45", 45},
        {"+30", 30},
        {"-1", -1},
        {"007", 7},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"4 5", std::nullopt},
        {"45 ", std::nullopt},
        {"x", std::nullopt},
        {"+-3", std::nullopt},
        {"1e2", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::BulwarkThresholdValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(BulwarkRulesTest, AcceptsThresholdsFromTwentyToHundred) {
    for (const char* text : {"20", "21", "99", "100", "0020"}) {
        EXPECT_TRUE(qs::BulwarkThresholdInRange(text)) << text;
    }
    for (const char* text : {"19", "101", "0", "-20", "", "abc", "2O"}) {
        EXPECT_FALSE(qs::BulwarkThresholdInRange(text)) << text;
    }
}

TEST(BulwarkRulesTest, FallingGoesFirstOnlyWhenBothAreSentAndFallingIsLowered) {
    const BulwarkTicks both{true, true, false, false};
    struct Case {
        const char* what;
        BulwarkTicks ticks;
        std::optional<int> newFalling;
        std::optional<int> lastRead;
        bool fallingFirst;
    };
    const Case cases[] = {
        {"raised over 60/50", both, 80, 50, false},
        {"lowered under 60/50", both, 30, 50, true},
        {"unchanged", both, 50, 50, false},
        {"falling alone", {false, true, false, false}, 30, 50, false},
        {"rising alone", {true, false, false, false}, 30, 50, false},
        {"nothing read yet", both, 30, std::nullopt, false},
        {"no new value", both, std::nullopt, 50, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::BulwarkFallingFirst(c.ticks, c.newFalling, c.lastRead), c.fallingFirst) << c.what;
    }
}

TEST(BulwarkRulesTest, SendsTheTickedFieldsInOrder) {
    using F = BulwarkField;
    struct Case {
        BulwarkTicks ticks;
        bool fallingFirst;
        std::vector<F> order;
    };
    const Case cases[] = {
        {{true, true, true, true}, false, {F::Rising, F::Falling, F::Mode, F::Alarm}},
        {{true, true, true, true}, true, {F::Falling, F::Rising, F::Mode, F::Alarm}},
        {{true, true, false, false}, true, {F::Falling, F::Rising}},
        {{false, true, false, true}, false, {F::Falling, F::Alarm}},
        {{true, false, true, false}, false, {F::Rising, F::Mode}},
        {{false, false, false, true}, false, {F::Alarm}},
        {{false, false, true, true}, true, {F::Mode, F::Alarm}},
        {{false, false, false, false}, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::BulwarkSetOrder(c.ticks, c.fallingFirst), c.order)
            << c.ticks.rising << c.ticks.falling << c.ticks.mode << c.ticks.alarm << " " << c.fallingFirst;
        EXPECT_EQ(c.ticks.Any(), !c.order.empty());
    }
}

} // namespace
