#include "FilePath.h"
#include "TempFiles.h"
#include "TextTrim.h"

#include <gtest/gtest.h>

namespace {

TEST(NativePath, TurnsBackslashesIntoSlashes) {
    EXPECT_EQ(qs::NativePath("errmsg\\common.err"), "errmsg/common.err");
    EXPECT_EQ(qs::NativePath("/opt/mod\\errmsg\\snmp.msg"), "/opt/mod/errmsg/snmp.msg");
    EXPECT_EQ(qs::NativePath("plain.cfg"), "plain.cfg");
}

TEST(ReadWholeFile, ReadsBytesThroughABackslashName) {
    qs::test::TempDir dir;
    dir.Write("errmsg/a.err", "one\r\ntwo");
    std::string content;
    ASSERT_TRUE(qs::ReadWholeFile(dir.Dir() + "\\errmsg\\a.err", content));
    EXPECT_EQ(content, "one\r\ntwo");
}

TEST(ReadWholeFile, MissingFileGivesFalseAndNothing) {
    qs::test::TempDir dir;
    std::string content = "stale";
    EXPECT_FALSE(qs::ReadWholeFile(dir.Path("none.err"), content));
    EXPECT_TRUE(content.empty());
}

TEST(TextTrim, TrimsBlanksAndControlCharactersOnly) {
    EXPECT_EQ(qs::Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(qs::Trim("\x01\x1f"), "");
    EXPECT_EQ(qs::TrimRight("  x  "), "  x");
    EXPECT_TRUE(qs::EqualsNoCase("AgentPort", "AGENTPORT"));
    EXPECT_FALSE(qs::EqualsNoCase("AgentPort", "AgentPort2"));
}

} // namespace
