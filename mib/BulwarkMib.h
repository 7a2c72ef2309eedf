// The Bulwark CPU-protection engine's global switch.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc BulwarkGlobalVars[];
