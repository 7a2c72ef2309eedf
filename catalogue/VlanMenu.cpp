// The VLAN menu: 802.1p priorities, the 802.1Q bridge, protocol and MAC-based VLANs, Q-in-Q,
// PVID auto assignment and the VLAN advertisement and multiple-VLAN settings.
#include "MainMenu.h"
#include "MenuMakers.h"
#include "VlanPages.h"

namespace qs {

namespace {

using enum DialogOwner;

constexpr DialogDef kPortCapabilityDialog = {"TPortCapabilities8021dForm", "Port Capability Form",
                                             Application};
constexpr DialogDef kPortsInformationDialog = {"TVLanPortInfomationForm", "VLAN Port Information Form",
                                               Application};
constexpr DialogDef kVlanStaticDialog = {"TVlanStaticForm", "VLAN Static", MainForm};
constexpr DialogDef kVlanCurrentDialog = {"TVLanCurrentTableForm", "VLAN Current", MainForm};
constexpr DialogDef kUnicastFilterDialog = {"TUnicastFilterInformationForm", "Unicast Filter Information",
                                            MainForm};
constexpr DialogDef kMulticastFilterDialog = {"TMulticastFilterInformationForm",
                                              "Multicast Filter Information", MainForm};
constexpr DialogDef kProtocolPortDialog = {"Tdot1vProtocolPortForm", "Protocol VLAN Port Table", Application};

// GMRP and GARP are hidden and do nothing.
constexpr MenuEntry HiddenEmptyItem(const char* caption, const char* name) {
    MenuEntry entry = EmptyItem(caption, name);
    entry.hidden = kHidden;
    return entry;
}

constexpr MenuEntry kPriorityInformation[] = {
    PageItem("Default User Priorities of Each Port", "DefaultUserPrioritiesofEachPort1",
             Dot1pDefaultPriorityPage),
    PageItem("Regenerated User Priorities", "RegeneratedUserPriorities1", Dot1pRegenPriorityPage, kHidden),
    PageItem("User Priorities To Traffic Class", "UserPrioritiesToTrafficClass1", Dot1pTrafficClassPage),
    PageItem("Port Outbound Access Priorities", "PortOutboundAccessPriorities1", Dot1pOutboundAccessPage,
             kHidden),
};

constexpr MenuEntry kHighCapacity[] = {
    Placeholder("Port Table", "HCPortTable1"),
    Placeholder("Port Overflow", "HCPortOverflow1"),
};

constexpr MenuEntry kDot1p[] = {
    PageItem("Basic Configure", "BasicConfigure2", Dot1pBasicPage),
    Submenu("Priority Information", "PriorityInformation1", kPriorityInformation),
    HiddenEmptyItem("GMRP", "GMRP1"),
    HiddenEmptyItem("GARP", "GVRP1"),
    DialogItem("Port Capability", "PortCapability1", kPortCapabilityDialog),
    Submenu("High Capacity", "HighCapacity1", kHighCapacity, kHidden),
};

constexpr MenuEntry kDot1qBridge[] = {
    PageItem("Basic Configure", "BasicConfigure", Dot1qBasicPage),
    DialogItem("Ports Information", "PortsInformation1", kPortsInformationDialog),
};

constexpr MenuEntry kForwardingFiltering[] = {
    PageItem("Unicast Forwarding Information", "UnicastForwardingInformation1", UnicastForwardingPage),
    Placeholder("Tp Group Destination Forwarded", "TpGroupDestinationForwarded1", kHidden),
    Placeholder("Multicast Forwarding Information", "MulticastForwardingInformation1", kHidden),
    Placeholder("Forward Unregistered Information", "ForwardUnregisteredInformation1", kHidden),
    PageItem("Filtering Database", "Databaseinformation1", FilteringDatabasePage),
    Placeholder("Filtering Information", "FilteringInformation1", kHidden),
};

constexpr MenuEntry kDot1qVlan[] = {
    DialogItem("Static Table", "VlanStaticTable1", kVlanStaticDialog),
    DialogItem("Current Table", "VlanCurrentTable1", kVlanCurrentDialog),
};

constexpr MenuEntry kStaticFiltering[] = {
    DialogItem("Unicast Information", "UnicastInformation1", kUnicastFilterDialog),
    DialogItem("Multicast Information", "MulticastInformation1", kMulticastFilterDialog),
};

constexpr MenuEntry kDot1q[] = {
    Submenu("802.1Q Bridge", "N8021QBridge1", kDot1qBridge),
    Submenu("Forwarding/Filtering", "ForwardingFiltering1", kForwardingFiltering),
    Submenu("802.1Q VLAN ", "N8021QVLAN1", kDot1qVlan),
    Submenu("Static Filtering ", "StaticFiltering1", kStaticFiltering),
};

constexpr MenuEntry kProtocolVlan[] = {
    PageItem("Group Table", "GroupTable1", ProtocolGroupPage),
    DialogItem("Port Table", "ProtocolVlanPortTable1", kProtocolPortDialog),
    PageItem("Protocol Port Group Priority", "ProtocolPortEntryTable1", ProtocolGroupPriorityPage),
};

constexpr MenuEntry kDoubleVlan[] = {
    Placeholder("Global State", "DoubleVlanGlobalState1"),
    Placeholder("Double VLAN Control  Table", "DoubleVLANControlTable1"),
};

constexpr MenuEntry kQinQ[] = {
    PageItem("Global State Settings", "QinQGlobalStateSettings1", QinQStatePage),
    PageItem("Port Table", "QinQPortTable1", QinQPortPage),
    PageItem("VLAN Translation CVID Table", "VLANTranslatation1", VlanTranslationCvidPage),
};

constexpr MenuEntry kVlan[] = {
    Submenu("802.1p", "N8021p1", kDot1p),
    Submenu("802.1Q", "N8021Q1", kDot1q),
    Submenu("Protocol VLAN", "ProtocolVLAN1", kProtocolVlan),
    Separator("VlanSeparator1"),
    PageItem("MAC-based VLAN", "MACbasedVLAN1", MacBasedVlanPage),
    Submenu("Double VLAN", "DoubleVLAN1", kDoubleVlan, kHidden),
    Submenu("Q-in-Q", "QinQ1", kQinQ),
    PageItem("PVID Auto Assignment", "PVIDAutoAssignmentState1", PvidAutoAssignPage),
    PageItem("VLAN Advertisement Table", "VLANAdvertisementTable1", VlanAdvertisementPage),
    PageItem("VLAN Multiply Management\n", "VlLANMultiplyManagement1", VlanMultiplyPage),
};

} // namespace

std::span<const MenuEntry> VlanItems() {
    return kVlan;
}

} // namespace qs
