#include "PingTraceMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kAddressType[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
const QsOption kProbeStatus[] = {{1, "responseReceived"},
                                 {2, "unknown"},
                                 {3, "internalError"},
                                 {4, "requestTimedOut"},
                                 {5, "unknownDestinationAddress"},
                                 {6, "noRouteToTarget"},
                                 {7, "interfaceInactiveToTarget"},
                                 {8, "arpFailure"},
                                 {9, "maxConcurrentLimitReached"},
                                 {10, "unableToResolveDnsName"},
                                 {11, "invalidHostAddress"},
                                 {}};

const QsOptionList PingAdminStatusList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PingRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList PingOperStatusList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PingTargetTypeList(kAddressType, OVT_INT);
const QsOptionList PingHistoryStatusList(kProbeStatus, OVT_INT);
const QsOptionList TraceAdminStatusList(EnabledDisabledOptions, OVT_INT);
const QsOptionList TraceRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList TraceOperStatusList(EnabledDisabledOptions, OVT_INT);
const QsOptionList TraceTargetTypeList(kAddressType, OVT_INT);
const QsOptionList TraceHopAddressTypeList(kAddressType, OVT_INT);
const QsOptionList TraceHistoryStatusList(kProbeStatus, OVT_INT);
const QsOptionList TraceHopTargetTypeList(kAddressType, OVT_INT);

} // namespace

// The results' addresses are InetAddress values and their times DateAndTime values: binary
// strings, shown in their own forms.
const QsSNMPVarDesc PingMaxConcurrentVars[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc PingControlVars[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", SYN_INTEGER, ACC_READWRITE, &PingAdminStatusList},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", SYN_INTEGER, ACC_READWRITE, &PingRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc PingResultsVars[] = {
    {kIndexOid, "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {kIndexOid, "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operational Status", SYN_INTEGER, ACC_READONLY, &PingOperStatusList},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &PingTargetTypeList},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", SYN_INETADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", SYN_DATETIME, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc PingProbeHistoryVars[] = {
    {kIndexOid, "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {kIndexOid, "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.4.1.1", "History Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.4.1.2", "History Response", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.4.1.3", "History Status", SYN_INTEGER, ACC_READONLY, &PingHistoryStatusList},
    {"1.3.6.1.2.1.80.1.4.1.4", "History Last RC", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.4.1.5", "History Time", SYN_DATETIME, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc TraceRouteMaxConcurrentVars[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc TraceRouteControlVars[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", SYN_INTEGER, ACC_READWRITE, &TraceAdminStatusList},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", SYN_INTEGER, ACC_READWRITE, &TraceRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc TraceRouteResultsVars[] = {
    {kIndexOid, "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {kIndexOid, "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operational Status", SYN_INTEGER, ACC_READONLY, &TraceOperStatusList},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &TraceTargetTypeList},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", SYN_INETADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", SYN_DATETIME, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc TraceRouteProbeHistoryVars[] = {
    {kIndexOid, "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {kIndexOid, "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.1", "History Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.2", "History Hop Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.3", "History Probe Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.4", "History Hop Address Type", SYN_INTEGER, ACC_READONLY,
     &TraceHopAddressTypeList},
    {"1.3.6.1.2.1.81.1.4.1.5", "History Hop Address", SYN_INETADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.6", "History Response", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.7", "History Status", SYN_INTEGER, ACC_READONLY, &TraceHistoryStatusList},
    {"1.3.6.1.2.1.81.1.4.1.8", "History Last RC", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.9", "History Time", SYN_DATETIME, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc TraceRouteHopsVars[] = {
    {kIndexOid, "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {kIndexOid, "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &TraceHopTargetTypeList},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", SYN_INETADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", SYN_DATETIME, ACC_READONLY},
    {nullptr},
};
