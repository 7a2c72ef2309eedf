#include "Layer2GlobalMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kSystemReboot[] = {{1, "other"},
                                  {2, "reboot"},
                                  {3, "save-config-and-reboot"},
                                  {4, "reboot-and-load-factory-default-config"},
                                  {}};
const QsOption kNormalActive[] = {{1, "normal"}, {2, "active"}, {}};
const QsOption kStormTrap[] = {{1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {}};
const QsOption kStormAction[] = {{1, "shutdown"}, {2, "drop"}, {}};

const QsOptionList SystemRebootList(kSystemReboot, OVT_INT);
const QsOptionList GlobalIgmpSnoopingList(DisabledEnabledOptions, OVT_INT);
const QsOptionList CleanCountersList(kNormalActive, OVT_INT);
const QsOptionList AuthenticateTrapList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GlobalRmonStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList IpAutoConfigureList(DisabledEnabledOptions, OVT_INT);
const QsOptionList MacNotifyStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList LldpStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList LldpForwardList(EnabledDisabledOptions, OVT_INT);
const QsOptionList AsymmetricVlanList(DisabledEnabledOptions, OVT_INT);
const QsOptionList MulticastVlanStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList VlanTrunkStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PasswordEncryptionList(EnabledDisabledOptions, OVT_INT);
const QsOptionList WebStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList StormTrapList(kStormTrap, OVT_INT);
const QsOptionList BroadcastStormList(DisabledEnabled12Options, OVT_INT);
const QsOptionList MulticastStormList(DisabledEnabled12Options, OVT_INT);
const QsOptionList UnicastStormList(DisabledEnabled12Options, OVT_INT);
const QsOptionList StormActionList(kStormAction, OVT_INT);

} // namespace

const QsSNMPVarDesc Layer2GlobalSettingsVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.1", "System Reboot", SYN_INTEGER, ACC_READWRITE, &SystemRebootList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.2", "System IP", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.3", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.4", "Default Gateway", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.5", "Management VLAN ID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.7", "IGMP Snooping", SYN_INTEGER, ACC_READWRITE,
     &GlobalIgmpSnoopingList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.12", "Clean All Statistic Counter", SYN_INTEGER, ACC_READWRITE,
     &CleanCountersList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.13", "SNMP Authenticate Trap", SYN_INTEGER, ACC_READWRITE,
     &AuthenticateTrapList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &GlobalRmonStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.17", "IP Auto Configure", SYN_INTEGER, ACC_READWRITE,
     &IpAutoConfigureList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.19", "MAC Notify State", SYN_INTEGER, ACC_READWRITE,
     &MacNotifyStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.20", "MAC Notify History Size", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.21", "MAC Notify Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.22", "LLDP State", SYN_INTEGER, ACC_READWRITE, &LldpStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.23", "LLDP Forward Message State", SYN_INTEGER, ACC_READWRITE,
     &LldpForwardList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.24", "Asymmetric VLAN State", SYN_INTEGER, ACC_READWRITE,
     &AsymmetricVlanList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.25", "IGMP Snooping Multicast VLAN State", SYN_INTEGER,
     ACC_READWRITE, &MulticastVlanStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.26", "VLAN Trunk State", SYN_INTEGER, ACC_READWRITE,
     &VlanTrunkStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.27", "ARP Aging Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.28", "Password Encryption State", SYN_INTEGER, ACC_READWRITE,
     &PasswordEncryptionList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.30.1", "Web State", SYN_INTEGER, ACC_READWRITE, &WebStateList},
    {nullptr},
};

const QsSNMPVarDesc PacketStormTrapVars[] = {
    {"1.3.6.1.4.1.58613.12.25.1.2", "Packet Storm Trap Control", SYN_INTEGER, ACC_READWRITE, &StormTrapList},
    {nullptr},
};

const QsSNMPVarDesc PacketStormControlVars[] = {
    {"1.3.6.1.4.1.58613.12.25.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.2", "threshold", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.3", "Broadcast Status", SYN_INTEGER, ACC_READWRITE, &BroadcastStormList},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.4", "Multicast Status", SYN_INTEGER, ACC_READWRITE, &MulticastStormList},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.5", "Unicast Status", SYN_INTEGER, ACC_READWRITE, &UnicastStormList},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.6", "Action Status", SYN_INTEGER, ACC_READWRITE, &StormActionList},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.7", "Count Down", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.25.3.1.1.8", "Time Interval", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};
