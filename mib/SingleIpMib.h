// Single IP management: this switch's role and timers, its own information, and the candidate,
// group member and neighbour switches it sees.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SingleIpControlVars[];
extern const QsSNMPVarDesc SingleIpInformationVars[];
extern const QsSNMPVarDesc CandidateSwitchVars[];
extern const QsSNMPVarDesc GroupMemberVars[];
extern const QsSNMPVarDesc NeighborSwitchVars[];
