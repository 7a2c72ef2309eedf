// Equipment: power supplies and external alarm inputs.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc PowerTableVars[];
extern const QsSNMPVarDesc ExternalAlarmTableVars[];
