// The agent's SNMPv3 configuration through the standard MIBs: engine, message processing,
// targets, notifications, user-based security, view-based access control and communities.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SnmpEngineVars[];
extern const QsSNMPVarDesc SnmpMpdStatsVars[];
extern const QsSNMPVarDesc SnmpTargetInfoVars[];
extern const QsSNMPVarDesc SnmpTargetAddrVars[];
extern const QsSNMPVarDesc SnmpTargetParamsVars[];
extern const QsSNMPVarDesc UsmStatsVars[];
extern const QsSNMPVarDesc UsmUserVars[];
extern const QsSNMPVarDesc VacmSecurityGroupVars[];
extern const QsSNMPVarDesc VacmAccessVars[];
extern const QsSNMPVarDesc VacmViewTreeVars[];
extern const QsSNMPVarDesc SnmpNotifyVars[];
extern const QsSNMPVarDesc SnmpNotifyFilterProfileVars[];
extern const QsSNMPVarDesc SnmpNotifyFilterVars[];
extern const QsSNMPVarDesc SnmpCommunityVars[];
extern const QsSNMPVarDesc SnmpTargetAddrExtVars[];
