// Pages of the Single IP and Layer 3 menus.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef SingleIpControlPage;
extern const PageDef SingleIpInformationPage;
extern const PageDef CandidateSwitchPage;
extern const PageDef GroupInformationPage;
extern const PageDef NeighborSwitchPage;

extern const PageDef IpControlPage;
extern const PageDef Ipv6ControlPage;
extern const PageDef Ipv6AddressControlPage;
extern const PageDef AllIpInterfaceStatePage;
extern const PageDef NeighborCacheDeletePage;
extern const PageDef NeighborCachePage;
extern const PageDef DhcpRelayManagementPage;
extern const PageDef DhcpLocalRelayStatePage;
extern const PageDef DhcpLocalRelayVlanPage;

} // namespace qs
