// Pages of the Layer 2 protocol menus: loopback detection, multicast filter, MLD snooping,
// BPDU tunnel and protection, ERPS, PPPoE circuit ID insertion, CFM and 802.3 OAM.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef LoopDetectControlPage;
extern const PageDef LoopDetectPortTablePage;
extern const PageDef MulticastFilterTablePage;
extern const PageDef MulticastFilterPortInfoPage;
extern const PageDef MulticastFilterPortTablePage;
extern const PageDef MulticastFilterMaxGroupPage;
extern const PageDef MldSnoopingGlobalPage;
extern const PageDef MldSnoopingControlPage;
extern const PageDef MldRxQueryCounterPage;

extern const PageDef BpduTunnelGlobalPage;
extern const PageDef BpduTunnelInfoPage;
extern const PageDef BpduTunnelTablePage;
extern const PageDef BpduProtectionGlobalPage;
extern const PageDef BpduProtectionPortPage;
extern const PageDef ErpsGlobalPage;
extern const PageDef PppoePage;

extern const PageDef CfmGlobalStatePage;
extern const PageDef CfmPortTablePage;
extern const PageDef CfmStackTablePage;
extern const PageDef CfmVlanTablePage;
extern const PageDef CfmMdNextIndexPage;
extern const PageDef CfmMdTablePage;
extern const PageDef CfmMaNetTablePage;
extern const PageDef CfmMaComponentTablePage;
extern const PageDef CfmMaMepListTablePage;
extern const PageDef CfmMepTablePage;
extern const PageDef CfmLinktraceRepliesPage;
extern const PageDef CfmMepDataTablePage;

extern const PageDef Dot3OamTablePage;
extern const PageDef Dot3OamPeerTablePage;
extern const PageDef Dot3OamLoopbackTablePage;
extern const PageDef Dot3OamStatsTablePage;
extern const PageDef Dot3OamEventConfigPage;
extern const PageDef Dot3OamEventLogPage;

} // namespace qs
