// IP-MAC-port binding: global switches, per-port state, the DHCP snooping table and the
// addresses it blocked.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc IpMacBindingGlobalVars[];
extern const QsSNMPVarDesc IpMacBindingPortVars[];
extern const QsSNMPVarDesc IpMacDhcpSnoopVars[];
extern const QsSNMPVarDesc IpMacBlockedVars[];
