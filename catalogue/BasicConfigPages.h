// Pages of the Basic Configuration menu: device, agent, time, log and mail settings, and the
// standard MIB groups with ping and trace route.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef AlarmLinkSettingsPage;
extern const PageDef PowerTablePage;
extern const PageDef ExternalAlarmTablePage;
extern const PageDef AgentBasicInfoPage;
extern const PageDef MibCapabilitiesPage;
extern const PageDef BasicManagementPage;
extern const PageDef CpuUtilizationPage;
extern const PageDef DramUtilizationPage;
extern const PageDef FlashUtilizationPage;
extern const PageDef PortUtilizationPage;
extern const PageDef MultipleImagePage;
extern const PageDef ConsoleModePage;
extern const PageDef ArpClearAllPage;
extern const PageDef GratuitousArpInfoPage;
extern const PageDef GratuitousArpTablePage;
extern const PageDef FdbClearAllPage;
extern const PageDef TrustedHostTablePage;
extern const PageDef TrustedHostDeleteAllPage;
extern const PageDef SystemTimePage;
extern const PageDef SystemLogPage;
extern const PageDef SmtpInformationPage;
extern const PageDef SmtpMailReceiverPage;
extern const PageDef CableDiagnosticsPage;
extern const PageDef SaveChangesPage;

extern const PageDef IfXTablePage;
extern const PageDef Dot3CollisionsPage;
extern const PageDef PingMaxConcurrentPage;
extern const PageDef PingControlPage;
extern const PageDef PingResultsPage;
extern const PageDef PingProbeHistoryPage;
extern const PageDef TraceRouteMaxConcurrentPage;
extern const PageDef TraceRouteControlPage;
extern const PageDef TraceRouteResultsPage;
extern const PageDef TraceRouteProbeHistoryPage;
extern const PageDef TraceRouteHopsPage;

} // namespace qs
