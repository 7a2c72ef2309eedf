#include "QsException.h"
#include "QsSNMPLed.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

constexpr int kBlue = 0x00FF0000;
const QsLedColor kTable[] = {{0, kLedBlack}, {1, kLedAmber}, {2, kLedLime}, {3, kLedRed}, {0, -1}};
const QsSNMPLedColorMapList kSteady(kTable, 7, 0, kLedBlack, kBlue);
const QsSNMPLedColorMapList kBlinking(kTable, 7, 7, kLedBlack, kLedBlack);
const QsSNMPLedColorMapList kStrict(kTable, 7, 0, kLedBlack, -1);

struct DecodeCase {
    const char* name;
    const QsSNMPLedColorMapList* map;
    QsOctets bytes;
    int position;
    int mode;
    int color;
    bool blinking;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, GivesColourAndBlinking) {
    const DecodeCase& c = GetParam();
    QsSNMPLed led{0, c.position, c.map, nullptr, true, 0x123456};
    qs::DecodeLedBytes(led, c.bytes, c.mode, 2);
    EXPECT_EQ(led.Color, c.color);
    EXPECT_EQ(led.Blinking, c.blinking);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Decode,
    testing::Values(DecodeCase{"mode 1 masks the value", &kSteady, {0x00, 0x0A}, 1, 1, kLedLime, false},
                    DecodeCase{"blink bits blink", &kBlinking, {0x03}, 0, 1, kLedRed, true},
                    DecodeCase{"unmapped value is black", &kSteady, {0x07}, 0, 1, kLedBlack, false},
                    DecodeCase{"missing byte", &kSteady, {0x01}, 1, 1, kBlue, false},
                    DecodeCase{"mode 2 below the limit", &kBlinking, {0x02, 0, 0}, 0, 2, kLedLime, true},
                    DecodeCase{"mode 2 pair", &kSteady, {0, 0, 0x02, 0x03}, 2, 2, kLedRed, false},
                    DecodeCase{"mode 2 status 1", &kSteady, {0, 0, 0x01, 0x03}, 2, 2, kBlue, false},
                    DecodeCase{"mode 2 pair cut short", &kSteady, {0, 0, 0x02}, 2, 2, kBlue, false},
                    DecodeCase{"other mode leaves it", &kSteady, {0x02}, 0, 3, 0x123456, true}),
    [](const testing::TestParamInfo<DecodeCase>& p) {
        std::string n = p.param.name;
        for (char& ch : n) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return n;
    });

TEST(LedRules, MissingByteWithoutMissingColourRaises) {
    QsSNMPLed led{0, 4, &kStrict, nullptr, false, 0};
    try {
        qs::DecodeLedBytes(led, {1, 2}, 1, 4);
        FAIL() << "no error";
    } catch (const QsException& e) {
        EXPECT_EQ(e.helpContext, -519);
    }
}

// Paints after one reply: the reply's paint (count 0) and the blink ticks that follow.
std::vector<int> Sequence(int brushBefore, int paints) {
    QsSNMPLed led{0, 0, &kBlinking, nullptr, false, 0};
    qs::DecodeLedBytes(led, {0x02}, 1, 4);
    std::vector<int> seen;
    int brush = brushBefore;
    for (int count = 0; count < paints; ++count) {
        brush = qs::LedPaintColor(led, brush, count, 6);
        seen.push_back(brush);
    }
    return seen;
}

TEST(LedRules, BlinkSequenceDependsOnThePreviousColour) {
    const int L = kLedLime;
    const int B = kLedBlack;
    EXPECT_EQ(Sequence(B, 10), (std::vector<int>{L, B, L, B, L, B, L, L, L, L}));
    EXPECT_EQ(Sequence(L, 10), (std::vector<int>{B, L, B, L, B, L, B, L, L, L}));
}

TEST(LedRules, SteadyLedsPaintTheirColour) {
    QsSNMPLed led{0, 0, &kSteady, nullptr, false, kLedAmber};
    EXPECT_EQ(qs::LedPaintColor(led, kLedBlack, 0, 6), kLedAmber);
    EXPECT_EQ(qs::LedPaintColor(led, kLedAmber, 3, 6), kLedAmber);
}

} // namespace
