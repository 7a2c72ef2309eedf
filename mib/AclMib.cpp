#include "AclMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kRateExceedAction[] = {{2, "drop-packet"}, {4, "remark-dscp"}, {}};
const QsOption kMeterMode[] = {{1, "other"}, {}};
const QsOption kOffsetReference[] = {{1, "l2"}, {2, "l3"}, {3, "l4"}, {}};
const QsOption kIpv6MaskState[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}, {}};

const QsOptionList MeterRateExceedList(kRateExceedAction, OVT_INT);
const QsOptionList MeterModeList(kMeterMode, OVT_INT);
const QsOptionList MeterRowStatusList(RowStatusOptions, OVT_INT);
const QsOptionList CounterStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList MaskDeleteAllList(NoneStartOptions, OVT_INT);
const QsOptionList ContentMaskRowStatusList(RowStatusOptions, OVT_INT);
const QsOptionList OffsetReferenceList(kOffsetReference, OVT_INT);
const QsOptionList OffsetRowStatusList(RowStatusOptions, OVT_INT);
const QsOptionList RuleOffsetRowStatusList(RowStatusOptions, OVT_INT);
const QsOptionList CpuFilterStateList(EnableDisableOptions, OVT_INT);
const QsOptionList Ipv6MaskClassList(EnableDisableOptions, OVT_INT);
const QsOptionList Ipv6MaskFlowLabelList(EnableDisableOptions, OVT_INT);
const QsOptionList Ipv6MaskStateList(kIpv6MaskState, OVT_INT);
const QsOptionList Ipv6MaskRowStatusList(RowStatusOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc AclInformationVars[] = {
    {"1.3.6.1.4.1.58613.12.9.1.2", "Total Used Rule Entries", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.9.1.3", "Total Unused Rule Entries", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AclMeterVars[] = {
    {"1.3.6.1.4.1.58613.12.9.6.1.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.3", "Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.4", "Action For Rate Exceed", SYN_INTEGER, ACC_READWRITE,
     &MeterRateExceedList},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.5", "Remark Dscp", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.6", "Burst Size", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.7", "Mode", SYN_INTEGER, ACC_READONLY, &MeterModeList},
    {"1.3.6.1.4.1.58613.12.9.6.1.1.35", "Row Status", SYN_INTEGER, ACC_READWRITE, &MeterRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc AclMeteringInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.9.6.2", "Metering Number Of Entry In Use", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AclCounterVars[] = {
    {"1.3.6.1.4.1.58613.12.9.3.8.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.3.8.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.3.8.1.3", "State", SYN_INTEGER, ACC_READWRITE, &CounterStateList},
    {"1.3.6.1.4.1.58613.12.9.3.8.1.5", "Green Counter", SYN_COUNTER64, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AclMaskDeleteAllVars[] = {
    {"1.3.6.1.4.1.58613.12.9.2.5", "ACL Mask Delete All State", SYN_INTEGER, ACC_READWRITE,
     &MaskDeleteAllList},
    {nullptr},
};

const QsSNMPVarDesc PacketContentMaskVars[] = {
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.2", "Source MAC", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.3", "Destination MAC", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.4", "CTag", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.5", "STag", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.1.1.9", "Row Status", SYN_INTEGER, ACC_READWRITE,
     &ContentMaskRowStatusList},
    {nullptr},
};

// The page reads the Profile ID column from the agent as well (its request makes it readonly).
const QsSNMPVarDesc PacketContentOffsetsVars[] = {
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.2", "Offsets Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.3", "Reference", SYN_INTEGER, ACC_READWRITE, &OffsetReferenceList},
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.4", "Value", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.5", "Mask", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.2.10.2.1.6", "Row Status", SYN_INTEGER, ACC_READWRITE, &OffsetRowStatusList},
    {nullptr},
};

// Offsets Number is the third key, and is read from the agent like a readonly column.
const QsSNMPVarDesc PacketContentRuleOffsetsVars[] = {
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.3", "Offsets Number", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.4", "Offsets Data", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &RuleOffsetRowStatusList},
    {"1.3.6.1.4.1.58613.12.9.3.10.2.1.6", "Mask", SYN_OCTETSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc CpuFilterControlVars[] = {
    {"1.3.6.1.4.1.58613.12.9.1.1", "CPU Interface filter State", SYN_INTEGER, ACC_READWRITE,
     &CpuFilterStateList},
    {nullptr},
};

const QsSNMPVarDesc CpuFilterIpv6MaskVars[] = {
    {"1.3.6.1.4.1.58613.12.9.4.4.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.2", "Class", SYN_INTEGER, ACC_READWRITE, &Ipv6MaskClassList},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.3", "Flowlabel", SYN_INTEGER, ACC_READWRITE, &Ipv6MaskFlowLabelList},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.4", "Mask State", SYN_INTEGER, ACC_READWRITE, &Ipv6MaskStateList},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.5", "Source IPv6 Mask", SYN_IPV6ADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.6", "Destination IPv6 Mask", SYN_IPV6ADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.9.4.4.1.7", "Row Status", SYN_INTEGER, ACC_READWRITE, &Ipv6MaskRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc TimeRangeAclVars[] = {
    {"1.3.6.1.4.1.58613.12.50.3.2.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.50.3.2.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.50.3.2.1.3", "Time Range Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc TimeRangeCpuAclVars[] = {
    {"1.3.6.1.4.1.58613.12.50.3.3.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.50.3.3.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.50.3.3.1.3", "Time Range Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};
