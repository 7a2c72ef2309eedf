#include "CfmMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kDirection[] = {{1, "down"}, {2, "up"}, {}};
const QsOption kMdFormat[] = {{4, "charString"}, {}};
const QsOption kMdMhfCreation[] = {{1, "defMHFnone"}, {2, "defMHFdefault"}, {3, "defMHFexplicit"}, {}};
const QsOption kMdSenderId[] = {
    {1, "sendIdNone"}, {2, "sendIdChassis"}, {3, "sendIdManage"}, {4, "sendIdChassisManage"}, {}};
const QsOption kMaNameFormat[] = {{2, "charString"}, {}};
const QsOption kCcmInterval[] = {{2, "interval10ms"},
                                 {3, "interval100ms"},
                                 {4, "interval1s"},
                                 {5, "interval10s"},
                                 {6, "interval1min"},
                                 {7, "interval10min"},
                                 {}};
const QsOption kMaMhfCreation[] = {
    {1, "defMHFnone"}, {2, "defMHFdefault"}, {3, "defMHFexplicit"}, {4, "defMHFdefer"}, {}};
const QsOption kMaSenderId[] = {{1, "sendIdNone"},          {2, "sendIdChassis"}, {3, "sendIdManage"},
                                {4, "sendIdChassisManage"}, {5, "sendIdDefer"},   {}};
const QsOption kFngState[] = {{1, "fngReset"},          {2, "fngDefect"},         {3, "fngReportDefect"},
                              {4, "fngDefectReported"}, {5, "fngDefectClearing"}, {}};
const QsOption kLowestAlarmPri[] = {
    {1, "allDef"}, {2, "macRemErrXcon"}, {3, "remErrXcon"}, {4, "errXcon"}, {5, "xcon"}, {6, "noXcon"}, {}};
const QsOption kHighestDefect[] = {{0, "none"},
                                   {1, "defRDICCM"},
                                   {2, "defMACstatus"},
                                   {3, "defRemoteCCM"},
                                   {4, "defErrorCCM"},
                                   {5, "defXconCCM"},
                                   {}};
const QsOption kRelayAction[] = {{1, "rlyHit"}, {2, "rlyFdb"}, {3, "rlyMpdb"}, {}};
const QsOption kIngressAction[] = {{0, "ingNoTlv"},   {1, "ingOk"},  {2, "ingDown"},
                                   {3, "ingBlocked"}, {4, "ingVid"}, {}};
const QsOption kEgressAction[] = {{0, "egrNoTlv"},   {1, "egrOK"},  {2, "egrDown"},
                                  {3, "egrBlocked"}, {4, "egrVid"}, {}};
const QsOption kRemoteMepState[] = {{1, "rMepIdle"}, {2, "rMepStart"}, {3, "rMepFailed"}, {4, "rMepOk"}, {}};
const QsOption kPortStatusTlv[] = {{0, "psNoPortStateTLV"}, {1, "psBlocked"}, {2, "psUp"}, {}};
const QsOption kInterfaceStatusTlv[] = {{0, "isNoInterfaceStatusTLV"},
                                        {1, "isUp"},
                                        {2, "isDown"},
                                        {3, "isTesting"},
                                        {4, "isUnknown"},
                                        {5, "isDormant"},
                                        {6, "isNotPresent"},
                                        {7, "isLowerLayerDown"},
                                        {}};

