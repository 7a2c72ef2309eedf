// ACL and CPU interface filter objects (rule counts, flow metering, counters, packet-content
// masks and offsets, IPv6 CPU-filter masks) and the time-range bindings of their rules.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AclInformationVars[];
extern const QsSNMPVarDesc AclMeterVars[];
extern const QsSNMPVarDesc AclMeteringInfoVars[];
extern const QsSNMPVarDesc AclCounterVars[];
extern const QsSNMPVarDesc AclMaskDeleteAllVars[];
extern const QsSNMPVarDesc PacketContentMaskVars[];
extern const QsSNMPVarDesc PacketContentOffsetsVars[];
extern const QsSNMPVarDesc PacketContentRuleOffsetsVars[];
extern const QsSNMPVarDesc CpuFilterControlVars[];
extern const QsSNMPVarDesc CpuFilterIpv6MaskVars[];
extern const QsSNMPVarDesc TimeRangeAclVars[];
extern const QsSNMPVarDesc TimeRangeCpuAclVars[];
