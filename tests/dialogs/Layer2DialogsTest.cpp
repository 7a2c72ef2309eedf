// Every layer-2 dialog class built so far registers with the menu's dialog registry, so its menu
// entries no longer wait for their class, and each publishes itself in its global while shown.
#include "Layer2Dialogs.h"
#include "DialogClasses.h"
#include "DialogEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(Layer2Dialogs, TheBuiltClassesLeaveTheWaitingList) {
    const char* const built[] = {
        "TVlanStaticForm",
        "TVLanCurrentTableForm",
        "TVLanPortInfomationForm",
        "TGuestVlanForm",
        "TPortCapabilities8021dForm",
        "TUnicastFilterInformationForm",
        "TMulticastFilterInformationForm",
        "TNLBUnicastFDBForm",
        "TNLBMulticastFDBForm",
        "Tdot3PauseForm",
        "Tdot3ControlForm",
        "Tdot1vProtocolPortForm",
        "TIGMPRouterPortsForm",
        "TMLD_SnoopingRouterPortsForm",
        "TIGMP_SnoopingGroupTableForm",
        "TMLD_SnoopingGroupForm",
        "TISMVLANForm",
        "TIGMPMulticastVlanForm",
        "TIGMPSnoopingDataDrivenLearingGroupForm",
        "TIGMPSnoopingClearDnyIpMultForm",
        "TLLDPPortConfigForm",
        "TLLDPDot3PortConfigForm",
        "TLLDPLocSysDataForm",
        "TLLDPRemoteForm",
        "TLLDPDot3LinkAggForm",
        "TLLDPDot3RemoteLinkAggForm",
        "TLLDPConfigProtocolForm",
        "TLLDPConfigProtocolVLANForm",
        "TLLDPConfigVLANNameForm",
        "TSpanningTreeAlgorithmForm",
        "TSTP_Info",
        "TPortMirrorForm",
        "TTrafficSegmentationForm",
        "TMSTPVLANUnitForm",
        "TERPSVLANUnitForm",
    };
    qs::DialogRegistry registry;
    std::vector<qs::DialogDef> defs;
    for (const char* name : built) {
        defs.push_back({name, "x", qs::DialogOwner::Application});
    }
    std::vector<const qs::DialogDef*> commands;
    for (const auto& d : defs) {
        commands.push_back(&d);
    }
    EXPECT_EQ(registry.Missing(commands).size(), std::size(built));
    qs::RegisterLayer2Dialogs(registry);
    EXPECT_TRUE(registry.Missing(commands).empty());
    for (const char* name : built) {
        const qs::DialogClassEntry* entry = registry.Find(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_TRUE(entry->setGlobal) << name << " has a global instance pointer";
    }
    const char* const builtWithoutGlobal[] = {
        "TPortTrunkForm",
    };
    for (const char* name : builtWithoutGlobal) {
        const qs::DialogClassEntry* entry = registry.Find(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_FALSE(entry->setGlobal) << name << " has no global instance pointer";
    }
}

} // namespace
