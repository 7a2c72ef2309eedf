// Access authentication control: the global switch, capacities and time-out, the
// per-application method groups and the server groups.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AacGlobalVars[];
extern const QsSNMPVarDesc AacInfoVars[];
extern const QsSNMPVarDesc AppAuthMethodVars[];
extern const QsSNMPVarDesc AacServerGroupVars[];
