// Every security dialog class built so far registers with the menu's dialog registry, so its menu
// entries no longer wait for their class, and each publishes itself in its global while shown.
#include "SecurityDialogs.h"
#include "DialogClasses.h"
#include "DialogEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SecurityDialogs, TheBuiltClassesLeaveTheWaitingList) {
    const std::vector<std::string> built = {
        // clang-format off
        "TARPConfigForm",
        "TIPMACBindingForm",
        "TFilterDHCPPermitForm",
        "TARPSpoofingPreventMgmtForm",
        "TServerInformationForm",
        "TAAASrvCtrlForm",
        "TLoginMethodListForm",
        "TSSHUserCtrlList",
        "TSSLManagementForm",
        "TCertificateFileForm",
        "TBulwarkCtrlForm",
        "TMSInformationForm",
        "TCoSBrandwidthctrlForm",
        "TIpv6StaticRouteForm",
        "TBOOTCtrlTableForm",
        "TMBAControlForm",
        "TPrtSecDelCtrlForm",
        "TCurrentTimeForm",
        "TfrmNetwroktime",
        "TfrmSummerTime",
        "TSystemLogServerForm",
        "TSMTPControlForm",
        "TTimeRangeForm",
        "TfrmAgentSupportedUpdateFiles",
        // clang-format on
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
    qs::RegisterSecurityDialogs(registry);
    EXPECT_TRUE(registry.Missing(commands).empty());
    for (const std::string& name : built) {
        const qs::DialogClassEntry* entry = registry.Find(name);
        ASSERT_NE(entry, nullptr) << name;
        if (const qs::DialogClassDef* cls = qs::FindDialogClass(name); cls && !cls->hasGlobal) {
            EXPECT_FALSE(entry->setGlobal) << name << " has no global instance pointer";
            continue;
        }
        EXPECT_TRUE(entry->setGlobal) << name << " has a global instance pointer";
    }
}

} // namespace
