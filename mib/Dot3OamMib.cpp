#include "Dot3OamMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kOperStatus[] = {{1, "disabled"},
                                {2, "linkFault"},
                                {3, "passiveWait"},
                                {4, "activeSendLocal"},
                                {5, "sendLocalAndRemote"},
                                {6, "sendLocalAndRemoteOk"},
                                {7, "oamPeeringLocallyRejected"},
                                {8, "oamPeeringRemotelyRejected"},
                                {9, "operational"},
                                {10, "nonOperHalfDuplex"},
                                {}};
const QsOption kMode[] = {{1, "passive"}, {2, "active"}, {}};
const QsOption kPeerMode[] = {{1, "passive"}, {2, "active"}, {3, "unknown"}, {}};
const QsOption kLoopbackStatus[] = {{1, "noLoopback"},
                                    {2, "initiatingLoopback"},
                                    {3, "remoteLoopback"},
                                    {4, "terminatingLoopback"},
                                    {5, "localLoopback"},
                                    {6, "unknown"},
                                    {}};
const QsOption kLoopbackIgnoreRx[] = {{1, "ignore"}, {2, "process"}, {}};
const QsOption kEventType[] = {{1, "erroredSymbolEvent"},  {2, "erroredFramePeriodEvent"},
                               {3, "erroredFrameEvent"},   {4, "erroredFrameSecondsEvent"},
                               {256, "linkFault"},         {257, "dyingGaspEvent"},
                               {258, "criticalLinkEvent"}, {}};
const QsOption kEventLocation[] = {{1, "local"}, {2, "remote"}, {}};

const QsOptionList OamAdminStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList OamOperStatusList(kOperStatus, OVT_INT);
const QsOptionList OamModeList(kMode, OVT_INT);
const QsOptionList OamPeerModeList(kPeerMode, OVT_INT);
const QsOptionList OamLoopbackStatusList(kLoopbackStatus, OVT_INT);
const QsOptionList OamLoopbackIgnoreRxList(kLoopbackIgnoreRx, OVT_INT);
const QsOptionList OamErrSymPeriodNotifyList(TrueFalseOptions, OVT_INT);
const QsOptionList OamErrFramePeriodNotifyList(TrueFalseOptions, OVT_INT);
const QsOptionList OamErrFrameNotifyList(TrueFalseOptions, OVT_INT);
const QsOptionList OamErrFrameSecsNotifyList(TrueFalseOptions, OVT_INT);
const QsOptionList OamDyingGaspList(TrueFalseOptions, OVT_INT);
const QsOptionList OamCriticalEventList(TrueFalseOptions, OVT_INT);
const QsOptionList OamEventLogTypeList(kEventType, OVT_INT);
const QsOptionList OamEventLogLocationList(kEventLocation, OVT_INT);

} // namespace

// The caption " Mode" begins with a blank.
const QsSNMPVarDesc Dot3OamVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.1.1.1", "Administration State", SYN_INTEGER, ACC_READWRITE, &OamAdminStateList},
    {"1.3.6.1.2.1.158.1.1.1.2", "Operation Status", SYN_INTEGER, ACC_READONLY, &OamOperStatusList},
    {"1.3.6.1.2.1.158.1.1.1.3", " Mode", SYN_INTEGER, ACC_READWRITE, &OamModeList},
    {"1.3.6.1.2.1.158.1.1.1.4", "Maximum OAM PDU Size", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.1.1.5", "PDU Revision", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.1.1.6", "Functions Supported", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};

// An OUI is three binary octets: shown as hex, since most begin with a zero octet.
const QsSNMPVarDesc Dot3OamPeerVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.2.1.1", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.2.1.2", "Vendor OUI", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.2.1.3", "Vendor Information", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.2.1.4", "Mode", SYN_INTEGER, ACC_READONLY, &OamPeerModeList},
    {"1.3.6.1.2.1.158.1.2.1.5", "Maximum OAM PDU Size", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.2.1.6", "PDU Revision", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.2.1.7", "Functions Supported", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot3OamLoopbackVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.3.1.1", "Loopback Status", SYN_INTEGER, ACC_READWRITE, &OamLoopbackStatusList},
    {"1.3.6.1.2.1.158.1.3.1.2", "Loopback Ignore RX", SYN_INTEGER, ACC_READWRITE, &OamLoopbackIgnoreRxList},
    {nullptr},
};

const QsSNMPVarDesc Dot3OamStatsVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.4.1.1", "Information TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.2", "Information RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.3", "Unique Event Notification TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.4", "Unique Event Notification RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.5", "Duplicate Event Notification TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.6", "Duplicate Event Notification RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.7", "Loopback Control TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.8", "Loopback Control RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.9", "Variable Request TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.10", "Variable Request RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.11", "Variable Response TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.12", "Variable Response RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.13", "Organization Specific TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.14", "Organization Specific RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.15", "Unsupported Codes TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.16", "Unsupported Codes RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.4.1.17", "Frames Lost Due To OAM", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

// The errored-symbol window and threshold are the low-order halves of their 64-bit values.
const QsSNMPVarDesc Dot3OamEventConfigVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.5.1.2", "Symbol Error Window", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.4", "Symbol Error Threshold", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.5", "Symbol Error Notify State", SYN_INTEGER, ACC_READWRITE,
     &OamErrSymPeriodNotifyList},
    {"1.3.6.1.2.1.158.1.5.1.6", "Frame Period Error Window", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.7", "Frame Period Error Threshold", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.8", "Frame Period Error Notify State", SYN_INTEGER, ACC_READWRITE,
     &OamErrFramePeriodNotifyList},
    {"1.3.6.1.2.1.158.1.5.1.9", "Frame Error Window", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.10", "Frame Error Threshold", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.11", "Frame Error Notify State", SYN_INTEGER, ACC_READWRITE,
     &OamErrFrameNotifyList},
    {"1.3.6.1.2.1.158.1.5.1.12", "Frame Seconds Error Window", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.13", "Frame Seconds Error Threshold", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.158.1.5.1.14", "Frame Seconds Error Notify State", SYN_INTEGER, ACC_READWRITE,
     &OamErrFrameSecsNotifyList},
    {"1.3.6.1.2.1.158.1.5.1.15", "Dying Gasp Enable", SYN_INTEGER, ACC_READWRITE, &OamDyingGaspList},
    {"1.3.6.1.2.1.158.1.5.1.16", "Critical Event Enable", SYN_INTEGER, ACC_READWRITE, &OamCriticalEventList},
    {nullptr},
};

// The caption "Event Log  Threshold High" holds two blanks.
const QsSNMPVarDesc Dot3OamEventLogVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.6.1.1", "Event Log Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.158.1.6.1.2", "Event Log Timestamp", SYN_TIMETICKS, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.3", "Event Log OUI", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.4", "Event Log Type", SYN_GUAGE, ACC_READONLY, &OamEventLogTypeList},
    {"1.3.6.1.2.1.158.1.6.1.5", "Event Log Location", SYN_INTEGER, ACC_READONLY, &OamEventLogLocationList},
    {"1.3.6.1.2.1.158.1.6.1.6", "Event Log Window High", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.7", "Event Log Window Low", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.8", "Event Log  Threshold High", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.9", "Event Log Threshold Low", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.158.1.6.1.12", "Event Log Event Total", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};
