// Pages of the Layer 2 menu's device globals, port management, QoS, packet storm and 802.3ad
// link aggregation.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef Layer2GlobalSettingsPage;

extern const PageDef PortInformationPage;
extern const PageDef PortControlPage;
extern const PageDef ErrorPortPage;
extern const PageDef JumboFramePage;
extern const PageDef PortSecurityTrapLogPage;
extern const PageDef PortSecurityControlPage;
extern const PageDef TrunkInformationPage;
extern const PageDef TrunkLacpPortPage;
extern const PageDef TrunkVlanPage;

extern const PageDef QosSchedulingMechanismPage;
extern const PageDef BandwidthControlPage;
extern const PageDef SchedulingPage;
extern const PageDef UserPriorityPage;
extern const PageDef DefaultPriorityPage;

extern const PageDef PacketStormControlPage;
extern const PageDef PacketStormControlTablePage;

extern const PageDef AggregatorPage;
extern const PageDef AggregatorPortListPage;
extern const PageDef AggregationPortPage;

} // namespace qs
