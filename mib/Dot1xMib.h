// IEEE 802.1X port access control: the device's authentication mode, the PAE system switch,
// the per-port authenticator tables, and the MAC-based authenticator tables (MAC address plus port).
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AuthModeVars[];
extern const QsSNMPVarDesc Dot1xConfigVars[];
extern const QsSNMPVarDesc Dot1xPortTableVars[];
extern const QsSNMPVarDesc Dot1xPortConfigVars[];
extern const QsSNMPVarDesc Dot1xPortStatsVars[];
extern const QsSNMPVarDesc Dot1xPortDiagVars[];
extern const QsSNMPVarDesc Dot1xSessionStatsVars[];
extern const QsSNMPVarDesc MacPaeStateVars[];
extern const QsSNMPVarDesc MacPaeDiagVars[];
extern const QsSNMPVarDesc MacPaeStatsVars[];
extern const QsSNMPVarDesc MacPaeSessionVars[];
