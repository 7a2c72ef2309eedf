// Pages of the Security menu: authentication mode and 802.1X, RADIUS, access authentication
// control, SSH and Bulwark, IP-MAC binding, DoS prevention, MAC-based access and DHCP server
// screening.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef AuthModePage;
extern const PageDef Dot1xConfigPage;
extern const PageDef Dot1xPortTablePage;
extern const PageDef Dot1xPortConfigPage;
extern const PageDef Dot1xPortStatsPage;
extern const PageDef Dot1xPortDiagPage;
extern const PageDef Dot1xSessionStatsPage;
extern const PageDef MacPaeStatePage;
extern const PageDef MacPaeDiagPage;
extern const PageDef MacPaeStatsPage;
extern const PageDef MacPaeSessionPage;

extern const PageDef RadiusControlPage;
extern const PageDef RadiusCommandPage;
extern const PageDef RadiusServerPage;
extern const PageDef RadiusAuthInfoPage;
extern const PageDef RadiusAuthServerPage;
extern const PageDef AuthenticatedPortPage;
extern const PageDef AccountingInfoPage;
extern const PageDef AccountingServerPage;
extern const PageDef AccountingServicePage;

extern const PageDef AacGlobalPage;
extern const PageDef AacInfoPage;
extern const PageDef AppAuthMethodPage;
extern const PageDef AacServerGroupPage;

extern const PageDef SshManagementPage;
extern const PageDef SshAlgorithmPage;
extern const PageDef SshAuthMethodPage;
extern const PageDef BulwarkGlobalPage;

extern const PageDef IpMacBindingGlobalPage;
extern const PageDef IpMacBindingPortPage;
extern const PageDef IpMacDhcpSnoopPage;
extern const PageDef IpMacBlockedPage;
extern const PageDef DosGlobalPage;
extern const PageDef DosControlPage;
extern const PageDef MbaInfoPage;
extern const PageDef MbaPortInfoPage;
extern const PageDef MbaPortPage;
extern const PageDef MbaDatabasePage;
extern const PageDef DhcpScreeningGlobalPage;
extern const PageDef DhcpScreeningPortPage;

} // namespace qs
