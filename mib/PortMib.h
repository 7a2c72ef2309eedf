// Ports of the device's own subtree: information and control per port and medium (combo ports
// have a copper and a fibre row), error-disabled ports, jumbo frames, port security and trunking.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc PortInformationVars[];
// Rows by port and medium; both index columns are also read as ordinary columns.
extern const QsSNMPVarDesc PortControlVars[];
extern const QsSNMPVarDesc ErrorPortVars[];
extern const QsSNMPVarDesc JumboFrameVars[];
extern const QsSNMPVarDesc PortSecurityTrapLogVars[];
extern const QsSNMPVarDesc PortSecurityControlVars[];
extern const QsSNMPVarDesc TrunkInformationVars[];
extern const QsSNMPVarDesc TrunkLacpPortVars[];
extern const QsSNMPVarDesc TrunkVlanVars[];

// Positions in PortControlVars.
inline constexpr int kPortControlMedium = 1;
inline constexpr int kPortControlFlowControl = 4;
