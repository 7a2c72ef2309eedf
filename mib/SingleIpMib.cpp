#include "SingleIpMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kRoleState[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
const QsOption kNeighborRole[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {}};

const QsOptionList SingleIpAdminList(DisabledEnabledOptions, OVT_INT);
const QsOptionList RoleStateList(kRoleState, OVT_INT);
const QsOptionList NeighborRoleList(kNeighborRole, OVT_INT);

} // namespace

const QsSNMPVarDesc SingleIpControlVars[] = {
    {"1.3.6.1.4.1.58613.12.8.1.2.1", "Admin", SYN_INTEGER, ACC_READWRITE, &SingleIpAdminList},
    {"1.3.6.1.4.1.58613.12.8.1.2.2", "Role State", SYN_INTEGER, ACC_READWRITE, &RoleStateList},
    {"1.3.6.1.4.1.58613.12.8.1.2.3", "Hold Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.8.1.2.4", "Time Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.8.1.2.5", "Group Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc SingleIpInformationVars[] = {
    {"1.3.6.1.4.1.58613.12.8.1.1.1", "Version", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.1.2", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.1.3", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc CandidateSwitchVars[] = {
    {"1.3.6.1.4.1.58613.12.8.1.4.1.1", "ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.2", "Device Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.3", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.4", "Firmware Version", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.5", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.6", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.4.1.7", "Hold Time", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc GroupMemberVars[] = {
    {"1.3.6.1.4.1.58613.12.8.1.5.1.1", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.3", "Device Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.4", "MS Number", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.5", "Firmware Version", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.6", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.7", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.8.1.5.1.8", "Hold Time", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc NeighborSwitchVars[] = {
    {"1.3.6.1.4.1.58613.12.8.1.6.1.1", "Received Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.8.1.6.1.2", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.8.1.6.1.3", "Role State", SYN_INTEGER, ACC_READONLY, &NeighborRoleList},
    {nullptr},
};
