#include "IpMacBindingMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kIpMacGlobalTrapLogState[] = {{2, "enable"}, {3, "disable"}, {}};
const QsOptionList IpMacGlobalTrapLogStateList(kIpMacGlobalTrapLogState, OVT_INT);
const QsOptionList IpMacGlobalDHCPSnoopingStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList IpMacGlobalDHCPSnoopEntryClearAllStateList(OtherStartOptions, OVT_INT);
// The binding state of one port, or of all of them.
const QsOption kBindingState[] = {
    {1, "other"}, {2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}, {}};
const QsOptionList IpMacGlobalAllPortStateList(kBindingState, OVT_INT);
const QsOptionList IpMacGlobalARPInspectionStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList IpMacPortStateList(kBindingState, OVT_INT);
const QsOptionList IpMacPortZeroIPStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList IpMacPortForwardDhcpPacketList(EnabledDisabledOptions, OVT_INT);
const QsOptionList IpMacPortDHCPSnoopEntryClearActionList(OtherStartOptions, OVT_INT);
const QsOption kIpMacPortMode[] = {{1, "arp"}, {2, "acl"}, {}};
const QsOptionList IpMacPortModeList(kIpMacPortMode, OVT_INT);
const QsOptionList IpMacPortRecoverLearningList(OtherStartOptions, OVT_INT);
const QsOption kIpMacPortLearningStatus[] = {{1, "normal"}, {2, "stop"}, {}};
const QsOptionList IpMacPortLearningStatusList(kIpMacPortLearningStatus, OVT_INT);
const QsOptionList IpMacSnoopStatusList(InactiveActiveOptions, OVT_INT);
const QsOption kIpMacBlockedType[] = {{2, "blockByAddrBind"}, {3, "delete"}, {}};
const QsOptionList IpMacBlockedTypeList(kIpMacBlockedType, OVT_INT);
const QsOptionList IpMacBlockedStatusList(RowStatusOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc IpMacBindingGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.23.1.1", "Trap Log State", SYN_INTEGER, ACC_READWRITE,
     &IpMacGlobalTrapLogStateList},
    {"1.3.6.1.4.1.58613.12.23.1.4", "DHCP Snooping State", SYN_INTEGER, ACC_READWRITE,
     &IpMacGlobalDHCPSnoopingStateList},
    {"1.3.6.1.4.1.58613.12.23.1.5", "DHCP Snoop Entry Clear All State", SYN_INTEGER, ACC_READWRITE,
     &IpMacGlobalDHCPSnoopEntryClearAllStateList},
    {"1.3.6.1.4.1.58613.12.23.3.1", "All Port State", SYN_INTEGER, ACC_READWRITE,
     &IpMacGlobalAllPortStateList},
    {"1.3.6.1.4.1.58613.12.23.1.6", "ARP Inspection State", SYN_INTEGER, ACC_READWRITE,
     &IpMacGlobalARPInspectionStateList},
    {nullptr},
};

const QsSNMPVarDesc IpMacBindingPortVars[] = {
    {"1.3.6.1.4.1.58613.12.23.3.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.2", "State", SYN_INTEGER, ACC_READWRITE, &IpMacPortStateList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.3", "Zero IP State", SYN_INTEGER, ACC_READWRITE,
     &IpMacPortZeroIPStateList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.4", "Forward Dhcp Packet", SYN_INTEGER, ACC_READWRITE,
     &IpMacPortForwardDhcpPacketList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.5", "DHCP Snoop Max Entry", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.6", "DHCP Snoop Entry Clear Action", SYN_INTEGER, ACC_READWRITE,
     &IpMacPortDHCPSnoopEntryClearActionList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.7", "Mode", SYN_INTEGER, ACC_READWRITE, &IpMacPortModeList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.8", "Stop Learning Threshold", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.9", "Recover Learning", SYN_INTEGER, ACC_READWRITE,
     &IpMacPortRecoverLearningList},
    {"1.3.6.1.4.1.58613.12.23.3.2.1.10", "Learning Status", SYN_INTEGER, ACC_READONLY,
     &IpMacPortLearningStatusList},
    {nullptr},
};

const QsSNMPVarDesc IpMacDhcpSnoopVars[] = {
    {"1.3.6.1.4.1.58613.12.23.4.3.1.1", "IP Index", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.23.4.3.1.2", "MAC", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.23.4.3.1.3", "Lease Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.23.4.3.1.4", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.23.4.3.1.5", "Status", SYN_INTEGER, ACC_READONLY, &IpMacSnoopStatusList},
    {nullptr},
};

// Indexed by VLAN and MAC address; a blocked entry can only be destroyed.
const QsSNMPVarDesc IpMacBlockedVars[] = {
    {"1.3.6.1.4.1.58613.12.23.4.2.1.1", "Blocked VLAN ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.23.4.2.1.2", "MAC ", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.23.4.2.1.3", "VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.23.4.2.1.4", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.23.4.2.1.5", "Type", SYN_INTEGER, ACC_READWRITE, &IpMacBlockedTypeList},
    {"1.3.6.1.4.1.58613.12.23.4.2.1.7", "Status", SYN_INTEGER, ACC_READWRITE, &IpMacBlockedStatusList},
    {nullptr},
};
