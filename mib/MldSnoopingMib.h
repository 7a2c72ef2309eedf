// MLD snooping: the global state, the per-VLAN querier settings and the per-VLAN count of
// queries received.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc MldSnoopingGlobalVars[];
extern const QsSNMPVarDesc MldSnoopingControlVars[];
extern const QsSNMPVarDesc MldRxQueryCounterVars[];
