// Spanning tree: the MST configuration name and the per-port settings.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc MstConfigIdVars[];
extern const QsSNMPVarDesc StpPortStateVars[];
extern const QsSNMPVarDesc MstPortInstanceVars[];
