#include "BpduMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kTunnelPortType[] = {{1, "none"}, {2, "tunnel"}, {3, "uplink"}, {}};
// "disabled" first: the Port Type rule picks the first entry to switch a state off and the
// second to switch it on.
const QsOption kTunnelProtocolState[] = {{2, "disabled"}, {1, "enabled"}, {}};
const QsOption kAttackMode[] = {{1, "none"}, {2, "attackDetected"}, {3, "attackCleared"}, {4, "both"}, {}};
const QsOption kProtectionPortMode[] = {{1, "drop"}, {2, "block"}, {3, "shutdown"}, {}};
const QsOption kProtectionPortStatus[] = {{1, "normal"}, {2, "underAttack"}, {}};

const QsOptionList TunnelStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList TunnelPortTypeList(kTunnelPortType, OVT_INT);
const QsOptionList TunnelStpStateList(kTunnelProtocolState, OVT_INT);
const QsOptionList TunnelGvrpStateList(kTunnelProtocolState, OVT_INT);
const QsOptionList ProtectionStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList ProtectionTrapModeList(kAttackMode, OVT_INT);
const QsOptionList ProtectionLogModeList(kAttackMode, OVT_INT);
const QsOptionList ProtectionPortStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList ProtectionPortModeList(kProtectionPortMode, OVT_INT);
const QsOptionList ProtectionPortStatusList(kProtectionPortStatus, OVT_INT);

} // namespace

const QsSNMPVarDesc BpduTunnelGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.60.1.1", "State", SYN_INTEGER, ACC_READWRITE, &TunnelStateList},
    {nullptr},
};

const QsSNMPVarDesc BpduTunnelInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.60.2.1", "STP Multicast Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.60.2.2", "GVRP Multicast Address", SYN_MACADDRESS, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc BpduTunnelPortVars[] = {
    {"1.3.6.1.4.1.58613.12.60.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.60.3.1.1.2", "Port Type", SYN_INTEGER, ACC_READWRITE, &TunnelPortTypeList},
    {"1.3.6.1.4.1.58613.12.60.3.1.1.3", "STP State", SYN_INTEGER, ACC_READWRITE, &TunnelStpStateList},
    {"1.3.6.1.4.1.58613.12.60.3.1.1.4", "GVRP State", SYN_INTEGER, ACC_READWRITE, &TunnelGvrpStateList},
    {nullptr},
};

const QsSNMPVarDesc BpduProtectionGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.76.1.1", "Administration State", SYN_INTEGER, ACC_READWRITE, &ProtectionStateList},
    {"1.3.6.1.4.1.58613.12.76.1.2", "Recovery Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.76.1.3", "Trap Mode", SYN_INTEGER, ACC_READWRITE, &ProtectionTrapModeList},
    {"1.3.6.1.4.1.58613.12.76.1.4", "Log Mode", SYN_INTEGER, ACC_READWRITE, &ProtectionLogModeList},
    {nullptr},
};

// The captions "State ", "Mode " and "Status  " end in blanks.
const QsSNMPVarDesc BpduProtectionPortVars[] = {
    {"1.3.6.1.4.1.58613.12.76.3.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.76.3.1.1.2", "State ", SYN_INTEGER, ACC_READWRITE, &ProtectionPortStateList},
    {"1.3.6.1.4.1.58613.12.76.3.1.1.3", "Mode ", SYN_INTEGER, ACC_READWRITE, &ProtectionPortModeList},
    {"1.3.6.1.4.1.58613.12.76.3.1.1.4", "Status  ", SYN_INTEGER, ACC_READONLY, &ProtectionPortStatusList},
    {nullptr},
};
