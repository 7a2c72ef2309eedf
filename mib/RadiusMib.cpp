#include "RadiusMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kRadiusServerIndex[] = {
    {1, "RadiusServerIndex-first"}, {2, "RadiusServerIndex-second"}, {3, "RadiusServerIndex-third"}, {}};
const QsOptionList RadiusServerIndexList(kRadiusServerIndex, OVT_INT);
const QsOptionList RadiusServerStatusList(RowStatusOptions, OVT_INT);
const QsOption kAuthenticatedPortPortCapabilities[] = {{1, "none"}, {2, "authenticator"}, {}};
const QsOptionList AuthenticatedPortPortCapabilitiesList(kAuthenticatedPortPortCapabilities, OVT_INT);
const QsOptionList AccountingInfoSuppressNullUserNameList(TrueFalseOptions, OVT_INT);
const QsOption kAccountingServiceServiceIndex[] = {
    {1, "acctServiceIndex-network"}, {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"}, {}};
const QsOptionList AccountingServiceServiceIndexList(kAccountingServiceServiceIndex, OVT_INT);
const QsOption kAccountingServiceServiceMethod[] = {
    {1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRadius"}, {}};
const QsOptionList AccountingServiceServiceMethodList(kAccountingServiceServiceMethod, OVT_INT);
const QsOption kAccountingServiceServiceMode[] = {{1, "radiusAcctServiceModeNone"},
                                                  {2, "radiusAcctServiceModeStartStop"},
                                                  {3, "radiusAcctServiceModeStopOnly"},
                                                  {}};
const QsOptionList AccountingServiceServiceModeList(kAccountingServiceServiceMode, OVT_INT);

} // namespace

const QsSNMPVarDesc RadiusControlVars[] = {
    {"1.3.6.1.4.1.58613.12.3.2.2", "RADIUS Timeout", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.3.2.3", "RADIUS Retransmit Attempts", SYN_GUAGE, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc RadiusCommandVars[] = {
    {"1.3.6.1.4.1.58613.12.3.7.1", "Port Number", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.3.7.2", "MAC Address", SYN_MACADDRESS, ACC_READWRITE},
    {nullptr},
};

// "Key" lies beyond the single index column: it is shown as an empty column and never read, so
// the shared secret stays on the device.
const QsSNMPVarDesc RadiusServerVars[] = {
    {"1.3.6.1.4.1.58613.12.3.2.4.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS, &RadiusServerIndexList},
    {"1.3.6.1.4.1.58613.12.3.2.4.1.2", "IP Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.2.4.1.3", "Key", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.2.4.1.4", "Authentication Port Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.2.4.1.5", "Account Port Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.2.4.1.6", "Status", SYN_INTEGER, ACC_READONLY, &RadiusServerStatusList},
    {nullptr},
};

const QsSNMPVarDesc RadiusAuthInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.3.3.1", "Client Identifier", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.2", "Client Invalid Server Addresses", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc RadiusAuthServerVars[] = {
    {"1.3.6.1.4.1.58613.12.3.3.3.1.1", "Server Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.2", "Server Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.3", "Client Server Port Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.4", "Client Round Trip Time", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.5", "Client Access Requests", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.6", "Client Access Retransmissions", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.7", "Client Access Accepts", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.8", "Client Access Rejects", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.9", "Client Access Challenges", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.10", "Client Malformed Access Responses", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.11", "Client Bad Authenticators", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.12", "Client Pending Requests", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.13", "Client Timeouts", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.14", "Client Unknown Types", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.3.3.1.15", "Client Packets Dropped", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AuthenticatedPortVars[] = {
    {"1.3.6.1.4.1.58613.12.3.8.1.1.1", " Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.8.1.1.2", "Port Capabilities", SYN_INTEGER, ACC_READWRITE,
     &AuthenticatedPortPortCapabilitiesList},
    {nullptr},
};

const QsSNMPVarDesc AccountingInfoVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Client Identifier", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Client Invalid Server Addresses", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.4.1", "Update Interval", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.3.4.2", "Suppress Null User Name", SYN_INTEGER, ACC_READWRITE,
     &AccountingInfoSuppressNullUserNameList},
    {nullptr},
};

const QsSNMPVarDesc AccountingServerVars[] = {
    {"1.3.6.1.4.1.58613.12.3.5.3.1.1", "Server Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.2", "Server Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.3", "Client Server Port Number", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.4", "Client Round Trip Time", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.5", "Client Requests", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.6", "Client Retransmissions", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.7", "Client Responses", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.8", "Client Malformed Responses", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.9", "Client Bad Authenticators", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.10", "Client Pending Requests", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.11", "Client Timeouts", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.12", "Client Unknown Types", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.5.3.1.13", "Client Packets Dropped", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AccountingServiceVars[] = {
    {"1.3.6.1.4.1.58613.12.3.4.3.1.1", "Service Index", SYN_INTEGER, ACC_NOTACCESS,
     &AccountingServiceServiceIndexList},
    {"1.3.6.1.4.1.58613.12.3.4.3.1.2", "Service Method", SYN_INTEGER, ACC_READWRITE,
     &AccountingServiceServiceMethodList},
    {"1.3.6.1.4.1.58613.12.3.4.3.1.3", "Service Mode", SYN_INTEGER, ACC_READWRITE,
     &AccountingServiceServiceModeList},
    {nullptr},
};
