// DISMAN ping and trace route: remote tests run by the agent.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc PingMaxConcurrentVars[];
extern const QsSNMPVarDesc PingControlVars[];
extern const QsSNMPVarDesc PingResultsVars[];
extern const QsSNMPVarDesc PingProbeHistoryVars[];
extern const QsSNMPVarDesc TraceRouteMaxConcurrentVars[];
extern const QsSNMPVarDesc TraceRouteControlVars[];
extern const QsSNMPVarDesc TraceRouteResultsVars[];
extern const QsSNMPVarDesc TraceRouteProbeHistoryVars[];
extern const QsSNMPVarDesc TraceRouteHopsVars[];
