// BRIDGE-MIB: the 802.1D base and transparent-bridge scalars and the base port table.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc Dot1dInformationVars[];
extern const QsSNMPVarDesc Dot1dPortTableVars[];
