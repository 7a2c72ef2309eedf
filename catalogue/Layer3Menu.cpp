// The Single IP and Layer 3 menus.
#include "Layer3Pages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;

constexpr DialogDef kMemberSwitchDialog = {"TMSInformationForm", "Member Switch Information", MainForm};
constexpr DialogDef kIpv6StaticRouteDialog = {"TIpv6StaticRouteForm", "IPv6 Static Route Table", Application};
constexpr DialogDef kDhcpRelayControlDialog = {"TBOOTCtrlTableForm", "DHCP Relay Control", MainForm};

constexpr MenuEntry kSingleIp[] = {
    PageItem("Global Settings", "SingleIPControl1", SingleIpControlPage),
    PageItem("Information", "MyInformation1", SingleIpInformationPage),
    DialogItem("Member Switch", "MemberSwitch1", kMemberSwitchDialog),
    PageItem("Candidate Switch", "CandidateSwitch1", CandidateSwitchPage),
    PageItem("Group Information", "GroupInformation1", GroupInformationPage),
    PageItem("Neighbor Switch", "NeighborSwitch1", NeighborSwitchPage),
    Placeholder("MS Trap Message", "MSTrapMessage1", kHidden),
};

constexpr MenuEntry kIpManagement[] = {
    PageItem("IP Control Table", "IPControlTable2", IpControlPage),
    PageItem("IPv6 Control Table", "IPv6ControlTable1", Ipv6ControlPage),
    PageItem("IPv6 Address Control Table", "IPv6AddressControlTable1", Ipv6AddressControlPage),
    PageItem("All IP Interface State Settings", "IPControlAllIpIfState1", AllIpInterfaceStatePage),
};

constexpr MenuEntry kIpv6Management[] = {
    Placeholder("ARP Aging Time", "ARPAgingTime1", kHidden),
    Placeholder("IP Static Route", "IPStaticRoute1", kHidden),
    DialogItem("IPv6 Static Route Table", "IPv6StaticRouteTable1", kIpv6StaticRouteDialog),
    PageItem("Neighbor Cache Delete Settings", "NeighborCacheDeleteSettings", NeighborCacheDeletePage),
    PageItem("Neighbor Cache Table", "NeighborCacheTable1", NeighborCachePage),
};

constexpr MenuEntry kDhcpRelay[] = {
    PageItem("DHCP Relay Management", "Management1", DhcpRelayManagementPage),
    DialogItem("DHCP Relay Control", "DHCPRelayControl1", kDhcpRelayControlDialog),
    Placeholder("", "DHCPRelayUnused1", kHidden),
    PageItem("DHCP Local Relay State", "DHCPLocalRelayState1", DhcpLocalRelayStatePage),
    PageItem("DHCP Local Relay VLAN Table", "DHCPLocalRelayVLANTable1", DhcpLocalRelayVlanPage),
};

constexpr MenuEntry kLayer3[] = {
    Submenu("IP Managment", "IPManagment1", kIpManagement),
    Submenu("IPv6 Management", "IPv6Management1", kIpv6Management),
    Separator("Layer3N1"),
    Submenu("DHCP Relay", "DHCPRelay1", kDhcpRelay),
};

} // namespace

std::span<const MenuEntry> SingleIpItems() {
    return kSingleIp;
}
std::span<const MenuEntry> Layer3Items() {
    return kLayer3;
}

} // namespace qs
