// Multicast filter: the filter profiles with their group lists, the per-port profile
// membership and access, and the per-port maximum group count.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc MulticastFilterProfileVars[];
extern const QsSNMPVarDesc MulticastFilterPortInfoVars[];
extern const QsSNMPVarDesc MulticastFilterPortVars[];
extern const QsSNMPVarDesc MulticastFilterMaxGroupVars[];
