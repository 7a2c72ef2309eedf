// The switch's own VLAN objects: protocol VLAN group priorities, MAC-based VLANs, Q-in-Q with
// its CVID translation, PVID auto assignment, VLAN advertisement and the multiple-VLAN action.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc ProtocolGroupPriorityVars[];
extern const QsSNMPVarDesc MacBasedVlanVars[];
extern const QsSNMPVarDesc QinQStateVars[];
extern const QsSNMPVarDesc QinQPortVars[];
extern const QsSNMPVarDesc VlanTranslationCvidVars[];
extern const QsSNMPVarDesc PvidAutoAssignVars[];
extern const QsSNMPVarDesc VlanAdvertisementVars[];
extern const QsSNMPVarDesc VlanMultiplyVars[];
