#include "MbaMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList MbaInfoFailoverList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MbaInfoRADIUSAuthorizationList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MbaInfoLocalAuthorizationList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MbaInfoTrapStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MbaInfoLogStateList(EnabledDisabledOptions, OVT_INT);
const QsOption kMbaPortInfoStatus[] = {{1, "unconnected"},   {2, "connecting"}, {3, "authenticating"},
                                       {4, "authenticated"}, {5, "blocked"},    {}};
const QsOptionList MbaPortInfoStatusList(kMbaPortInfoStatus, OVT_INT);
const QsOptionList MbaPortInfoClearMACActionList(OtherStartOptions, OVT_INT);
const QsOptionList MbaPortStateList(EnabledDisabledOptions, OVT_INT);
const QsOption kMbaPortMode[] = {{1, "port_based"}, {2, "host_based"}, {}};
const QsOptionList MbaPortModeList(kMbaPortMode, OVT_INT);
const QsOptionList MbaPortClearPortActionList(OtherStartOptions, OVT_INT);
const QsOptionList MbaDatabaseStatusList(RowStatusShortOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc MbaInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.35.1.9", "Max User", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.35.1.10", "Failover", SYN_INTEGER, ACC_READWRITE, &MbaInfoFailoverList},
    {"1.3.6.1.4.1.58613.12.35.1.11", "RADIUS Authorization", SYN_INTEGER, ACC_READWRITE,
     &MbaInfoRADIUSAuthorizationList},
    {"1.3.6.1.4.1.58613.12.35.1.12", "Local Authorization", SYN_INTEGER, ACC_READWRITE,
     &MbaInfoLocalAuthorizationList},
    {"1.3.6.1.4.1.58613.12.35.1.13", "Trap State", SYN_INTEGER, ACC_READWRITE, &MbaInfoTrapStateList},
    {"1.3.6.1.4.1.58613.12.35.1.14", "Log State", SYN_INTEGER, ACC_READWRITE, &MbaInfoLogStateList},
    {nullptr},
};

const QsSNMPVarDesc MbaPortInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.35.2.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.2", "MAC Index", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.3", "Status", SYN_INTEGER, ACC_READONLY, &MbaPortInfoStatusList},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.4", "Assign VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.5", "Clear MAC Action", SYN_INTEGER, ACC_READWRITE,
     &MbaPortInfoClearMACActionList},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.6", "Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.7", "Aging Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.8", "Block Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.35.2.1.1.9", "Assign VID", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc MbaPortVars[] = {
    {"1.3.6.1.4.1.58613.12.35.3.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.2", "State", SYN_INTEGER, ACC_READWRITE, &MbaPortStateList},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.3", "Mode", SYN_INTEGER, ACC_READWRITE, &MbaPortModeList},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.4", "Aging Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.5", "Block Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.6", "Clear Port Action", SYN_INTEGER, ACC_READWRITE,
     &MbaPortClearPortActionList},
    {"1.3.6.1.4.1.58613.12.35.3.1.1.7", "Max User", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc MbaDatabaseVars[] = {
    {"1.3.6.1.4.1.58613.12.35.4.1.1.1", "MAC Index", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.35.4.1.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.35.4.1.1.3", "Status", SYN_INTEGER, ACC_READWRITE, &MbaDatabaseStatusList},
    {"1.3.6.1.4.1.58613.12.35.4.1.1.5", "Base VID", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};
