#include "Dot1xMib.h"

#include "SharedOptions.h"

namespace {

// Contents that the port-based and the MAC-based tables share; each column has its own list.
const QsOption kPaeState[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"},   {7, "held"},         {8, "forceAuth"},  {9, "forceUnauth"},    {}};
const QsOption kBackendState[] = {{1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
                                  {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {}};
const QsOption kPortStatus[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
const QsOption kControlledDirections[] = {{0, "both"}, {1, "in"}, {}};
const QsOption kAuthenticMethod[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
const QsOption kTerminateCause[] = {{1, "supplicantLogoff"},
                                    {2, "portFailure"},
                                    {3, "supplicantRestart"},
                                    {4, "reauthFailed"},
                                    {5, "authControlForceUnauth"},
                                    {6, "portReInit"},
                                    {7, "portAdminDisabled"},
                                    {999, "notTerminatedYet"},
                                    {}};
const QsOption kAuthProtocol[] = {{2, "Local"}, {4, "Radius Eap"}, {}};
const QsOption kAuthMode[] = {{1, "portBase"}, {2, "macBase"}, {}};
const QsOption kPortControl[] = {{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {}};

const QsOptionList AuthProtocolList(kAuthProtocol, OVT_INT);
const QsOptionList AuthModeList(kAuthMode, OVT_INT);
const QsOptionList AuthStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList SystemAuthControlList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PortInitializeList(TrueFalseOptions, OVT_INT);
const QsOptionList PortReauthenticateList(TrueFalseOptions, OVT_INT);
const QsOptionList PortPaeStateList(kPaeState, OVT_INT);
const QsOptionList PortBackendStateList(kBackendState, OVT_INT);
const QsOptionList AdminDirectionsList(kControlledDirections, OVT_INT);
const QsOptionList OperDirectionsList(kControlledDirections, OVT_INT);
const QsOptionList PortStatusList(kPortStatus, OVT_INT);
const QsOptionList PortControlList(kPortControl, OVT_INT);
const QsOptionList ReAuthEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList PortAuthenticMethodList(kAuthenticMethod, OVT_INT);
const QsOptionList PortTerminateCauseList(kTerminateCause, OVT_INT);
const QsOptionList MacPaeStateList(kPaeState, OVT_INT);
const QsOptionList MacBackendStateList(kBackendState, OVT_INT);
const QsOptionList MacPortStatusList(kPortStatus, OVT_INT);
const QsOptionList MacAuthenticMethodList(kAuthenticMethod, OVT_INT);
const QsOptionList MacTerminateCauseList(kTerminateCause, OVT_INT);

} // namespace

const QsSNMPVarDesc AuthModeVars[] = {
    {"1.3.6.1.4.1.58613.12.3.1.1", "Authentication Protocol", SYN_INTEGER, ACC_READWRITE, &AuthProtocolList},
    {"1.3.6.1.4.1.58613.12.3.1.2", "Authentication Mode", SYN_INTEGER, ACC_READWRITE, &AuthModeList},
    {"1.3.6.1.4.1.58613.12.3.1.3", "Authentication State", SYN_INTEGER, ACC_READWRITE, &AuthStateList},
    {nullptr},
};

const QsSNMPVarDesc Dot1xConfigVars[] = {
    {"1.0.8802.1.1.1.1.1.1", "Authentication Control", SYN_INTEGER, ACC_READWRITE, &SystemAuthControlList},
    {nullptr},
};

// The port tables are indexed by port; their "Port Number" names the PAE port table's index
// column, which is never requested: its value comes from each row's suffix.
const QsSNMPVarDesc Dot1xPortTableVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", SYN_BITSTR, ACC_READONLY},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", SYN_INTEGER, ACC_READWRITE, &PortInitializeList},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", SYN_INTEGER, ACC_READWRITE, &PortReauthenticateList},
    {nullptr},
};

const QsSNMPVarDesc Dot1xPortConfigVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", SYN_INTEGER, ACC_READONLY, &PortPaeStateList},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", SYN_INTEGER, ACC_READONLY, &PortBackendStateList},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", SYN_INTEGER, ACC_READWRITE,
     &AdminDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", SYN_INTEGER, ACC_READONLY,
     &OperDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", SYN_INTEGER, ACC_READONLY, &PortStatusList},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", SYN_INTEGER, ACC_READWRITE, &PortControlList},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", SYN_INTEGER, ACC_READWRITE, &ReAuthEnabledList},
    {nullptr},
};

const QsSNMPVarDesc Dot1xPortStatsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", SYN_MACADDRESS, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1xPortDiagVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication EAP Starts While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication EAP Logoff While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication EAP Starts While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication EAP Logoff While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

// The octet counters are 64-bit: the page reads with SNMPv2c.
const QsSNMPVarDesc Dot1xSessionStatsVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", SYN_COUNTER64, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", SYN_COUNTER64, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", SYN_INTEGER, ACC_READONLY, &PortAuthenticMethodList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", SYN_INTEGER, ACC_READONLY, &PortTerminateCauseList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

// The MAC-based tables are indexed by a supplicant's MAC address (six sub-identifiers) and its
// port. All four decode the MAC the same way, so one row shows the same address on each page.
const QsSNMPVarDesc MacPaeStateVars[] = {
    {"1.3.6.1.4.1.58613.12.3.6.1.1.1", "PAE MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.6.1.1.2", "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.6.1.1.3", "Authentication PAE State", SYN_INTEGER, ACC_READONLY,
     &MacPaeStateList},
    {"1.3.6.1.4.1.58613.12.3.6.1.1.4", "Authentication Backend State", SYN_INTEGER, ACC_READONLY,
     &MacBackendStateList},
    {"1.3.6.1.4.1.58613.12.3.6.1.1.5", "Authentication Controlled Port Status", SYN_INTEGER, ACC_READONLY,
     &MacPortStatusList},
    {nullptr},
};

const QsSNMPVarDesc MacPaeDiagVars[] = {
    {kIndexOid, "PAE MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {kIndexOid, "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.1", "Enters Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.2", "EAP Logoffs While Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.3", "Enters Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.4", "Authentication Success While Authenticating", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.5", "Authentication Timeouts While Authenticating", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.6", "Authentication Fail While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.7", "Authentication Reauths While Authenticating", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.8", "Authentication EAP Starts While Authenticating", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.9", "Authentication EAP Logoff While Authenticating", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.10", "Authentication Reauths While Authenticated", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.11", "Authentication Eap Starts While Authenticated", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.12", "Authentication Eap Logoff While Authenticated", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.13", "Backend Responses", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.14", "Backend Access Challenges", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.15", "Backend Other Requests To Supplicant", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.17", "Backend Authentication Successes", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.3.1.18", "Backend Authentication Fails", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc MacPaeStatsVars[] = {
    {kIndexOid, "PAE MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {kIndexOid, "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.1", "Authentication EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.2", "Authentication EAPOL Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.3", "Authentication EAPOL Start Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.4", "Authentication EAPOL Logoff Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.5", "Authentication EAPOL Responses ID Frames RX", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.6", "Authentication EAPOL Responses Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.7", "Authentication EAPOL Request ID Frames TX", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.8", "Authentication EAPOL Request Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.9", "Authentication Invalid EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.10", "Authentication EAP Length Error Frames RX", SYN_COUNTER,
     ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.11", "Authentication Last EAPOL Frame Version", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.2.1.12", "Authentication Last EAPOL Frame Source", SYN_MACADDRESS,
     ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc MacPaeSessionVars[] = {
    {kIndexOid, "PAE MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {kIndexOid, "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.1", "Octets RX", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.2", "Octets TX", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.3", "Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.4", "Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.5", "ID", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.6", "Authentic Method", SYN_INTEGER, ACC_READONLY,
     &MacAuthenticMethodList},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.7", "Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.8", "Terminate Cause", SYN_INTEGER, ACC_READONLY, &MacTerminateCauseList},
    {"1.3.6.1.4.1.58613.12.3.6.4.1.9", "User Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};
