#include "Layer3Mib.h"

#include "SharedOptions.h"

namespace {

const QsOption kOtherEnabledDisabled[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
const QsOption kNeighborDeleteAction[] = {{1, "all"}, {2, "static"}, {3, "dynamic"}, {4, "other"}, {}};
const QsOption kReachState[] = {
    {1, "incomplete"}, {2, "reachable"}, {3, "stale"}, {4, "delay"}, {5, "probe"}, {6, "static"}, {}};
const QsOption kOption82Policy[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
const QsOption kRemoteIdType[] = {{1, "default"}, {2, "user-defined"}, {}};

const QsOptionList LinkLocalAutoStateList(kOtherEnabledDisabled, OVT_INT);
const QsOptionList DhcpOption12StateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList Ipv6AddressStateList(RowStatusOptions, OVT_INT);
const QsOptionList AllIpInterfaceStateList(kOtherEnabledDisabled, OVT_INT);
const QsOptionList NeighborCacheDeleteList(kNeighborDeleteAction, OVT_INT);
const QsOptionList ReachStateList(kReachState, OVT_INT);
const QsOptionList CacheRouteStatusList(RowStatusOptions, OVT_INT);
const QsOptionList DhcpRelayStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList Option82StateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList Option82CheckStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList Option82PolicyList(kOption82Policy, OVT_INT);
const QsOptionList RemoteIdTypeList(kRemoteIdType, OVT_INT);
const QsOptionList LocalRelayStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList LocalRelayVlanStateList(DisabledEnabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc IpControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.14", "IPv6 Link Local Address", SYN_IPV6ADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.15", "IPv6 Link Local Prefix Length", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.17", "IPv6 Link Local Auto State", SYN_INTEGER, ACC_READWRITE,
     &LinkLocalAutoStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.22", "DHCP Option12 State", SYN_INTEGER, ACC_READWRITE,
     &DhcpOption12StateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.3.1.23", "DHCP Option12 Host Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc Ipv6ControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.4.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.4.1.2", "Max Reassmbly Size", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.4.1.3", "NS Retrans Timer", SYN_GUAGE, ACC_READWRITE},
    {nullptr},
};

// Rows by interface name, IPv6 address (16 sub-identifiers) and prefix length.
const QsSNMPVarDesc Ipv6AddressControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1.2", "IPv6 Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1.3", "Prefix Length", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.5.1.8", "State", SYN_INTEGER, ACC_READWRITE, &Ipv6AddressStateList},
    {nullptr},
};

const QsSNMPVarDesc AllIpInterfaceStateVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.2.1.7", "All IP Interface State", SYN_INTEGER, ACC_READWRITE,
     &AllIpInterfaceStateList},
    {nullptr},
};

const QsSNMPVarDesc NeighborCacheDeleteVars[] = {
    {"1.3.6.1.4.1.58613.12.26.4.2", "IPv6 Neighbor Cache Delete Action", SYN_INTEGER, ACC_READWRITE,
     &NeighborCacheDeleteList},
    {nullptr},
};

// Rows by IPv6 address, MAC address and interface name; the name is also read as a column.
const QsSNMPVarDesc NeighborCacheVars[] = {
    {"1.3.6.1.4.1.58613.12.26.4.1.1.1", "IPv6 Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.26.4.1.1.2", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.26.4.1.1.3", "Interface Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.26.4.1.1.4", "Reach State", SYN_INTEGER, ACC_READONLY, &ReachStateList},
    {"1.3.6.1.4.1.58613.12.26.4.1.1.5", "Cache Route Status", SYN_INTEGER, ACC_READWRITE,
     &CacheRouteStatusList},
    {nullptr},
};

const QsSNMPVarDesc DhcpRelayManagementVars[] = {
    {"1.3.6.1.4.1.58613.12.42.1.1", "State", SYN_INTEGER, ACC_READWRITE, &DhcpRelayStateList},
    {"1.3.6.1.4.1.58613.12.42.1.2", "Hop Count", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.42.1.3", "Time Threshold", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.42.3.2.1", "Option 82 State", SYN_INTEGER, ACC_READWRITE, &Option82StateList},
    {"1.3.6.1.4.1.58613.12.42.3.2.2", "Option 82 Check State", SYN_INTEGER, ACC_READWRITE,
     &Option82CheckStateList},
    {"1.3.6.1.4.1.58613.12.42.3.2.3", "Option 82 Policy", SYN_INTEGER, ACC_READWRITE, &Option82PolicyList},
    {"1.3.6.1.4.1.58613.12.42.3.2.4", "Option 82 Remote ID Type", SYN_INTEGER, ACC_READWRITE,
     &RemoteIdTypeList},
    {"1.3.6.1.4.1.58613.12.42.3.2.5", "Option 82 Remote ID", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc DhcpLocalRelayStateVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.24.1", "DHCP Local Relay State", SYN_INTEGER, ACC_READWRITE,
     &LocalRelayStateList},
    {nullptr},
};

const QsSNMPVarDesc DhcpLocalRelayVlanVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.24.2.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.24.2.1.2", "VLAN State", SYN_INTEGER, ACC_READWRITE,
     &LocalRelayVlanStateList},
    {nullptr},
};