const QsOptionList CfmGlobalStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList CfmPortStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList StackDirectionList(kDirection, OVT_INT);
const QsOptionList VlanRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList MdFormatList(kMdFormat, OVT_INT);
const QsOptionList MdMhfCreationList(kMdMhfCreation, OVT_INT);
const QsOptionList MdSenderIdList(kMdSenderId, OVT_INT);
const QsOptionList MdRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList MaNetFormatList(kMaNameFormat, OVT_INT);
const QsOptionList MaNetCcmIntervalList(kCcmInterval, OVT_INT);
const QsOptionList MaNetRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList MaCompMhfCreationList(kMaMhfCreation, OVT_INT);
const QsOptionList MaCompSenderIdList(kMaSenderId, OVT_INT);
const QsOptionList MaCompRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList MaMepListRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList MepDirectionList(kDirection, OVT_INT);
const QsOptionList MepActiveList(TrueFalseOptions, OVT_INT);
const QsOptionList MepFngStateList(kFngState, OVT_INT);
const QsOptionList MepCciEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList MepLowestPriDefectList(kLowestAlarmPri, OVT_INT);
const QsOptionList MepHighestPriDefectList(kHighestDefect, OVT_INT);
const QsOptionList MepTransmitLbmStatusList(TrueFalseOptions, OVT_INT);
const QsOptionList MepTransmitLbmResultList(TrueFalseOptions, OVT_INT);
const QsOptionList MepTransmitLtmStatusList(TrueFalseOptions, OVT_INT);
const QsOptionList MepTransmitLtmResultList(TrueFalseOptions, OVT_INT);
const QsOptionList MepRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList LtrForwardedList(TrueFalseOptions, OVT_INT);
const QsOptionList LtrTerminalMepList(TrueFalseOptions, OVT_INT);
const QsOptionList LtrRelayList(kRelayAction, OVT_INT);
const QsOptionList LtrIngressList(kIngressAction, OVT_INT);
const QsOptionList LtrEgressList(kEgressAction, OVT_INT);
const QsOptionList MepDbStateList(kRemoteMepState, OVT_INT);
const QsOptionList MepDbRdiList(TrueFalseOptions, OVT_INT);
const QsOptionList MepDbPortStatusList(kPortStatusTlv, OVT_INT);
const QsOptionList MepDbInterfaceStatusList(kInterfaceStatusTlv, OVT_INT);

} // namespace

const QsSNMPVarDesc CfmGlobalStateVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.29.1", "State", SYN_INTEGER, ACC_READWRITE, &CfmGlobalStateList},
    {nullptr},
};

const QsSNMPVarDesc CfmPortVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.29.2.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.29.2.1.2", "State", SYN_INTEGER, ACC_READWRITE, &CfmPortStateList},
    {nullptr},
};

