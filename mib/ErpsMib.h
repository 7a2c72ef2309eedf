// ERPS: the global ring protection settings. The rings themselves belong to the ERPS dialog.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc ErpsGlobalVars[];
