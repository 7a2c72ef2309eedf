#include "JoinPath.h"
#include "QsDateTime.h"
#include "QsIni.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace {

class IniRead : public testing::Test {
protected:
    qs::test::TempDir dir_;
    QsIni ini_{dir_.Write("10.90.90.90.cfg", "[Program Information]\r\n"
                                             "AgentPort = 161 \r\n"
                                             "ContextName=\r\n"
                                             "SecurityName=\" user \"\r\n")};
};

TEST_F(IniRead, ValueIsTrimmed) {
    EXPECT_EQ(ini_.ReadString("program information", "agentport", "0"), "161");
}

TEST_F(IniRead, QuotedValueIsTrimmedAgainAfterTheQuotesGo) {
    EXPECT_EQ(ini_.ReadString("Program Information", "SecurityName", ""), "user");
}

TEST_F(IniRead, MissingOrEmptyValueGivesTheDefaultUnchanged) {
    EXPECT_EQ(ini_.ReadString("Program Information", "Version", "0"), "0");
    EXPECT_EQ(ini_.ReadString("Program Information", "ContextName", "x"), "x");
    EXPECT_EQ(ini_.ReadString("Program Information", "Version", "  "), "  ");
    EXPECT_EQ(ini_.ReadString("Program Information", "Version", " 3 "), "3");
    EXPECT_EQ(QsIni(dir_.Path("absent.cfg")).ReadString("Program Information", "AgentPort", "161"), "161");
}

struct JoinCase {
    const char* directory;
    const char* file;
    const char* expected;
};

class JoinPathCases : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathCases, JoinsWithOneBackslash) {
    EXPECT_EQ(JoinPath(GetParam().directory, GetParam().file), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinPathCases,
    testing::Values(JoinCase{"", "a.dat", "a.dat"}, JoinCase{"D:\\dir", "a.dat", "D:\\dir\\a.dat"},
                    JoinCase{"D:\\dir\\", "a.dat", "D:\\dir\\a.dat"},
                    JoinCase{"/opt/krs", "errmsg\\common.err", "/opt/krs\\errmsg\\common.err"}));

using Bytes = std::vector<std::uint8_t>;

struct OctetsCase {
    Bytes octets;
    const char* text;
};

void PrintTo(const OctetsCase& c, std::ostream* os) {
    *os << c.text;
}

class DateTimeOctets : public testing::TestWithParam<OctetsCase> {};

TEST_P(DateTimeOctets, GiveTheirText) {
    QsDateTime value(std::string_view{});
    value.CopyFromOctets(GetParam().octets);
    value.SwapYear();
    EXPECT_EQ(value.ToText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeOctets,
    testing::Values(
        OctetsCase{{0x07, 0xDB, 1, 5, 0x0D, 0x1E, 0x0F, 0, '+', 0, 0}, "2011-1-5,13:30:15.0"},
        OctetsCase{{0x07, 0xDB, 1, 5, 0x0D, 0x1E, 0x0F, 0, '+', 8, 0}, "2011-1-5,13:30:15.0,+8:0"},
        OctetsCase{{0x07, 0xDB, 1, 5, 0x0D, 0x1E, 0x0F, 9, '-', 5, 30}, "2011-1-5,13:30:15.9,-5:30"},
        OctetsCase{{0x07, 0xDB, 1, 5, 0, 0, 0, 0, '+', 0, 45}, "2011-1-5,0:0:0.0,+0:45"},
        OctetsCase{{0x07, 0xDB, 1, 5, 0, 0, 0, 0, 0, 8, 0}, "2011-1-5,0:0:0.0"},
        OctetsCase{{0x07, 0xDB, 12, 31, 23, 59, 60, 0}, "2011-12-31,23:59:60.0"},
        OctetsCase{{0x07}, "1792-0-0,0:0:0.0"}, OctetsCase{{}, "0-0-0,0:0:0.0"}));

struct TextCase {
    const char* text;
    Bytes octets; // after SwapYear
    const char* shown;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DateTimeText : public testing::TestWithParam<TextCase> {};

TEST_P(DateTimeText, ParsesToOctetsAndShowsAgain) {
    QsDateTime value(GetParam().text);
    EXPECT_EQ(value.ToText(), GetParam().shown);
    value.SwapYear();
    EXPECT_EQ(Bytes(value.Bytes().begin(), value.Bytes().end()), GetParam().octets);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeText,
    testing::Values(
        TextCase{"2011-1-5,13:30:15.0", {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '+', 0, 0}, "2011-1-5,13:30:15.0"},
        TextCase{"2011-1-5,13:30:15.0,+8:0",
                 {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '+', 8, 0},
                 "2011-1-5,13:30:15.0,+8:0"},
        TextCase{"2011-1-5,13:30:15.0,-5:30",
                 {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '-', 5, 30},
                 "2011-1-5,13:30:15.0,-5:30"},
        TextCase{
            "2011-01-05,13:30:15.3", {0x07, 0xDB, 1, 5, 13, 30, 15, 3, '+', 0, 0}, "2011-1-5,13:30:15.3"},
        TextCase{"2011-1-5,13:30:15", {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '+', 0, 0}, "2011-1-5,13:30:15.0"},
        // Without deci-seconds the offset is kept (the device clock is not hours off).
        TextCase{"2007-5-26,15:30:15,+8:0",
                 {0x07, 0xD7, 5, 26, 15, 30, 15, 0, '+', 8, 0},
                 "2007-5-26,15:30:15.0,+8:0"},
        TextCase{"2011-1-5,13:30:15,-5:30",
                 {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '-', 5, 30},
                 "2011-1-5,13:30:15.0,-5:30"},
        TextCase{
            "2011-1-5,13:30:15.0,+8", {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '+', 0, 0}, "2011-1-5,13:30:15.0"},
        TextCase{
            "2011-1-5,13:30:15.0,*8:0", {0x07, 0xDB, 1, 5, 13, 30, 15, 0, '+', 0, 0}, "2011-1-5,13:30:15.0"},
        TextCase{
            "70000-1-300,13:30:15.0", {0x11, 0x70, 1, 44, 13, 30, 15, 0, '+', 0, 0}, "4464-1-44,13:30:15.0"},
        TextCase{"99999999999-1-5,0:0:0.0", {0xE7, 0xFF, 1, 5, 0, 0, 0, 0, '+', 0, 0}, "59391-1-5,0:0:0.0"},
        TextCase{"garbage", {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0}, "0-0-0,0:0:0.0"},
        TextCase{"", {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0}, "0-0-0,0:0:0.0"}));

TEST(DateTimeNow, IsTheLocalTimeWithoutOffset) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const QsDateTime value;
    EXPECT_EQ(value.Year(), local.tm_year + 1900);
    EXPECT_EQ(value.Month(), local.tm_mon + 1);
    EXPECT_EQ(value.Day(), local.tm_mday);
    EXPECT_EQ(value.DeciSeconds(), 0);
    EXPECT_EQ(value.Direction(), '+');
    EXPECT_EQ(value.UtcHours(), 0);
    EXPECT_EQ(value.UtcMinutes(), 0);
}

} // namespace
