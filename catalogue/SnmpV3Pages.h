// Pages of the SNMP v3 menu.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef SnmpEnginePage;
extern const PageDef SnmpMpdStatsPage;
extern const PageDef SnmpTargetInfoPage;
extern const PageDef SnmpTargetAddrPage;
extern const PageDef SnmpTargetParamsPage;
extern const PageDef UsmStatsPage;
extern const PageDef UsmUserPage;
extern const PageDef VacmSecurityGroupPage;
extern const PageDef VacmAccessPage;
extern const PageDef VacmViewTreePage;
extern const PageDef SnmpNotifyPage;
extern const PageDef SnmpNotifyFilterProfilePage;
extern const PageDef SnmpNotifyFilterPage;
extern const PageDef SnmpCommunityPage;
extern const PageDef SnmpTargetAddrExtPage;

} // namespace qs
