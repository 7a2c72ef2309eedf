#include "Layer3Pages.h"

#include "Layer3Mib.h"
#include "PageMakers.h"
#include "SingleIpMib.h"

namespace qs {

namespace {

constexpr FormatDef kSingleIpControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}, {4, "%s{l64}"}};
constexpr FormatDef kInterfaceNameFormats[] = {{0, "%s{l24}"}};
// The address key is typed as its 32 hex digits; nothing but hex digits is taken.
constexpr FormatDef kIpv6AddressFormats[] = {{0, "%s{l24}"}, {1, "%h{l32f}"}};
constexpr FormatDef kDhcpRelayFormats[] = {{1, "%i{n1x16l2}"}, {2, "%i{n0x65535l5}"}};
// The host name may be sent empty: it clears the name.
constexpr TagDef kIpControlTags[] = {{5, 99}};

} // namespace

const PageDef SingleIpControlPage =
    WithFormats(ScalarPage("Single IP Control", SingleIpControlVars), kSingleIpControlFormats);
const PageDef SingleIpInformationPage = ScalarPage("My Information", SingleIpInformationVars);
const PageDef CandidateSwitchPage =
    ListPage("Single IP Candidate Switch Management", CandidateSwitchVars, MVT_FMV, 1);
const PageDef GroupInformationPage = ListPage("Single IP Group Management", GroupMemberVars, MVT_FMV, 1);
const PageDef NeighborSwitchPage = ListPage("Neighbor Switch", NeighborSwitchVars, MVT_FMV, 2);

const PageDef IpControlPage = [] {
    PageDef page = ListPage("IP Control Table", IpControlVars, MVT_UMV, 1);
    page.tags = kIpControlTags;
    return page;
}();
const PageDef Ipv6ControlPage =
    WithFormats(ListPage("IPv6 Control Table", Ipv6ControlVars, MVT_UMV, 1), kInterfaceNameFormats);
const PageDef Ipv6AddressControlPage = [] {
    PageDef page = ListPage("IPv6 Address Control Table", Ipv6AddressControlVars, MVT_UMV, 3);
    page.add = {3, "createAndGo"};
    page.del = {3, "destroy"};
    page.formats = kIpv6AddressFormats;
    return page;
}();
const PageDef AllIpInterfaceStatePage =
    ScalarPage("All IP Interface State Settings", AllIpInterfaceStateVars);
const PageDef NeighborCacheDeletePage =
    ScalarPage("IPv6 Neighbor Cache Delete Action", NeighborCacheDeleteVars);
// Three keys: the interface name is the third, also read as a column.
const PageDef NeighborCachePage = AddDeletePage("IPv6 Neighbor Cache Table", NeighborCacheVars, 3, 4);
const PageDef DhcpRelayManagementPage =
    WithFormats(ScalarPage("DHCP Relay Management", DhcpRelayManagementVars), kDhcpRelayFormats);
const PageDef DhcpLocalRelayStatePage = ScalarPage("DHCP Local Relay State", DhcpLocalRelayStateVars);
const PageDef DhcpLocalRelayVlanPage =
    ListPage("DHCP Local Relay VLAN Table", DhcpLocalRelayVlanVars, MVT_UMV, 1);

} // namespace qs
