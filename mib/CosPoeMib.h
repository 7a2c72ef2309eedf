// Class of service (the priority sources a port honours and the class of each priority value)
// and power over Ethernet (budget and per-port power).
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc CosPriorityVars[];
extern const QsSNMPVarDesc CosPortPriVars[];
extern const QsSNMPVarDesc CosMacBasePriVars[];
extern const QsSNMPVarDesc CosTosPriVars[];
extern const QsSNMPVarDesc CosDscpPriVars[];

extern const QsSNMPVarDesc PoeSystemControlVars[];
extern const QsSNMPVarDesc PoeSystemInfoVars[];
extern const QsSNMPVarDesc PoePortControlVars[];
extern const QsSNMPVarDesc PoePortInfoVars[];
