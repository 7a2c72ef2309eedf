#include "MulticastFilterMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kAddOrDelete[] = {{1, "none"}, {2, "add"}, {3, "delete"}, {}};
const QsOption kPortInfoAccess[] = {{1, "permit"}, {2, "deny"}, {}};
const QsOption kPortAccess[] = {{0, "none"}, {1, "permit"}, {2, "deny"}, {}};

const QsOptionList ProfileAddOrDeleteList(kAddOrDelete, OVT_INT);
const QsOptionList ProfileStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList PortInfoAccessList(kPortInfoAccess, OVT_INT);
const QsOptionList PortProfileAddOrDeleteList(kAddOrDelete, OVT_INT);
const QsOptionList PortAccessList(kPortAccess, OVT_INT);

} // namespace

const QsSNMPVarDesc MulticastFilterProfileVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.2.1.1", "Profile Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.2.1.2", "Profile Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.2.1.3", "Add Or Delete State", SYN_INTEGER, ACC_READWRITE,
     &ProfileAddOrDeleteList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.2.1.4", "Group List", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.2.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &ProfileStatusList},
    {nullptr},
};

const QsSNMPVarDesc MulticastFilterPortInfoVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.5.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.5.1.2", "Profile Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.5.1.3", "Port Information Access", SYN_INTEGER, ACC_READONLY,
     &PortInfoAccessList},
    {nullptr},
};

const QsSNMPVarDesc MulticastFilterPortVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.3.1.1", "GroupPort Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.3.1.2", "Profile Add Or Delete State", SYN_INTEGER, ACC_READWRITE,
     &PortProfileAddOrDeleteList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.3.1.3", "Profile ID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.3.1.4", "Port Access", SYN_INTEGER, ACC_READWRITE, &PortAccessList},
    {nullptr},
};

const QsSNMPVarDesc MulticastFilterMaxGroupVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.4.1.1", "Max Group Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.22.4.1.2", "Max Group", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};
