// The main menu's top level, the Help menu and the frame of the Layer 2 menu.
#include "MainMenu.h"

#include "Layer2PortPages.h"
#include "Layer2ProtocolMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

constexpr DialogDef kAboutDialog = {"TAboutForm", nullptr, DialogOwner::Application};

constexpr MenuEntry kHelp[] = {
    EmptyItem("Help", "Help2"),
    DialogItem("About", "About1", kAboutDialog),
    Placeholder("Test", "Test1", kHidden),
};

// The Layer 2 submenus; their items come with their feature areas.
const MenuEntry kLayer2[] = {
    PageItem("Layer 2 Device Global Settings", "DeviceControl2", Layer2GlobalSettingsPage),
    Submenu("Multicast Filter", "MulticastFilter1", MulticastFilterItems()),
    Submenu("Port Management", "PortManagement1", PortManagementItems()),
    Submenu("QoS", "QoS1", QosItems()),
    Separator("N11"),
    Submenu("IGMP Snooping", "IGMPSnooping1", IgmpSnoopingItems()),
    Submenu("MLD Snooping", "MLDSnooping1", MldSnoopingItems()),
    Separator("N12"),
    Submenu("CoS Management", "CoSManagement1", CosItems()),
    TrafficSegmentationItem(),
    Submenu("Packet Storm", "PacketStorm1", PacketStormItems()),
    Separator("N13"),
    Submenu("ACL", "ACL1", AclItems()),
    Submenu("CPU Interface Filtering", "CPUInterfaceFiltering1", CpuFilterItems()),
    Submenu("Time Range", "TimeRange1", TimeRangeItems()),
    Separator("N14"),
    Submenu("802.3 ad", "N8023ad1", LinkAggregationItems()),
    Separator("N15"),
    Submenu("LLDP", "LLDP1", LldpItems()),
    Separator("N16"),
    Submenu("Loopback Detection ", "LoopbackDetection1", LoopbackDetectionItems()),
    Submenu("PoE", "PoE1", PoeItems(), kHidden),
    Submenu("BPDU Tunnel", "BPDUTunnel1", BpduTunnelItems()),
    Submenu("BPDU Protection", "BPDUProtection1", BpduProtectionItems()),
    ArpSpoofingPreventItem(),
    Separator("N17"),
    Submenu("ERPS", "ERPS1", ErpsItems()),
    Submenu("NLB", "NLB1", NlbItems()),
    PppoeItem(),
    Separator("N18"),
    Submenu("802.3 OAM", "N8023OAM1", Dot3OamItems()),
    Submenu("CFM", "CFM1", CfmItems()),
};

void Visit(std::span<const MenuEntry> items, const MenuPlace& parent,
           const std::function<void(const MenuEntry&, const MenuPlace&)>& visit) {
    for (const MenuEntry& entry : items) {
        MenuPlace place;
        place.path = parent.path.empty() ? std::string(entry.caption) : parent.path + " > " + entry.caption;
        place.hidden = parent.hidden || entry.hidden;
        visit(entry, place);
        Visit(entry.children, place, visit);
    }
}

} // namespace

std::span<const MenuEntry> HelpItems() {
    return kHelp;
}

std::span<const MenuEntry> MainMenuItems() {
    static const MenuEntry items[] = {
        Submenu("Basic Configuration", "BasicConfiguration1", BasicConfigurationItems()),
        DirectItem("RMON", "Menu_RMON", DirectCommand::RmonStateRead, RmonItems()),
        Submenu("Bridge", "Bridge1", BridgeItems()),
        Submenu("VLAN", "VLAN1", VlanItems()),
        Submenu("SNMP v3", "VACM1", SnmpV3Items()),
        EmptyItem("Security", "SecurityManagement1", SecurityItems()),
        Submenu("Layer 2", "Layer21", kLayer2),
        Submenu("Layer 3", "Layer31", Layer3Items()),
        Submenu("Single IP", "SingleIP1", SingleIpItems()),
        Submenu("Help", "Help1", HelpItems()),
        DirectItem("Refresh", "Refresh1", DirectCommand::RefreshPanel),
    };
    return items;
}

void ForEachMenuEntry(std::span<const MenuEntry> items,
                      const std::function<void(const MenuEntry&, const MenuPlace&)>& visit) {
    Visit(items, MenuPlace{}, visit);
}

const MenuEntry* FindMenuEntry(std::span<const MenuEntry> items, const std::string& name) {
    const MenuEntry* found = nullptr;
    ForEachMenuEntry(items, [&](const MenuEntry& entry, const MenuPlace&) {
        if (found == nullptr && name == entry.objectName) {
            found = &entry;
        }
    });
    return found;
}

} // namespace qs
