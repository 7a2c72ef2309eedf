#include "Layer2PortPages.h"

#include "Layer2GlobalMib.h"
#include "LinkAggregationMib.h"
#include "PageMakers.h"
#include "PortMib.h"
#include "QosMib.h"

namespace qs {

namespace {

constexpr FormatDef kLayer2GlobalFormats[] = {
    {4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}};
// A change of "Flow Control State" greys "Medium Type" (a key: its value stays the row's).
constexpr TagDef kPortControlTags[] = {{kPortControlFlowControl, 1}};

} // namespace

const PageDef Layer2GlobalSettingsPage =
    WithFormats(ScalarPage("Layer 2 Device Global Settings", Layer2GlobalSettingsVars), kLayer2GlobalFormats);

const PageDef PortInformationPage = ListPage("Port Information Table", PortInformationVars, MVT_FMV, 2);
// Reads and Edit SETs wait 5 s: the device answers slowly while it changes a port.
const PageDef PortControlPage = [] {
    PageDef page = WithTimeout(ListPage("Port Control Table", PortControlVars, MVT_UMV, 2), 500);
    page.tags = kPortControlTags;
    return page;
}();
const PageDef ErrorPortPage = ListPage("Error Port Table", ErrorPortVars, MVT_FMV, 1);
const PageDef JumboFramePage = ScalarPage("Jumbo Frame Settings", JumboFrameVars);
const PageDef PortSecurityTrapLogPage = ScalarPage("Port Security Trap Log State", PortSecurityTrapLogVars);
const PageDef PortSecurityControlPage =
    ListPage("Port Security Control", PortSecurityControlVars, MVT_UMV, 1);
const PageDef TrunkInformationPage = ScalarPage("Trunk Information", TrunkInformationVars);
const PageDef TrunkLacpPortPage = ListPage("Trunk LACP Port Table", TrunkLacpPortVars, MVT_UMV, 1);
const PageDef TrunkVlanPage = ListPage("Trunk VLAN Table", TrunkVlanVars, MVT_UMV, 1);

const PageDef QosSchedulingMechanismPage =
    ScalarPage("QoS Scheduling Mechanism Control", QosSchedulingMechanismVars);
const PageDef BandwidthControlPage = ListPage("Bandwidth Control Table", BandwidthControlVars, MVT_UMV, 1);
const PageDef SchedulingPage = ListPage("Scheduling Table", SchedulingVars, MVT_UMV, 1);
const PageDef UserPriorityPage = ListPage("802.1p User Priority Table", UserPriorityVars, MVT_UMV, 1);
const PageDef DefaultPriorityPage =
    ListPage("802.1p Default Priority Table", DefaultPriorityVars, MVT_UMV, 1);

const PageDef PacketStormControlPage = ScalarPage("Packet Storm Control", PacketStormTrapVars);
const PageDef PacketStormControlTablePage =
    ListPage("Packet Storm Control Table", PacketStormControlVars, MVT_UMV, 1);

const PageDef AggregatorPage = ListPage("Aggregator Table", AggregatorVars, MVT_FMV, 1);
const PageDef AggregatorPortListPage =
    ListPage("Aggregator Port List Table", AggregatorPortListVars, MVT_FMV, 1);
const PageDef AggregationPortPage = ListPage("Aggregator Port", AggregationPortVars, MVT_FMV, 1);

} // namespace qs
