// DoS prevention: trap and counter clearing, and the per-attack control table.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc DosGlobalVars[];
extern const QsSNMPVarDesc DosControlVars[];
