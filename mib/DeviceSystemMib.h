// The device's own subtree, system settings: the alarm link and the RMON engine switch.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AlarmLinkSettingsVars[];
// One scalar, "RMON State"; the RMON page and the RMON menu's state read share it.
extern const QsSNMPVarDesc RmonStateVars[];
