// RMON probe configuration.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc ProbeBasicInfoVars[];
extern const QsSNMPVarDesc NetConfigurationVars[];
extern const QsSNMPVarDesc NetDefaultGatewayVars[];
