// EtherLike-MIB: the collision histogram.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc Dot3CollisionsVars[];
