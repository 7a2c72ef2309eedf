// Pages of the LLDP menu: configuration, statistics, local and remote system data, and the
// IEEE 802.1 and 802.3 extensions.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef LldpBasicConfigPage;
extern const PageDef LldpConfigManAddrPage;
extern const PageDef LldpStatisticsPage;
extern const PageDef LldpTxPortPage;
extern const PageDef LldpRxPortPage;
extern const PageDef LldpLocPortPage;
extern const PageDef LldpLocManAddrPage;
extern const PageDef LldpRemManAddrPage;
extern const PageDef LldpRemUnknownTlvPage;

extern const PageDef Dot1PortVlanPage;
extern const PageDef Dot1LocPortVlanIdPage;
extern const PageDef Dot1LocVlanNamePage;
extern const PageDef Dot1LocProtoVlanPage;
extern const PageDef Dot1LocProtocolPage;
extern const PageDef Dot1RemPortVlanIdPage;
extern const PageDef Dot1RemVlanNamePage;
extern const PageDef Dot1RemProtoVlanPage;
extern const PageDef Dot1RemProtocolPage;
extern const PageDef Dot3LocPortPage;
extern const PageDef Dot3LocPowerPage;
extern const PageDef Dot3LocMaxFramePage;
extern const PageDef Dot3RemPortPage;
extern const PageDef Dot3RemPowerPage;
extern const PageDef Dot3RemMaxFramePage;

} // namespace qs
