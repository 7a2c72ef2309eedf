// BPDU tunnelling (global state, the tunnel's multicast addresses, per-port tunnel settings)
// and BPDU attack protection (global settings, per-port state).
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc BpduTunnelGlobalVars[];
extern const QsSNMPVarDesc BpduTunnelInfoVars[];
extern const QsSNMPVarDesc BpduTunnelPortVars[];
extern const QsSNMPVarDesc BpduProtectionGlobalVars[];
extern const QsSNMPVarDesc BpduProtectionPortVars[];
