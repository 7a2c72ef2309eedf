#include "Registry.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class Registry : public testing::Test {
protected:
    void SetUp() override { setenv("KRS_REGISTRY_FILE", dir.Path("sub/registry.ini").c_str(), 1); }
    void TearDown() override { unsetenv("KRS_REGISTRY_FILE"); }
    qs::test::TempDir dir;
};

TEST_F(Registry, MissingKeyOpensOnlyWhenCreated) {
    EXPECT_FALSE(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", false));
    auto created = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", true);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->ReadString("1.3.6.1.4.1.58613.10.113.1.6"), "");
    EXPECT_TRUE(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", false));
    EXPECT_FALSE(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Panorix5.1\\ExePath", false));
}

TEST_F(Registry, ReadsValuesWrittenByHandInTheDocumentedForm) {
    dir.Write("sub/registry.ini",
              "[HKEY_LOCAL_MACHINE]\n"
              "SOFTWARE\\Torvik\\Modules\\HelpPath\\1.3.6.1.4.1.58613.10.113.1.6=/opt/krs/abc/x.dll\n"
              "SOFTWARE\\Torvik\\Panorix5.1\\ExePath\\Path=/opt/panorix/bin/\n");
    auto module = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", false);
    ASSERT_TRUE(module);
    EXPECT_EQ(module->ReadString("1.3.6.1.4.1.58613.10.113.1.6"), "/opt/krs/abc/x.dll");
    auto exe = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Panorix5.1\\ExePath", false);
    ASSERT_TRUE(exe);
    EXPECT_EQ(exe->ReadString("Path"), "/opt/panorix/bin/");
    EXPECT_EQ(exe->ReadString("Other"), "");
    EXPECT_FALSE(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Panorix5.1\\MibFile", false));
}

// A file the platform and the user keep: comments, "," and ";" in values, odd key names, a
// garbage line, CRLF or LF line ends, the module key missing.
struct KeptFileCase {
    const char* name;
    const char* eol;
};

void PrintTo(const KeptFileCase& c, std::ostream* os) {
    *os << c.name;
}

class RegistryKeptFile : public Registry, public testing::WithParamInterface<KeptFileCase> {
protected:
    std::string Lines(std::initializer_list<const char*> lines) const {
        std::string out;
        for (const char* line : lines) {
            out += std::string(line) + GetParam().eol;
        }
        return out;
    }
};

TEST_P(RegistryKeptFile, CreatingTheModuleKeyAddsOneLineAndReadsValuesAsWritten) {
    const std::string head =
        Lines({"; the platform's keys", "garbage without an equals sign", "[HKEY_LOCAL_MACHINE]"});
    const std::string rest =
        Lines({"# not a comment here = kept", "SOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=/srv/co,nf;x/",
               "SOFTWARE\\Torvik\\Other Key\\Value=a;b,c", "SOFTWARE\\Torvik\\Odd%20Name\\V = \"q\"",
               "[Other]", "SOFTWARE\\Torvik\\Modules\\HelpPath\\X=elsewhere"});
    dir.Write("sub/registry.ini", head + rest);
    auto module = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", true);
    ASSERT_TRUE(module);
    EXPECT_EQ(dir.Read("sub/registry.ini"),
              head + Lines({"SOFTWARE\\Torvik\\Modules\\HelpPath\\(key)="}) + rest);
    auto again = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", true);
    ASSERT_TRUE(again);
    EXPECT_EQ(dir.Read("sub/registry.ini"),
              head + Lines({"SOFTWARE\\Torvik\\Modules\\HelpPath\\(key)="}) + rest)
        << "an existing key is never written again";
    auto mib = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Panorix5.1\\MibFile", false);
    ASSERT_TRUE(mib);
    EXPECT_EQ(mib->ReadString("Path"), "/srv/co,nf;x/");
    auto other = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Other Key", false);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->ReadString("Value"), "a;b,c");
    auto odd = qs::RegistryKey::Open("\\software\\torvik\\odd%20name", false);
    ASSERT_TRUE(odd) << "key names compare without regard to case and are never unescaped";
    EXPECT_EQ(odd->ReadString("v"), "q");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, RegistryKeptFile,
                         testing::Values(KeptFileCase{"Lf", "\n"}, KeptFileCase{"CrLf", "\r\n"}),
                         [](const testing::TestParamInfo<KeptFileCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(Registry, FileWithoutTheSectionGetsItAtTheEnd) {
    dir.Write("sub/registry.ini", "junk\n\x01\x02 = binary");
    ASSERT_TRUE(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", true));
    EXPECT_EQ(dir.Read("sub/registry.ini"),
              "junk\n\x01\x02 = binary\n[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Modules\\HelpPath\\(key)=\n");
}

} // namespace

// A key name no line of the file can hold is not created, so the file keeps every other key's
// values and nothing is written that would read back as another key or none.
TEST_F(Registry, KeyNamesTheFileCannotHoldAreNotCreated) {
    const std::string content = "[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Modules\\HelpPath\\Path=/opt/help\n";
    const char* const names[] = {
        "\\SOFTWARE\\A\nB", "\\SOFTWARE\\A\n[Other]\nB", "\\SOFTWARE\\A=B",  "\\ SOFTWARE\\A",
        "\\;SOFTWARE\\A",   "\\[SOFTWARE]\\A",           "\\SOFTWARE\\A\rB", "\\SOFTWARE\\A\tB",
    };
    for (const char* name : names) {
        dir.Write("sub/registry.ini", content);
        EXPECT_FALSE(qs::RegistryKey::Open(name, true)) << name;
        EXPECT_EQ(dir.Read("sub/registry.ini"), content) << name;
    }
    EXPECT_TRUE(qs::RegistryKey::Open("\\SOFTWARE\\Odd Name;x,y\\A-B", true));
    EXPECT_TRUE(qs::RegistryKey::Open("\\SOFTWARE\\Odd Name;x,y\\A-B", false));
    EXPECT_EQ(qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", false)->ReadString("Path"),
              "/opt/help");
}
