#include "ProgramLaunch.h"

#include "RecordingTool.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, SplitsAtBlanksOnly) {
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"MIB /I10.0.0.5 /Rpub /TMIB_Info ", {"MIB", "/I10.0.0.5", "/Rpub", "/TMIB_Info"}},
        {"  a   b  ", {"a", "b"}},
        {"", {}},
        {"x;rm -rf /tmp/y $(id) `id`", {"x;rm", "-rf", "/tmp/y", "$(id)", "`id`"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::SplitCommandLine(c.line), c.words) << c.line;
    }
}

TEST(LaunchProgram, PassesEveryWordUninterpreted) {
    qs::test::RecordingTool tool("krs-recorder");
    ASSERT_TRUE(qs::LaunchProgram("krs-recorder /Aab$(id) 'q' \"d\" *"));
    EXPECT_EQ(tool.waitForArguments(), (Words{"/Aab$(id)", "'q'", "\"d\"", "*"}));
}

TEST(LaunchProgram, MissingProgramFailsQuietly) {
    EXPECT_FALSE(qs::LaunchProgram("krs-no-such-program-here /I1.2.3.4"));
    EXPECT_FALSE(qs::LaunchProgram("   "));
}

} // namespace
