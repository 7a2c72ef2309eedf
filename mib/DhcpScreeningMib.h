// DHCP server screening: log and trap settings and the per-port switch.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc DhcpScreeningGlobalVars[];
extern const QsSNMPVarDesc DhcpScreeningPortVars[];
