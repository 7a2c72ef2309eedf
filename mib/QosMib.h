// QoS of the device's own subtree: bandwidth per port, the classes' weights and mechanism,
// 802.1p priority to class, the default priority per port and the scheduling mechanism.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc QosSchedulingMechanismVars[];
extern const QsSNMPVarDesc BandwidthControlVars[];
extern const QsSNMPVarDesc SchedulingVars[];
extern const QsSNMPVarDesc UserPriorityVars[];
extern const QsSNMPVarDesc DefaultPriorityVars[];
