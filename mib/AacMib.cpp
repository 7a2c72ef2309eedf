#include "AacMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList AacGlobalAdminStateList(DisabledEnabledOptions, OVT_INT);
// The protocol of each of a group's eight servers.
const QsOption kServerProtocol[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"}, {}};
const QsOptionList ServerProtocolList(kServerProtocol, OVT_INT);
const QsOptionList AacServerGroupRowStatusList(RowStatusOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc AacGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.5.1.1", "Admin State", SYN_INTEGER, ACC_READWRITE, &AacGlobalAdminStateList},
    {nullptr},
};

const QsSNMPVarDesc AacInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.5.2.1", "Max Login Method List", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.2.2", "Max Enable Method List", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.2.3", "Max Server Group", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.2.4", "Max Server", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.8.1", "AAC Response Timeout (1-255)", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.8.2", "AAC Attempt (1-255)", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc AppAuthMethodVars[] = {
    {"1.3.6.1.4.1.58613.12.5.7.1.1", "Console Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.2.1", "Console Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.1.2", "Telnet Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.2.2", "Telnet Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.1.3", "SSH Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.2.3", "SSH Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.1.4", "HTTP Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.5.7.2.4", "HTTP Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc AacServerGroupVars[] = {
    {"1.3.6.1.4.1.58613.12.5.9.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.5.9.1.2", "IP Address1", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.3", "Authentication Protocol1", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.4", "IP Address2", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.5", "Authentication Protocol2", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.6", "IP Address3", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.7", "Authentication Protocol3", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.8", "IP Address4", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.9", "Authentication Protocol4", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.10", "IP Address5", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.11", "Authentication Protocol5", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.12", "IP Address6", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.13", "Authentication Protocol6", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.14", "IP Address7", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.15", "Authentication Protocol7", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.16", "IP Address8", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.5.9.1.17", "Authentication Protocol8", SYN_INTEGER, ACC_READONLY,
     &ServerProtocolList},
    {"1.3.6.1.4.1.58613.12.5.9.1.18", "Row Status", SYN_INTEGER, ACC_READWRITE, &AacServerGroupRowStatusList},
    {nullptr},
};
