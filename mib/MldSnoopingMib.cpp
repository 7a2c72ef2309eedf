#include "MldSnoopingMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kQuerierState[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
const QsOption kOtherDisableEnable[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
const QsOption kMldVersion[] = {{1, "version-1"}, {2, "version-2"}, {}};

const QsOptionList MldGlobalStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList MldCurrentStateList(kQuerierState, OVT_INT);
const QsOptionList MldControlStateList(kOtherDisableEnable, OVT_INT);
const QsOptionList MldFastDoneStateList(kOtherDisableEnable, OVT_INT);
const QsOptionList MldVersionList(kMldVersion, OVT_INT);

} // namespace

const QsSNMPVarDesc MldSnoopingGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.34.1.1", "MLD Snooping Global State", SYN_INTEGER, ACC_READWRITE,
     &MldGlobalStateList},
    {nullptr},
};

const QsSNMPVarDesc MldSnoopingControlVars[] = {
    {"1.3.6.1.4.1.58613.12.34.3.2.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.2", "Query Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.3", "Max Response Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.4", "Robustness", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.5", "Last Member Query Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.10", "Current State", SYN_INTEGER, ACC_READONLY, &MldCurrentStateList},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.11", "Control State", SYN_INTEGER, ACC_READWRITE, &MldControlStateList},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.12", "Fast Done State", SYN_INTEGER, ACC_READWRITE,
     &MldFastDoneStateList},
    {"1.3.6.1.4.1.58613.12.34.3.2.1.13", "Version", SYN_INTEGER, ACC_READONLY, &MldVersionList},
    {nullptr},
};

const QsSNMPVarDesc MldRxQueryCounterVars[] = {
    {kIndexOid, "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.2.2.3.1.20", "VLAN Counter Total RX Query", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};
