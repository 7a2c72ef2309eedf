// Layer 2 device globals of the device's own subtree (reboot action, management address and
// VLAN, feature switches) and packet storm control (trap control and the per-port table).
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc Layer2GlobalSettingsVars[];
extern const QsSNMPVarDesc PacketStormTrapVars[];
extern const QsSNMPVarDesc PacketStormControlVars[];
