// Ethernet link OAM (DOT3-OAM-MIB): per-interface OAM state and mode, the peer's identity,
// remote loopback, the OAM frame counters, the link-event thresholds and the event log.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc Dot3OamVars[];
extern const QsSNMPVarDesc Dot3OamPeerVars[];
extern const QsSNMPVarDesc Dot3OamLoopbackVars[];
extern const QsSNMPVarDesc Dot3OamStatsVars[];
extern const QsSNMPVarDesc Dot3OamEventConfigVars[];
extern const QsSNMPVarDesc Dot3OamEventLogVars[];
