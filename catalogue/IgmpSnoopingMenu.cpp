// The Layer 2 menu's IGMP snooping submenu.
#include "IgmpSnoopingPages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;

constexpr DialogDef kGroupTableDialog = {"TIGMP_SnoopingGroupTableForm", "IGMP Snooping Group Table",
                                         Application};
constexpr DialogDef kDataDrivenGroupDialog = {"TIGMPSnoopingDataDrivenLearingGroupForm",
                                              "IGMP Snooping Data Driven Learning Group Table", Application};
constexpr DialogDef kRouterPortsDialog = {"TIGMPRouterPortsForm", "IGMP Router Ports", Application};
constexpr DialogDef kMulticastVlanTableDialog = {"TISMVLANForm", "IGMP Multicast VLAN Table", Application};
constexpr DialogDef kMulticastVlanGroupDialog = {"TIGMPMulticastVlanForm", "IGMP Multicast VLAN Group",
                                                 Application};
constexpr DialogDef kClearDynamicDialog = {"TIGMPSnoopingClearDnyIpMultForm",
                                           "IGMP Snooping Clear Dynamic IP Multicast", Application};

constexpr MenuEntry HiddenSeparator(const char* name) {
    return {.caption = "-", .objectName = name, .hidden = true, .kind = CommandKind::Separator};
}

constexpr MenuEntry kIgmpSnooping[] = {
    PageItem("Global Settings", "IGMPGlobalSettings1", IgmpGlobalSettingsPage),
    PageItem("General Information", "IGMPGeneral1", IgmpManagementInfoPage),
    DialogItem("Group Table", "IGMPGroupTable1", kGroupTableDialog),
    Separator("IGMPSnoopingN1"),
    PageItem("Control Table", "IGMPControlTable1", IgmpControlPage),
    PageItem("Query Information", "IGMPQuery1", IgmpQueryInfoPage),
    PageItem("IGMP Information ", "IGMPInformation1", IgmpInformationPage, kHidden),
    PageItem("Host Table", "HostTable2", IgmpHostPage),
    Placeholder("Multicast VLAN", "IGMPMulticastVLAN1", kHidden),
    DialogItem("Data Driven Learning Group", "IGMPDataDrivenLearningGroup1", kDataDrivenGroupDialog),
    DialogItem("Router Ports", "IGMPRouterPorts1", kRouterPortsDialog),
    Separator("IGMPSnoopingN2"),
    PageItem("Access Authentication Table", "IGMPAccessAuthenticationTable1", IgmpAccessAuthenticationPage),
    Separator("IGMPSnoopingN3"),
    DialogItem("Multicast VLAN Table", "IGMPMulticastVLANTable1", kMulticastVlanTableDialog),
    DialogItem("Multicast VLAN Group", "IGMPMulticastVLANGroup1", kMulticastVlanGroupDialog),
    HiddenSeparator("IGMPSnoopingN4"),
    PageItem("IGMPv3 Table", "IGMPv3Table1", Igmpv3Page, kHidden),
    Separator("IGMPSnoopingN5"),
    PageItem("Dynamic IP Multicast Max Entry", "IGMPDynIPMultMaxEntry1", IgmpDynamicMaxEntryPage),
    DialogItem("Clear Dynamic IP Multicast", "IGMPClearDynamicIPMulticast1", kClearDynamicDialog),
};

} // namespace

std::span<const MenuEntry> IgmpSnoopingItems() {
    return kIgmpSnooping;
}

} // namespace qs
