#include "BasicConfigPages.h"
#include "EtherLikeMib.h"
#include "IfMib.h"
#include "PageMakers.h"
#include "PingTraceMib.h"

namespace qs {

// Reads with SNMPv2c when SNMPv1 is configured: the 64-bit counters need it.
const PageDef IfXTablePage = [] {
    PageDef page = WithHeight(ListPage("IfX Table", IfXTableVars, MVT_UMV, 1), 450);
    page.forceV2cIfV1 = true;
    return page;
}();
const PageDef Dot3CollisionsPage =
    WithHeight(ListPage("Dot3 Collisions", Dot3CollisionsVars, MVT_FMV, 2), 450);

const PageDef PingMaxConcurrentPage = ScalarPage("Ping Max Concurrent Requests", PingMaxConcurrentVars);
const PageDef PingControlPage = AddDeletePage("Ping Control Table", PingControlVars, 2, 6);
const PageDef PingResultsPage = ListPage("Ping Results Table", PingResultsVars, MVT_UMV, 2);
const PageDef PingProbeHistoryPage = ListPage("Ping Probe History Table", PingProbeHistoryVars, MVT_UMV, 3);

const PageDef TraceRouteMaxConcurrentPage =
    ScalarPage("Trace Route Max Concurrent Requests", TraceRouteMaxConcurrentVars);
const PageDef TraceRouteControlPage = AddDeletePage("Trace Route Control Table", TraceRouteControlVars, 2, 8);
const PageDef TraceRouteResultsPage =
    ListPage("Trace Route Results Table", TraceRouteResultsVars, MVT_UMV, 2);
const PageDef TraceRouteProbeHistoryPage =
    ListPage("Trace Route Probe History Table", TraceRouteProbeHistoryVars, MVT_UMV, 5);
const PageDef TraceRouteHopsPage = ListPage("Trace Route Hops Table", TraceRouteHopsVars, MVT_UMV, 3);

} // namespace qs
