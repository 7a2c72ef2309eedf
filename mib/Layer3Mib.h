// Layer 3: the IP interfaces with their IPv6 settings and addresses, the IPv6 neighbour cache,
// and DHCP relay (global, option 82 and the local relay per VLAN).
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc IpControlVars[];
extern const QsSNMPVarDesc Ipv6ControlVars[];
extern const QsSNMPVarDesc Ipv6AddressControlVars[];
extern const QsSNMPVarDesc AllIpInterfaceStateVars[];
extern const QsSNMPVarDesc NeighborCacheDeleteVars[];
extern const QsSNMPVarDesc NeighborCacheVars[];
extern const QsSNMPVarDesc DhcpRelayManagementVars[];
extern const QsSNMPVarDesc DhcpLocalRelayStateVars[];
extern const QsSNMPVarDesc DhcpLocalRelayVlanVars[];
