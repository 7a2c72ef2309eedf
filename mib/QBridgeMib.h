// P-BRIDGE-MIB and Q-BRIDGE-MIB: 802.1p priorities and traffic classes, the 802.1Q bridge's
// base settings, its forwarding databases and the protocol VLAN groups.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc Dot1pBasicVars[];
extern const QsSNMPVarDesc Dot1pDefaultPriorityVars[];
extern const QsSNMPVarDesc Dot1pRegenPriorityVars[];
extern const QsSNMPVarDesc Dot1pTrafficClassVars[];
extern const QsSNMPVarDesc Dot1pOutboundAccessVars[];
extern const QsSNMPVarDesc Dot1qBasicVars[];
extern const QsSNMPVarDesc Dot1qTpFdbVars[];
extern const QsSNMPVarDesc Dot1qFdbVars[];
extern const QsSNMPVarDesc ProtocolGroupVars[];
