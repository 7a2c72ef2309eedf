// The IEEE 802.1 (1.0.8802.1.1.2.1.5.32962) and 802.3 (1.0.8802.1.1.2.1.5.4623) extensions of
// LLDP-MIB. Local tables are keyed by the local port, remote tables by the time mark, the local
// port and the neighbour's index, then the table's own key where it has one.
#include "LldpMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kPowerPortClass[] = {{1, "pClassPSE"}, {2, "pClassPD"}, {}};

const QsOptionList PortVlanTxList(TrueFalseOptions, OVT_INT);
const QsOptionList LocProtoVlanSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList LocProtoVlanEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList RemProtoVlanSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList RemProtoVlanEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList LocAutoNegSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList LocAutoNegEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList RemAutoNegSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList RemAutoNegEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList LocPowerPortClassList(kPowerPortClass, OVT_INT);
const QsOptionList LocPowerMdiSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList LocPowerMdiEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList LocPowerPairControlList(TrueFalseOptions, OVT_INT);
const QsOptionList RemPowerPortClassList(kPowerPortClass, OVT_INT);
const QsOptionList RemPowerMdiSupportedList(TrueFalseOptions, OVT_INT);
const QsOptionList RemPowerMdiEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList RemPowerPairControlList(TrueFalseOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc Dot1PortVlanVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", SYN_INTEGER, ACC_READWRITE, &PortVlanTxList},
    {nullptr},
};

const QsSNMPVarDesc Dot1LocPortVlanIdVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1LocVlanNameVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1LocProtoVlanVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", SYN_INTEGER, ACC_READONLY,
     &LocProtoVlanSupportedList},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", SYN_INTEGER, ACC_READONLY, &LocProtoVlanEnabledList},
    {nullptr},
};

const QsSNMPVarDesc Dot1LocProtocolVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1RemPortVlanIdVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1RemVlanNameVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1RemProtoVlanVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", SYN_INTEGER, ACC_READONLY,
     &RemProtoVlanSupportedList},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", SYN_INTEGER, ACC_READONLY,
     &RemProtoVlanEnabledList},
    {nullptr},
};

const QsSNMPVarDesc Dot1RemProtocolVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3LocPortVars[] = {
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", SYN_INTEGER, ACC_READONLY,
     &LocAutoNegSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", SYN_INTEGER, ACC_READONLY,
     &LocAutoNegEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", SYN_OCTETSTR,
     ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3LocPowerVars[] = {
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", SYN_INTEGER, ACC_READONLY,
     &LocPowerPortClassList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", SYN_INTEGER, ACC_READONLY,
     &LocPowerMdiSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", SYN_INTEGER, ACC_READONLY,
     &LocPowerMdiEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", SYN_INTEGER, ACC_READONLY,
     &LocPowerPairControlList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3LocMaxFrameVars[] = {
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max. Frame Size", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3RemPortVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", SYN_INTEGER, ACC_READONLY,
     &RemAutoNegSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", SYN_INTEGER, ACC_READONLY,
     &RemAutoNegEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", SYN_OCTETSTR,
     ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3RemPowerVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", SYN_INTEGER, ACC_READONLY,
     &RemPowerPortClassList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", SYN_INTEGER, ACC_READONLY,
     &RemPowerMdiSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", SYN_INTEGER, ACC_READONLY,
     &RemPowerMdiEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", SYN_INTEGER, ACC_READONLY,
     &RemPowerPairControlList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3RemMaxFrameVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max. Frame Size", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};
