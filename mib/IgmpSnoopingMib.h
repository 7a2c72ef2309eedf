// IGMP snooping: the global switch and learning limit, the per-VLAN querier and snooping
// settings, the capacities, query counters, groups, hosts, access authentication, IGMPv3
// sources and the dynamic entry limit.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc IgmpGlobalSettingsVars[];
extern const QsSNMPVarDesc IgmpManagementInfoVars[];
extern const QsSNMPVarDesc IgmpControlVars[];
extern const QsSNMPVarDesc IgmpQueryInfoVars[];
extern const QsSNMPVarDesc IgmpInformationVars[];
// Rows by VLAN, group, port and host address; the host address is also read as a column.
extern const QsSNMPVarDesc IgmpHostVars[];
// Rows by VLAN alone.
extern const QsSNMPVarDesc IgmpAccessAuthenticationVars[];
extern const QsSNMPVarDesc Igmpv3Vars[];
extern const QsSNMPVarDesc IgmpDynamicMaxEntryVars[];