const QsSNMPVarDesc CfmStackVars[] = {
    {"1.3.111.2.802.1.1.8.1.1.1.1.1", "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.1.1.1.2", "VLAN ID Or None", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.1.1.1.3", "MD Level", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.1.1.1.4", "Direction", SYN_INTEGER, ACC_NOTACCESS, &StackDirectionList},
    {"1.3.111.2.802.1.1.8.1.1.1.1.5", "MD Index", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.1.1.1.6", "MA Index", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.1.1.1.7", "MEO ID", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.1.1.1.8", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc CfmVlanVars[] = {
    {"1.3.111.2.802.1.1.8.1.3.1.1.1", "Component ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.3.1.1.2", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.3.1.1.3", "VLAN Primary ID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.3.1.1.4", "Row Status", SYN_INTEGER, ACC_READWRITE, &VlanRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmMdNextIndexVars[] = {
    {"1.3.111.2.802.1.1.8.1.5.1", "MD Table Next Index", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc CfmMdVars[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.5.2.1.2", "Format", SYN_INTEGER, ACC_READWRITE, &MdFormatList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.3", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.5.2.1.4", "MD Level", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.5.2.1.5", "MIP Creation", SYN_INTEGER, ACC_READWRITE, &MdMhfCreationList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.6", "Sender ID TLV", SYN_INTEGER, ACC_READWRITE, &MdSenderIdList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.8", "Row Status", SYN_INTEGER, ACC_READWRITE, &MdRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmMaNetVars[] = {
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.6.1.1.1", "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.6.1.1.2", "Net Format", SYN_INTEGER, ACC_READWRITE, &MaNetFormatList},
    {"1.3.111.2.802.1.1.8.1.6.1.1.3", "Net Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.6.1.1.4", "Net CCM Interval", SYN_INTEGER, ACC_READWRITE, &MaNetCcmIntervalList},
    {"1.3.111.2.802.1.1.8.1.6.1.1.5", "Net Row Status", SYN_INTEGER, ACC_READWRITE, &MaNetRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmMaComponentVars[] = {
    {"1.3.111.2.802.1.1.8.1.6.2.1.1", "Component ID", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.6.2.1.2", "Primary VLAN ID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.6.2.1.3", "MIP Creation", SYN_INTEGER, ACC_READWRITE, &MaCompMhfCreationList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.4", "Sender ID TLV", SYN_INTEGER, ACC_READWRITE, &MaCompSenderIdList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.5", "Number Of VIDs(Only Support one VLAN)", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.6.2.1.6", "Row Status", SYN_INTEGER, ACC_READWRITE, &MaCompRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmMaMepListVars[] = {
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.6.3.1.1", "MEPID List", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.6.3.1.2", "Row Status", SYN_INTEGER, ACC_READWRITE, &MaMepListRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmMepVars[] = {
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.1.1.1", "Identifier", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.1.1.2", "IF Index", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.3", "Direction", SYN_INTEGER, ACC_READWRITE, &MepDirectionList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.4", "Primary VLAN ID", SYN_GUAGE, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.5", "Active", SYN_INTEGER, ACC_READWRITE, &MepActiveList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.6", "FNG State", SYN_INTEGER, ACC_READONLY, &MepFngStateList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.7", "CCI Enabled", SYN_INTEGER, ACC_READWRITE, &MepCciEnabledList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.8", "CCM LTM Priority", SYN_GUAGE, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.9", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.10", "Lowest Priority Defect", SYN_INTEGER, ACC_READWRITE,
     &MepLowestPriDefectList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.11", "FNG Alarm Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.12", "FNG Reset Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.13", "Highest Priority Defect", SYN_INTEGER, ACC_READONLY,
     &MepHighestPriDefectList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.17", "CCM Sequence Errors", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.18", "CCI Sent CCMs", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.19", "Next Loopback Message Transmit ID", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.20", "In-order Loopback Replies Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.21", "Out-of-order Loopback Replies Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.23", "Next Sequence Number Of Linktrace Message", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.24", "Unexpected Linktrace Message Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.25", "Loopback Replies Transmitted", SYN_COUNTER, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.26", "Transmit LBM Status", SYN_INTEGER, ACC_READWRITE,
     &MepTransmitLbmStatusList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.27", "Transmit LBM Destination MAC Address", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.30", "Transmit LBM Messages", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.31", "Transmit LBM Data TLV", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.32", "Transmit LBM VLAN Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.34", "Transmit LBM Result OK", SYN_INTEGER, ACC_READONLY,
     &MepTransmitLbmResultList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.35", "Transmit LBM Squence Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.36", "Transmit LTM Status", SYN_INTEGER, ACC_READONLY,
     &MepTransmitLtmStatusList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.37", "Transmit LTM Flags", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.38", "Transmit LTM Target MAC Address", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.41", "Transmit LTM TTL", SYN_GUAGE, ACC_READWRITE},
    {"1.3.111.2.802.1.1.8.1.7.1.1.42", "Transmit LTM Result", SYN_INTEGER, ACC_READONLY,
     &MepTransmitLtmResultList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.43", "Transmit LTM Sequence Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.1.1.45", "Row Status", SYN_INTEGER, ACC_READWRITE, &MepRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc CfmLinktraceReplyVars[] = {
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MEP Identifier", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.2.1.1", "Sequence Number", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.2.1.2", "Receive Order", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.2.1.3", "TTL", SYN_GUAGE, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.2.1.4", "Forwarded", SYN_INTEGER, ACC_READONLY, &LtrForwardedList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.5", "Terminal MEP", SYN_INTEGER, ACC_READONLY, &LtrTerminalMepList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.6", "Last Egress Identifier", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.2.1.7", "Next Egress Identifier", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.2.1.8", "Relay", SYN_INTEGER, ACC_READONLY, &LtrRelayList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.13", "Ingress", SYN_INTEGER, ACC_READONLY, &LtrIngressList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.14", "Ingress MAC", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.2.1.17", "Egress", SYN_INTEGER, ACC_READONLY, &LtrEgressList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.18", "Egress MAC", SYN_MACADDRESS, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc CfmMepDbVars[] = {
    {kIndexOid, "MD Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MA Index", SYN_GUAGE, ACC_NOTACCESS},
    {kIndexOid, "MEP Identifier", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.3.1.1", "Remote_MEP Identifier", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.111.2.802.1.1.8.1.7.3.1.2", "Remote_MEP State", SYN_INTEGER, ACC_READONLY, &MepDbStateList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.3", "Remote_MEP Failed Ok Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.3.1.4", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.111.2.802.1.1.8.1.7.3.1.5", "RDI", SYN_INTEGER, ACC_READONLY, &MepDbRdiList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.6", "Port Status TLV", SYN_INTEGER, ACC_READONLY, &MepDbPortStatusList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.7", "Interface Status TLV", SYN_INTEGER, ACC_READONLY,
     &MepDbInterfaceStatusList},
    {nullptr},
};
