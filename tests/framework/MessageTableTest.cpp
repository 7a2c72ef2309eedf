#include "MessageTable.h"
#include "TempDir.h"
#include "TextUtils.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string content;
    Lines expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class MessageLines : public testing::TestWithParam<SplitCase> {};

TEST_P(MessageLines, NonBlankLinesBecomeEntries) {
    EXPECT_EQ(qs::SplitMessageLines(GetParam().content), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageLines,
    testing::Values(SplitCase{"blank_second_line", "first\n\nthird\n", {"first", "third"}},
                    SplitCase{"blanks_only_line", "first\n  \t \nthird", {"first", "third"}},
                    SplitCase{"crlf", "one\r\ntwo\r\n\r\n", {"one", "two"}},
                    SplitCase{"leading_blank_kept", " Ok!\n", {" Ok!"}},
                    SplitCase{"trailing_blanks_kept", "Set: [ERROR]  \r\n", {"Set: [ERROR]  "}},
                    SplitCase{"no_line_end", "last", {"last"}},
                    SplitCase{"only_blank_lines", "\n \r\n\t\n", {}}, SplitCase{"empty", "", {}},
                    SplitCase{"long_line_in_pieces",
                              std::string(1500, 'x') + "\r\nnext\n",
                              {std::string(1023, 'x'), std::string(477, 'x'), "next"}},
                    SplitCase{"exactly_one_piece", std::string(1023, 'y') + "\n", {std::string(1023, 'y')}},
                    SplitCase{
                        "blank_tail_piece", std::string(1023, 'z') + "   \n", {std::string(1023, 'z')}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

constexpr const char* kBuiltIn[] = {"zero", "one", "two"};

class LoadTable : public testing::Test {
protected:
    qs::test::TempDir dir_;
    qs::MessageTable table_{kBuiltIn};
};

TEST_F(LoadTable, FileReplacesEntriesInOrder) {
    LoadMessageTable(table_, dir_.Write("t.err", "A\n\n B\r\nC\n"));
    EXPECT_EQ(table_.Text(0), "A");
    EXPECT_EQ(table_.Text(1), " B");
    EXPECT_EQ(table_.Text(2), "C");
}

TEST_F(LoadTable, ShortFileFallsBackToBuiltInTextOfTheSameEntry) {
    LoadMessageTable(table_, dir_.Write("t.err", "only\n"));
    EXPECT_EQ(table_.Text(0), "only");
    EXPECT_EQ(table_.Text(1), "one");
    EXPECT_EQ(table_.Text(2), "two");
}

TEST_F(LoadTable, LongerFileAddsEntriesAndLookupsBeyondGiveEmptyText) {
    LoadMessageTable(table_, dir_.Write("t.err", "a\nb\nc\nd\n"));
    EXPECT_EQ(table_.Size(), 4U);
    EXPECT_EQ(table_.Text(3), "d");
    EXPECT_EQ(table_.Text(4), "");
    EXPECT_EQ(table_.Text(-1), "");
}

TEST_F(LoadTable, MissingOrBlankFileKeepsTheTable) {
    LoadMessageTable(table_, dir_.Path("absent.err"));
    EXPECT_EQ(table_.Text(0), "zero");
    LoadMessageTable(table_, dir_.Write("blank.err", "\n   \r\n\t\n"));
    EXPECT_EQ(table_.Text(0), "zero");
    LoadMessageTable(table_, dir_.Write("t.err", "loaded\n"));
    LoadMessageTable(table_, dir_.Path("absent.err"));
    EXPECT_EQ(table_.Text(0), "loaded") << "a later missing file keeps the loaded texts";
}

TEST_F(LoadTable, FileNameWithBackslashesIsFound) {
    dir_.Write("errmsg/snmp.msg", "Get [ERROR]\n");
    LoadMessageTable(table_, dir_.Dir() + "\\errmsg\\snmp.msg");
    EXPECT_EQ(table_.Text(0), "Get [ERROR]");
}

struct BuiltInCase {
    qs::MessageTable& (*table)();
    std::size_t size;
    int entry;
    const char* text;
};

void PrintTo(const BuiltInCase& c, std::ostream* os) {
    *os << "entry " << c.entry << " \"" << c.text << '"';
}

class BuiltInTables : public testing::TestWithParam<BuiltInCase> {};

TEST_P(BuiltInTables, HoldTheirTexts) {
    const auto& c = GetParam();
    EXPECT_EQ(c.table().BuiltInSize(), c.size);
    EXPECT_EQ(c.table().Text(c.entry), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuiltInTables,
    testing::Values(BuiltInCase{CommonErrTable, 26, 0, " Ok!"},
                    BuiltInCase{CommonErrTable, 26, 11,
                                " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
                                "Here,each number is between [MIN] and [MAX]!"},
                    BuiltInCase{CommonErrTable, 26, 25, " Please enter a valid unicast MAC address!"},
                    BuiltInCase{SnmpErrTable, 18, 17, "(SNMP) Cannot create variable, Inconsistent Name!"},
                    BuiltInCase{SnmpV3ErrTable, 17, 16, "(SNMPv3) Report sent!"},
                    BuiltInCase{SnmpUsmErrTable, 14, 13, "(SNMPv3USM) Address error!"},
                    BuiltInCase{SnmpClassErrTable, 23, 19, "(SNMP Class) Transport is not supported!"},
                    BuiltInCase{SnmpClassErrTable, 23, 22, "(SNMPClass) Blocked Mode Shutdown!"},
                    BuiltInCase{QsSnmpErrTable, 31, 28, "Unknown error code!"},
                    BuiltInCase{QsSnmpErrTable, 31, 29, "The agent's reply does not match the request!"},
                    BuiltInCase{QsSnmpErrTable, 31, 30,
                                "The SNMPv3 pass phrase must have at least 8 characters."},
                    BuiltInCase{SnmpMsgTable, 2, 0, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
                    BuiltInCase{SnmpMsgTable, 2, 1, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."}));

TEST(Placeholders, FillEveryOccurrence) {
    const auto text = qs::FillPlaceholders(CommonErrTable().Text(11),
                                           {{qs::kDelimiter, ","}, {qs::kMin, "1"}, {qs::kMax, "4094"}});
    EXPECT_EQ(text, " Please enter a delimited number string with delimiter ','.\n"
                    "Here,each number is between 1 and 4094!");
    EXPECT_EQ(qs::FillPlaceholders(SnmpMsgTable().Text(0),
                                   {{qs::kError, "Ok!"}, {qs::kVarList, "Ports"}, {qs::kTime, "10:00:00"}}),
              "Get: Ok! Request:Ports. Receive at 10:00:00.");
}

} // namespace
