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

} // namespace
