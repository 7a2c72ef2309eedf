// Every acl dialog class built so far registers with the menu's dialog registry, so its menu
// entries no longer wait for their class, and each publishes itself in its global while shown.
#include "AclDialogs.h"
#include "DialogClasses.h"
#include "DialogEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(AclDialogs, TheBuiltClassesLeaveTheWaitingList) {
    const std::vector<std::string> built = {
        // one line per registered class
        "TEthernetMaskInformationForm",
        "TCPUEthernetInformationForm",
        "TEthernetInformationRuleForm",
        "TCPUEthernetInformationRuleForm",
        "TIPMaskInformationForm",
        "TCPUIPMaskInformationForm",
        "TPacketContentRuleForm",
        "TCPUFilterIPV6RuleForm",
        "TIPv6MaskInfoForm",
        "TIpv6RuleForm",
    };
    qs::DialogRegistry registry;
    std::vector<qs::DialogDef> defs;
    for (const std::string& name : built) {
        defs.push_back({name.c_str(), "x", qs::DialogOwner::Application});
    }
    std::vector<const qs::DialogDef*> commands;
    for (const auto& d : defs) {
        commands.push_back(&d);
    }
    EXPECT_EQ(registry.Missing(commands).size(), built.size());
    qs::RegisterAclDialogs(registry);
    EXPECT_TRUE(registry.Missing(commands).empty());
    for (const std::string& name : built) {
        const qs::DialogClassEntry* entry = registry.Find(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_TRUE(entry->setGlobal) << name << " has a global instance pointer";
    }
}

} // namespace
