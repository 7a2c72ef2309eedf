// The main menu's top level, the Help menu and the frame of the Layer 2 menu.
#include "MainMenu.h"

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
    Placeholder("Layer 2 Device Global Settings", "Layer2DeviceGlobalSettings1"),
    Submenu("Multicast Filter", "MulticastFilter1", MulticastFilterItems()),
    Placeholder("Port Management", "PortManagement1"),
    Placeholder("QoS", "QoS1"),
    Separator("N11"),
    Placeholder("IGMP Snooping", "IGMPSnooping1"),
    Submenu("MLD Snooping", "MLDSnooping1", MldSnoopingItems()),
    Separator("N12"),
    Placeholder("CoS Management", "CoSManagement1"),
    TrafficSegmentationItem(),
    Placeholder("Packet Storm", "PacketStorm1"),
    Separator("N13"),
    Placeholder("ACL", "ACL1"),
    Placeholder("CPU Interface Filtering", "CPUInterfaceFiltering1"),
    Placeholder("Time Range", "TimeRange1"),
    Separator("N14"),
    Placeholder("802.3 ad", "N8023ad1"),
    Separator("N15"),
    Placeholder("LLDP", "LLDP1"),
    Separator("N16"),
    Submenu("Loopback Detection ", "LoopbackDetection1", LoopbackDetectionItems()),
    Placeholder("PoE", "PoE1", kHidden),
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
        Placeholder("VLAN", "VLAN1"),
        Placeholder("SNMP v3", "VACM1"),
        EmptyItem("Security", "Security1"),
        Submenu("Layer 2", "Layer21", kLayer2),
        Placeholder("Layer 3", "Layer31"),
        Placeholder("Single IP", "SingleIP1"),
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
