// PPPoE circuit ID insertion: the global state and the per-port settings.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc PppoeGlobalVars[];
extern const QsSNMPVarDesc PppoePortVars[];
