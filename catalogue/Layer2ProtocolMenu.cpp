#include "Layer2ProtocolMenu.h"

#include "Layer2ProtocolPages.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kMldGroupDialog = {"TMLD_SnoopingGroupForm", "MLD Snooping Group Information",
                                       Application};
constexpr DialogDef kMldRouterPortsDialog = {"TMLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports",
                                             Application};
constexpr DialogDef kTrafficSegmentationDialog = {"TTrafficSegmentationForm", "Traffic Segmentation Table",
                                                  Application, Untouched};
constexpr DialogDef kArpSpoofingDialog = {"TARPSpoofingPreventMgmtForm",
                                          "ARP Spoofing Prevent Managment Table", Application};
constexpr DialogDef kErpsVlanDialog = {"TERPSVLANUnitForm", "ERPS VLAN Table", Application};
constexpr DialogDef kNlbUnicastDialog = {"TNLBUnicastFDBForm", "NLB Unicast FDB Settings", Application};
constexpr DialogDef kNlbMulticastDialog = {"TNLBMulticastFDBForm", "NLB Multicast FDB Settings", Application};

constexpr MenuEntry kMulticastFilter[] = {
    PageItem("Multicast Filter Table", "MulticastFilterTable1", MulticastFilterTablePage),
    PageItem("Port Information Table", "MulticastFilterPortInformationTable1", MulticastFilterPortInfoPage),
    PageItem("Port Table", "MulticastFilterPortTable1", MulticastFilterPortTablePage),
    PageItem("Port Max Group Table", "MulticastFilterPortMaxGroupTable1", MulticastFilterMaxGroupPage),
};

constexpr MenuEntry kMldSnooping[] = {
    PageItem("Global Settings", "MLDSnoopingManagement1", MldSnoopingGlobalPage),
    PageItem("Control Table", "MLDSnoopingControl1", MldSnoopingControlPage),
    PageItem("Counter Total Rx Query\n Table", "CounterTotalRxQueryTable1", MldRxQueryCounterPage),
    DialogItem("Group Information", "MLDSnoopingGroupInformation1", kMldGroupDialog),
    DialogItem("Router Ports", "MLDSnoopingRouterPorts1", kMldRouterPortsDialog),
    Placeholder("", "MLDSnoopingUnnamed1", kHidden),
};

constexpr MenuEntry kLoopbackDetection[] = {
    PageItem("Loop Detect Control", "LoopDetectControl1", LoopDetectControlPage),
    PageItem("Loop Detect Port Table", "LoopDetectPortTable1", LoopDetectPortTablePage),
};

constexpr MenuEntry kBpduTunnel[] = {
    PageItem("Global Settings", "GlobalSetting1", BpduTunnelGlobalPage),
    PageItem("Information", "Infomation1", BpduTunnelInfoPage),
    PageItem("Tunnel Table", "TunnelTable1", BpduTunnelTablePage),
};

constexpr MenuEntry kBpduProtection[] = {
    PageItem("Global Settings", "GlobalSettings2", BpduProtectionGlobalPage),
    PageItem("Port Table", "PortTable7", BpduProtectionPortPage),
};

constexpr MenuEntry kErps[] = {
    PageItem("Global Settings", "GlobalSettings1", ErpsGlobalPage),
    DialogItem("VLAN Table", "VLANTable1", kErpsVlanDialog),
};

constexpr MenuEntry kNlb[] = {
    DialogItem("Unicast FDB Settings", "UnicastFDBTable1", kNlbUnicastDialog),
    DialogItem("Multicast FDB Settings", "NLBMulticastFDBSettings1", kNlbMulticastDialog),
};

constexpr MenuEntry kDot3Oam[] = {
    PageItem("OAM Table", "OAMTable1", Dot3OamTablePage),
    PageItem("Peer Table", "PeerTable1", Dot3OamPeerTablePage),
    PageItem("Loopback Table", "LoopbackTable1", Dot3OamLoopbackTablePage),
    PageItem("Statistics Table", "StatisticsTable1", Dot3OamStatsTablePage),
    PageItem("Event Configuration Table", "EventConfigurationTable1", Dot3OamEventConfigPage),
    PageItem("Event Log Table", "EventLogTable1", Dot3OamEventLogPage),
};

constexpr MenuEntry kCfmMd[] = {
    PageItem("Next Index", "MDTableNextIndex2", CfmMdNextIndexPage, kHidden),
    PageItem("MD Table", "MDTable1", CfmMdTablePage),
};

constexpr MenuEntry kCfmMa[] = {
    PageItem("Net Table", "NetTable1", CfmMaNetTablePage),
    PageItem("Component Table", "ComponentTable1", CfmMaComponentTablePage),
    PageItem("List Table", "ListTable1", CfmMaMepListTablePage),
};

constexpr MenuEntry kCfmMep[] = {
    PageItem("MEP Table", "MEPTable1", CfmMepTablePage),
    PageItem("Linktrace Replies Table", "LinktraceRepliesTable1", CfmLinktraceRepliesPage),
    PageItem("Data Table", "DatabaseTable2", CfmMepDataTablePage),
};

constexpr MenuEntry kCfm[] = {
    PageItem("Global State", "GlobalState2", CfmGlobalStatePage),
    PageItem("Port Table", "PortTable8", CfmPortTablePage),
    PageItem("Stack Table", "StackTable1", CfmStackTablePage),
    PageItem("VLAN Table", "VLANTable2", CfmVlanTablePage, kHidden),
    Submenu("MD", "MD1", kCfmMd),
    Submenu("MA", "MA1", kCfmMa),
    Submenu("MEP", "MEP1", kCfmMep),
};

} // namespace

std::span<const MenuEntry> MulticastFilterItems() {
    return kMulticastFilter;
}
std::span<const MenuEntry> MldSnoopingItems() {
    return kMldSnooping;
}
std::span<const MenuEntry> LoopbackDetectionItems() {
    return kLoopbackDetection;
}
std::span<const MenuEntry> BpduTunnelItems() {
    return kBpduTunnel;
}
std::span<const MenuEntry> BpduProtectionItems() {
    return kBpduProtection;
}
std::span<const MenuEntry> ErpsItems() {
    return kErps;
}
std::span<const MenuEntry> NlbItems() {
    return kNlb;
}
std::span<const MenuEntry> Dot3OamItems() {
    return kDot3Oam;
}
std::span<const MenuEntry> CfmItems() {
    return kCfm;
}

MenuEntry TrafficSegmentationItem() {
    return DialogItem("Traffic Segmentation Table ", "TrafficSegmentationTable1", kTrafficSegmentationDialog);
}
MenuEntry ArpSpoofingPreventItem() {
    return DialogItem("ARP Spoofing Prevent", "ARPSpoofingPrevent1", kArpSpoofingDialog);
}
MenuEntry PppoeItem() {
    return PageItem("PPPoE Circuit ID Insertion", "PPPoE1", PppoePage);
}

} // namespace qs
