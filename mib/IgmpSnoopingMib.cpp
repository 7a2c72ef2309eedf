#include "IgmpSnoopingMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kQuerierRole[] = {{1, "querier"}, {2, "non-querier"}, {}};
const QsOption kIgmpVersion[] = {{1, "version-1"}, {2, "version-2"}, {3, "version-3"}, {}};

const QsOptionList IgmpGlobalStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList QuerierStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList QuerierRoleList(kQuerierRole, OVT_INT);
const QsOptionList IgmpVlanStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList FastLeaveList(EnabledDisabledOptions, OVT_INT);
const QsOptionList IgmpVersionList(kIgmpVersion, OVT_INT);
const QsOptionList LearningAgedOutList(EnabledDisabledOptions, OVT_INT);
const QsOptionList AccessAuthStateList(DisabledEnabled12Options, OVT_INT);
const QsOptionList SourceForwardingList(EnabledDisabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc IgmpGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.58613.12.73.1.1", "Global State", SYN_INTEGER, ACC_READWRITE, &IgmpGlobalStateList},
    {"1.3.6.1.4.1.58613.12.73.1.3", "Max Data Driven Learning Count", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc IgmpManagementInfoVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.1", "Max Supported VLANs", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.2", "Max IP Group Number Per VLAN", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc IgmpControlVars[] = {
    {kIndexOid, "VID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.5", "Query Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.10", "Max Response Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.15", "Robustness Value", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.20", "Last Member Query Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.25", "Querier State", SYN_INTEGER, ACC_READWRITE, &QuerierStateList},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.30", "Querier Role", SYN_INTEGER, ACC_READONLY, &QuerierRoleList},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.35", "Querier IP", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.40", "Querier Expiry Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.45", "State", SYN_INTEGER, ACC_READWRITE, &IgmpVlanStateList},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.50", "Fast Leave State", SYN_INTEGER, ACC_READWRITE, &FastLeaveList},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.60", "Version", SYN_INTEGER, ACC_READWRITE, &IgmpVersionList},
    {"1.3.6.1.4.1.58613.12.73.3.1.1.1.70", "Data DrivenLearning AgedOut State", SYN_INTEGER, ACC_READWRITE,
     &LearningAgedOutList},
    {nullptr},
};

const QsSNMPVarDesc IgmpQueryInfoVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.4.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.4.1.2", "Query Count", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.4.1.3", "TX Query Count", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc IgmpInformationVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.5.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.5.1.2", "Group IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.5.1.3", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.5.1.4", "Port Map", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.5.1.5", "IP Group Report Count", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc IgmpHostVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.13.1.1", "Vid", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.13.1.2", "Host Group", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.13.1.3", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.13.1.4", "IP", SYN_IPADDRESS, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc IgmpAccessAuthenticationVars[] = {
    {kIndexOid, "IGMP Router Port VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.7.1.1", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.7.1.2", "State", SYN_INTEGER, ACC_READWRITE, &AccessAuthStateList},
    {nullptr},
};

const QsSNMPVarDesc Igmpv3Vars[] = {
    {kIndexOid, "IGMP VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "IGMP Group IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.10.1.1", "Source IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.10.1.2", "Forwarding", SYN_INTEGER, ACC_READONLY,
     &SourceForwardingList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.10.1.3", "Expire Timer", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc IgmpDynamicMaxEntryVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.7.12.1", "IGMP Dynamic IP Multicast Max Entry", SYN_INTEGER,
     ACC_READWRITE},
    {nullptr},
};
