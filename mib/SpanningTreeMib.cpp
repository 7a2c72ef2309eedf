#include "SpanningTreeMib.h"

#include "SharedOptions.h"

namespace {

// Two enumerations of the same idea with different values: each object keeps its own.
const QsOption kAdminEdgePort[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
const QsOption kPointToPoint[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
const QsOption kBpduFiltering[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const QsOption kMstPortStatus[] = {{1, "other"},          {2, "disabled"},     {3, "discarding"},
                                   {4, "learning"},       {5, "forwarding"},   {6, "broken"},
                                   {7, "no-stp-enabled"}, {8, "err-disabled"}, {}};
const QsOption kMstPortRole[] = {{0, "disable"}, {1, "alternate"},  {2, "backup"},
                                 {3, "root"},    {4, "designated"}, {5, "master"},
                                 {6, "nonstp"},  {7, "loopback"},   {}};

const QsOptionList StpPortEnableList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MigrationList(TrueFalseOptions, OVT_INT);
const QsOptionList AdminEdgePortList(kAdminEdgePort, OVT_INT);
const QsOptionList OperEdgePortList(TrueFalseOptions, OVT_INT);
const QsOptionList AdminP2PList(kPointToPoint, OVT_INT);
const QsOptionList OperP2PList(kPointToPoint, OVT_INT);
const QsOptionList BpduFilteringList(kBpduFiltering, OVT_INT);
const QsOptionList RestrictedRoleList(TrueFalseOptions, OVT_INT);
const QsOptionList RestrictedTcnList(TrueFalseOptions, OVT_INT);
const QsOptionList MstPortStatusList(kMstPortStatus, OVT_INT);
const QsOptionList MstPortRoleList(kMstPortRole, OVT_INT);

} // namespace

const QsSNMPVarDesc MstConfigIdVars[] = {
    {"1.3.6.1.4.1.58613.12.15.2.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.15.2.2", "Revision Level (0-65535)", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc StpPortStateVars[] = {
    {"1.3.6.1.4.1.58613.12.15.2.4.1.1", "MST Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.2", "Operate Hello Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.3", "Admin Hello Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.4", "STP Port Enable", SYN_INTEGER, ACC_READWRITE, &StpPortEnableList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.5", "External Path Cost", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.6", "Migration", SYN_INTEGER, ACC_READWRITE, &MigrationList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.7", "Admin Edge Port", SYN_INTEGER, ACC_READWRITE, &AdminEdgePortList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.8", "Operate Edge Port", SYN_INTEGER, ACC_READONLY, &OperEdgePortList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.9", "Admin P2P", SYN_INTEGER, ACC_READWRITE, &AdminP2PList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.10", "Operate P2P", SYN_INTEGER, ACC_READONLY, &OperP2PList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.12", "BPDU Filtering", SYN_INTEGER, ACC_READWRITE, &BpduFilteringList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.13", "Restricted Role", SYN_INTEGER, ACC_READWRITE, &RestrictedRoleList},
    {"1.3.6.1.4.1.58613.12.15.2.4.1.14", "Restricted TCN", SYN_INTEGER, ACC_READWRITE, &RestrictedTcnList},
    {nullptr},
};

const QsSNMPVarDesc MstPortInstanceVars[] = {
    {"1.3.6.1.4.1.58613.12.15.2.5.1.1", "MST Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.2", "Instance ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.3", "Designated Bridge", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.4", "Internal Path Cost", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.5", "Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.6", "Status", SYN_INTEGER, ACC_READONLY, &MstPortStatusList},
    {"1.3.6.1.4.1.58613.12.15.2.5.1.7", "Role", SYN_INTEGER, ACC_READONLY, &MstPortRoleList},
    {nullptr},
};
