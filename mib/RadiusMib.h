// RADIUS client: time-out and retransmissions, the port-and-MAC command, servers, the
// authentication client's counters, per-port capability and the accounting client.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc RadiusControlVars[];
extern const QsSNMPVarDesc RadiusCommandVars[];
extern const QsSNMPVarDesc RadiusServerVars[];
extern const QsSNMPVarDesc RadiusAuthInfoVars[];
extern const QsSNMPVarDesc RadiusAuthServerVars[];
extern const QsSNMPVarDesc AuthenticatedPortVars[];
extern const QsSNMPVarDesc AccountingInfoVars[];
extern const QsSNMPVarDesc AccountingServerVars[];
extern const QsSNMPVarDesc AccountingServiceVars[];
