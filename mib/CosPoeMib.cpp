#include "CosPoeMib.h"

#include "QsOptionList.h"

namespace {

const QsOption kEtherPriority[] = {{1, "disable"}, {2, "Ethernet 802.1p"}, {}};
const QsOption kIpPriority[] = {{1, "disable"}, {2, "tos"}, {3, "dscp"}, {}};
const QsOption kValidInvalid[] = {{1, "valid"}, {2, "invalid"}, {}};
const QsOption kDisconnectMethod[] = {{1, "denyNextPort"}, {2, "denyLowPriorityPort"}, {}};
const QsOption kLedMode[] = {{1, "normal"}, {2, "poe"}, {}};
const QsOption kPortState[] = {{1, "other"}, {2, "enable"}, {3, "disable"}, {}};
const QsOption kPortPriority[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {}};
const QsOption kPowerLimit[] = {{1, "class0"}, {2, "class1"},       {3, "class2"},
                                {4, "class3"}, {5, "user-defined"}, {}};
const QsOption kLedStatus[] = {{1, "on"}, {2, "off"}, {3, "error"}, {}};

const QsOptionList EtherPriorityList(kEtherPriority, OVT_INT);
const QsOptionList IpPriorityList(kIpPriority, OVT_INT);
const QsOptionList NonePriorityList(kValidInvalid, OVT_INT);
const QsOptionList DisconnectMethodList(kDisconnectMethod, OVT_INT);
const QsOptionList LedModeList(kLedMode, OVT_INT);
const QsOptionList PortStateList(kPortState, OVT_INT);
const QsOptionList PortPriorityList(kPortPriority, OVT_INT);
const QsOptionList PowerLimitList(kPowerLimit, OVT_INT);
const QsOptionList LedStatusList(kLedStatus, OVT_INT);

} // namespace

const QsSNMPVarDesc CosPriorityVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.1.1.3", "Ether PRI", SYN_INTEGER, ACC_READWRITE,
     &EtherPriorityList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.1.1.4", "IP PRI", SYN_INTEGER, ACC_READWRITE, &IpPriorityList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.1.1.5", "None", SYN_INTEGER, ACC_READWRITE, &NonePriorityList},
    {nullptr},
};

const QsSNMPVarDesc CosPortPriVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.2.1.2", "Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

// Rows by MAC address: six sub-identifiers, no length.
const QsSNMPVarDesc CosMacBasePriVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.3.1.1", "Index", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.3.1.2", "Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc CosTosPriVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.4.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.4.1.2", "Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc CosDscpPriVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.5.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.17.3.5.1.2", "Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc PoeSystemControlVars[] = {
    {"1.3.6.1.4.1.58613.12.24.1.1", "System Power Limit", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.24.1.2", "System Power Disconnect Method", SYN_INTEGER, ACC_READWRITE,
     &DisconnectMethodList},
    {"1.3.6.1.4.1.58613.12.24.1.4", "System LED Mode", SYN_INTEGER, ACC_READWRITE, &LedModeList},
    {nullptr},
};

const QsSNMPVarDesc PoeSystemInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.24.2.1", "System Power Consumption", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.2.2", "System Power Remained", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc PoePortControlVars[] = {
    {"1.3.6.1.4.1.58613.12.24.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.24.3.1.1.2", "State", SYN_INTEGER, ACC_READWRITE, &PortStateList},
    {"1.3.6.1.4.1.58613.12.24.3.1.1.3", "Priority", SYN_INTEGER, ACC_READWRITE, &PortPriorityList},
    {"1.3.6.1.4.1.58613.12.24.3.1.1.4", "Power Limit", SYN_INTEGER, ACC_READWRITE, &PowerLimitList},
    {"1.3.6.1.4.1.58613.12.24.3.1.1.5", "User Defined", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc PoePortInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.24.4.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.2", "Class", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.3", "Power", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.4", "Voltage", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.5", "Current", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.6", "Status", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.24.4.1.1.7", "Led Status", SYN_INTEGER, ACC_READONLY, &LedStatusList},
    {nullptr},
};
