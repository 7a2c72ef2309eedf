#include "ProfileFile.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

namespace {

// A device settings file as the platform writes it, with the oddities a hand edit brings.
constexpr std::string_view kSettings = "\xEF\xBB\xBF"
                                       "Orphan=before any section\r\n"
                                       "[Program Information]\r\n"
                                       "AgentPort = 161 \r\n"
                                       "version=3\r\n"
                                       "; ContextName=commented out\r\n"
                                       "   ;SecurityName=also commented\r\n"
                                       "SecurityName=\"admin\"\r\n"
                                       "AuthPassword='se cret'\r\n"
                                       "PrivPassword=\"half'\r\n"
                                       "ContextName=\r\n"
                                       "Quoted=\"\"\r\n"
                                       "  Spaced Key  =  a = b  \r\n"
                                       "AgentPort=9999\r\n"
                                       "no equals sign here\r\n"
                                       "[ program information ]\r\n"
                                       "SecurityLevel=2\r\n"
                                       "[Other]\r\n"
                                       "Version=1\n"
                                       "Last=no line end";

struct ProfileCase {
    const char* name;
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* expected;
};

void PrintTo(const ProfileCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileRead : public testing::TestWithParam<ProfileCase> {
protected:
    static void SetUpTestSuite() {
        dir_ = new qs::test::TempDir;
        file_ = dir_->Write("10.1.1.1.cfg", kSettings);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static qs::test::TempDir* dir_;
    static std::string file_;
};

qs::test::TempDir* ProfileRead::dir_ = nullptr;
std::string ProfileRead::file_;

TEST_P(ProfileRead, GivesValueOrDefault) {
    const auto& c = GetParam();
    EXPECT_EQ(qs::ReadProfileString(file_, c.section, c.key, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    testing::Values(
        ProfileCase{"blanks_trimmed_first_key_wins", "Program Information", "AgentPort", "0", "161"},
        ProfileCase{"names_ignore_case", "PROGRAM INFORMATION", "Version", "0", "3"},
        ProfileCase{"comment_is_no_key", "Program Information", "ContextName", "x", ""},
        ProfileCase{"indented_comment", "Program Information", "SecurityName", "", "admin"},
        ProfileCase{"single_quotes", "Program Information", "AuthPassword", "", "se cret"},
        ProfileCase{"unmatched_quotes_kept", "Program Information", "PrivPassword", "", "\"half'"},
        ProfileCase{"empty_quoted_value", "Program Information", "Quoted", "d", ""},
        ProfileCase{"key_with_blank_value_after_equals", "Program Information", "Spaced Key", "", "a = b"},
        ProfileCase{"first_section_wins", "Program Information", "SecurityLevel", "0", "0"},
        ProfileCase{"missing_key", "Program Information", "PrivProtocol", "0", "0"},
        ProfileCase{"missing_section", "Nowhere", "Version", "dflt", "dflt"},
        ProfileCase{"default_loses_trailing_blanks", "Nowhere", "Version", " d  ", " d"},
        ProfileCase{"key_outside_sections", "", "Orphan", "none", "none"},
        ProfileCase{"line_without_equals", "Program Information", "no equals sign here", "d", "d"},
        ProfileCase{"other_section", "other", "VERSION", "", "1"},
        ProfileCase{"last_line_without_end", "Other", "Last", "", "no line end"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(ProfileFile, MissingFileBehavesAsMissingKey) {
    qs::test::TempDir dir;
    EXPECT_EQ(qs::ReadProfileString(dir.Path("absent.cfg"), "Program Information", "Version", "0"), "0");
}

TEST(ProfileFile, ValuesAndDefaultsAreCutTo4095Characters) {
    qs::test::TempDir dir;
    const std::string longValue(5000, 'v');
    const auto file = dir.Write("long.cfg", "[S]\nK=" + longValue + "\n");
    EXPECT_EQ(qs::ReadProfileString(file, "S", "K", ""), std::string(4095, 'v'));
    EXPECT_EQ(qs::ReadProfileString(file, "S", "Missing", longValue), std::string(4095, 'v'));
}

TEST(ProfileFile, OpensNamesWrittenWithBackslashes) {
    qs::test::TempDir dir;
    dir.Write("Conf/MBF/dev.cfg", "[Program Information]\nAgentPort=1161\n");
    EXPECT_EQ(
        qs::ReadProfileString(dir.Dir() + "\\Conf\\MBF\\dev.cfg", "Program Information", "AgentPort", ""),
        "1161");
}

} // namespace
