// The Layer 2 menu's port management, QoS, packet storm and 802.3ad submenus.
#include "Layer2PortPages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kPortSecurityDeleteDialog = {"TPrtSecDelCtrlForm", "Port Security Delete", Application};
constexpr DialogDef kPortTrunkDialog = {"TPortTrunkForm", "Port Trunk", Application, NoGlobal};
constexpr DialogDef kPortMirrorDialog = {"TPortMirrorForm", "Port Mirror", Application, Untouched};
constexpr DialogDef kCosBandwidthDialog = {"TCoSBrandwidthctrlForm", "CoS Bandwidth Control Table",
                                           Application};

constexpr MenuEntry kPortSecurity[] = {
    PageItem("Port Security Trap Log State", "PortSecurityTrapLogState1", PortSecurityTrapLogPage),
    DialogItem("Port Security Delete Table", "PortSecurityDeleteTable1", kPortSecurityDeleteDialog),
    PageItem("Port Security Control", "PortSecurityControl1", PortSecurityControlPage),
};

constexpr MenuEntry kPortManagement[] = {
    PageItem("Port Information Table", "PortInformation1", PortInformationPage),
    PageItem("Port Control Table", "PortControl1", PortControlPage),
    PageItem("Error Port Table", "PortErrorTable1", ErrorPortPage),
    PageItem("Jumbo Frame Settings", "JumboFrameSettings1", JumboFramePage),
    Submenu("Port Security Table", "PortSecurityTable1", kPortSecurity),
    Separator("PortManagementN1"),
    PageItem("Trunk Basic Information", "TrunkBasicInformation1", TrunkInformationPage),
    DialogItem("Port Trunk Table", "PortTrunkTable1", kPortTrunkDialog),
    PageItem("Trunk LACP Port Table", "TrunkLACPPortTable1", TrunkLacpPortPage),
    PageItem("Trunk VLAN Table", "TrunkVLANTable1", TrunkVlanPage),
    Separator("PortManagementN2"),
    DialogItem("Port Mirror Table", "PortMirrorTable1", kPortMirrorDialog),
};

constexpr MenuEntry kQos[] = {
    DialogItem("CoS Bandwidth Control Table", "CoSBandwidthControlTable1", kCosBandwidthDialog),
    PageItem("QoS Scheduling Mechanism Control", "QoSSchedulingMechanismControl1",
             QosSchedulingMechanismPage),
    PageItem("Bandwidth Control Table", "BandwidthControlTable1", BandwidthControlPage),
    PageItem("Scheduling Table", "SchedulingTable1", SchedulingPage),
    PageItem("802.1p User Priority Table", "N8021pUserPriorityTable1", UserPriorityPage),
    PageItem("802.1p Default Priority Table", "N8021pDefaultPriorityTable1", DefaultPriorityPage),
};

constexpr MenuEntry kPacketStorm[] = {
    PageItem("Global Settings", "PacketStormControl1", PacketStormControlPage),
    PageItem("Control Table", "PacketStormControlTable1", PacketStormControlTablePage),
};

constexpr MenuEntry kLinkAggregation[] = {
    PageItem("Aggregator Table", "AggregatorTable1", AggregatorPage),
    PageItem("Aggregator Port List", "AggregatorPortList1", AggregatorPortListPage),
    PageItem("Aggregator Port Table", "AggreatorPortTable1", AggregationPortPage),
};

} // namespace

std::span<const MenuEntry> PortManagementItems() {
    return kPortManagement;
}
std::span<const MenuEntry> QosItems() {
    return kQos;
}
std::span<const MenuEntry> PacketStormItems() {
    return kPacketStorm;
}
std::span<const MenuEntry> LinkAggregationItems() {
    return kLinkAggregation;
}

} // namespace qs
