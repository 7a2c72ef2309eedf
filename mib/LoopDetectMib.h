// Loopback detection: the global loop-detect settings and the per-port state.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc LoopDetectControlVars[];
extern const QsSNMPVarDesc LoopDetectPortVars[];
