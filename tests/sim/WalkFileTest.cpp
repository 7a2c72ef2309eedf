// Data files: the walk-text values, the rule lines, and start-up errors that name file and line.
#include "WalkFile.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace krssim {
namespace {

using testing::HasSubstr;

struct ValueCase {
    const char* text;
    Value expected;
};

TEST(WalkValueTest, ParsesEachTypeAndFormatsItBack) {
    const ValueCase cases[] = {
        {"INTEGER: -5", Value::ofInteger(-5)},
        {"INTEGER: up(1)", Value::ofInteger(1)},
        {"STRING: \"core \\\"sw\\\" 1\"", Value::ofBytes("core \"sw\" 1")},
        {"\"\"", Value::ofBytes("")},
        {"Hex-STRING: 00 1A ff", Value::ofBytes(std::string("\x00\x1a\xff", 3))},
        {"OID: .1.3.6.1.4.1.58613", {Type::ObjectId, 0, {}, {1, 3, 6, 1, 4, 1, 58613}}},
        {"IpAddress: 10.0.0.254", {Type::IpAddress, 0, std::string("\x0a\x00\x00\xfe", 4), {}}},
        {"Counter32: 4294967295", Value::ofUnsigned(Type::Counter32, 4294967295u)},
        {"Gauge32: 1000", Value::ofUnsigned(Type::Gauge32, 1000)},
        {"Timeticks: (12345) 0:02:03.45", Value::ofUnsigned(Type::TimeTicks, 12345)},
        {"Counter64: 18446744073709551615", Value::ofUnsigned(Type::Counter64, 18446744073709551615u)},
    };
    for (const auto& c : cases) {
        Value parsed;
        std::string error;
        ASSERT_TRUE(parseValue(c.text, parsed, error)) << c.text << ": " << error;
        EXPECT_EQ(parsed, c.expected) << c.text;
        Value again;
        ASSERT_TRUE(parseValue(formatValue(parsed), again, error)) << formatValue(parsed);
        EXPECT_EQ(again, parsed) << formatValue(parsed);
    }
}

TEST(WalkValueTest, RefusesValuesOutsideTheirType) {
    for (const char* text : {"INTEGER: 2147483648", "Counter32: 4294967296", "IpAddress: 1.2.3",
                             "Hex-STRING: 0", "OID: 1", "STRING: \"open", "Gauge32: -1"}) {
        Value v;
        std::string error;
        EXPECT_FALSE(parseValue(text, v, error)) << text;
        EXPECT_THAT(error, HasSubstr("malformed")) << text;
    }
}

TEST(WalkFileTest, ReadsContinuationLinesOfStringsAndHex) {
    std::istringstream in(
        ".1.3.6.1.2.1.1.1.0 = STRING: \"two\nlines\"\n"
        ".1.3.6.1.2.1.1.2.0 = Hex-STRING: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n"
        "10 11\n"
        ".1.3.6.1.2.1.1.3.0 = INTEGER: 7\n");
    MibStore store;
    std::string error;
    ASSERT_TRUE(loadWalk(in, "t.walk", store, error)) << error;
    EXPECT_EQ(store.find({1, 3, 6, 1, 2, 1, 1, 1, 0})->bytes, "two\nlines");
    EXPECT_EQ(store.find({1, 3, 6, 1, 2, 1, 1, 2, 0})->bytes.size(), 18u);
    EXPECT_EQ(store.find({1, 3, 6, 1, 2, 1, 1, 3, 0})->integer(), 7);
}

struct BadFileCase {
    const char* name;
    const char* text;
    const char* message;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadFileCase& c, std::ostream* os) {
    *os << c.name;
}

class BadWalkFileTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(BadWalkFileTest, StopsWithFileAndLine) {
    std::istringstream in(std::string("# header\n.1.3.6.1.2.1.1.1.0 = INTEGER: 1\n") + GetParam().text);
    MibStore store;
    std::string error;
    EXPECT_FALSE(loadWalk(in, "bad.walk", store, error));
    EXPECT_THAT(error, HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadWalkFileTest,
    testing::Values(
        BadFileCase{"UnknownType", ".1.3.6.1.2.1.1.2.0 = Float: 1.5\n", "bad.walk:3: unknown type \"Float\""},
        BadFileCase{"NoValue", ".1.3.6.1.2.1.1.2.0 =\n", "bad.walk:3: expected"},
        BadFileCase{"Truncated", ".1.3.6.1.2.1.1.2.0 = STRING: \"cut off\n", "bad.walk:3: malformed STRING"},
        BadFileCase{"TypeOnly", ".1.3.6.1.2.1.1.2.0 = INTEGER:\n", "bad.walk:3: malformed INTEGER"},
        BadFileCase{"BadOid", ".1.3.x.1 = INTEGER: 1\n", "bad.walk:3: malformed OID"},
        BadFileCase{"NotAWalkLine", "hello\n", "bad.walk:3: expected"},
        BadFileCase{"UnknownRule", "@secret .1.3.6.1.2.1.1.5\n", "bad.walk:3: unknown rule"},
        BadFileCase{"BadRange", "@writable .1.3.6.1.2.1.1.5 range=9..1\n", "bad.walk:3: bad rule attribute"},
        BadFileCase{"StatusWithoutRemove", "@status .1.3.6.1.2.1.17.7.1.3.1.1.4\n",
                    "bad.walk:3: @status needs remove=N"}),
    [](const testing::TestParamInfo<BadFileCase>& c) { return std::string(c.param.name); });

TEST(WalkFileTest, SavedFileReadsBackToTheSameStore) {
    std::istringstream in("@writable .1.3.6.1.2.1.2.2.1.7 enum=1,2,3\n"
                          "@writable .1.3.6.1.2.1.1.5 size=0..255\n"
                          "@rowstatus .1.3.6.1.2.1.17.7.1.4.3.1.5\n"
                          "@status .1.3.6.1.2.1.17.7.1.3.1.1.4 remove=2\n"
                          "@default .1.3.6.1.2.1.17.7.1.4.3.1.1 = STRING: \"\"\n"
                          ".1.3.6.1.2.1.1.5.0 = STRING: \"a \\\\ b\"\n"
                          ".1.3.6.1.2.1.2.2.1.7.1 = INTEGER: 1\n"
                          ".1.3.6.1.4.1.1.0 = Hex-STRING: 00 FF\n");
    MibStore first, second;
    std::string error;
    ASSERT_TRUE(loadWalk(in, "a.walk", first, error)) << error;
    std::stringstream saved;
    saveWalk(saved, first);
    ASSERT_TRUE(loadWalk(saved, "b.walk", second, error)) << error << "\n" << saved.str();
    EXPECT_EQ(first.values(), second.values());
    ASSERT_EQ(first.rules().size(), second.rules().size());
    for (const auto& [oid, rule] : first.rules()) {
        const auto& other = second.rules().at(oid);
        EXPECT_EQ(rule.kind, other.kind);
        EXPECT_EQ(rule.writable, other.writable);
        EXPECT_EQ(rule.allowed, other.allowed);
        EXPECT_EQ(rule.size, other.size);
        EXPECT_EQ(rule.removeValue, other.removeValue);
        EXPECT_EQ(rule.defaultValue, other.defaultValue);
    }
}

// Strings with line breaks, in a value or a column's default, are saved so that they read back.
TEST(WalkFileTest, StringsWithLineBreaksReadBackAsSaved) {
    MibStore first;
    first.set({1, 3, 6, 1, 2, 1, 1, 5, 0}, Value::ofBytes("two\nlines"));
    first.set({1, 3, 6, 1, 2, 1, 1, 6, 0}, Value::ofBytes("cr\r\nlf"));
    first.rule({1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1, 1}).defaultValue = Value::ofBytes("\n");
    std::stringstream saved;
    saveWalk(saved, first);
    MibStore second;
    std::string error;
    ASSERT_TRUE(loadWalk(saved, "b.walk", second, error)) << error << "\n" << saved.str();
    EXPECT_EQ(first.values(), second.values());
    ASSERT_TRUE(second.rules().contains({1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1, 1}));
    EXPECT_EQ(second.rules().at({1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1, 1}).defaultValue, Value::ofBytes("\n"));
}

TEST(WalkFileTest, AFolderLoadsItsWalkFilesInNameOrderAndNamesAFaultyOne) {
    auto folder = std::filesystem::temp_directory_path() / ("walk-folder-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "b.walk") << ".1.3.6.1.2.1.1.5.0 = STRING: \"second\"\n";
    std::ofstream(folder / "a.walk") << ".1.3.6.1.2.1.1.5.0 = STRING: \"first\"\n.1.3.6.1.2.1.1.6.0 = \"\"\n";
    std::ofstream(folder / "notes.txt") << "not data\n";
    MibStore store;
    std::string error;
    ASSERT_TRUE(loadWalkFile(folder.string(), store, error)) << error;
    ASSERT_NE(store.find({1, 3, 6, 1, 2, 1, 1, 5, 0}), nullptr);
    EXPECT_EQ(store.find({1, 3, 6, 1, 2, 1, 1, 5, 0})->bytes, "second");
    EXPECT_NE(store.find({1, 3, 6, 1, 2, 1, 1, 6, 0}), nullptr);

    std::ofstream(folder / "c.walk") << "garbage\n";
    MibStore other;
    EXPECT_FALSE(loadWalkFile(folder.string(), other, error));
    EXPECT_THAT(error, HasSubstr("c.walk:1"));
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(loadWalkFile(folder.string(), other, error));
}

TEST(WalkFileTest, DefaultDataSetLoads) {
    MibStore store;
    std::string error;
    ASSERT_TRUE(loadWalkFile(KRS_SIM_DEFAULT_DATA, store, error)) << error;
    const Value* panel = store.find({1, 3, 6, 1, 4, 1, 58613, 11, 113, 1, 6, 3, 1, 1, 1, 2, 1});
    ASSERT_NE(panel, nullptr);
    // Port 28's byte sits at position 59: the value text must hold at least 120 characters.
    EXPECT_GE(panel->bytes.size(), 60u);
    EXPECT_EQ(panel->bytes[1], 0x01); // power on
    for (std::uint32_t port = 1; port <= 28; ++port) {
        EXPECT_NE(store.find({1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 1, port}), nullptr) << port;
        EXPECT_NE(store.find({1, 3, 6, 1, 2, 1, 2, 2, 1, 8, port}), nullptr) << port;
    }
}

} // namespace
} // namespace krssim
