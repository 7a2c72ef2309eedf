#include "SnmpV3Pages.h"

#include "PageMakers.h"
#include "SnmpV3Mib.h"

namespace qs {

namespace {

constexpr FormatDef kTargetAddrFormats[] = {{4, "%i{n0x255l3}"}};

// A table whose rows are added with createAndGo and deleted with destroy through the status
// column, and edited like any other list.
constexpr PageDef RowStatusPage(const char* title, const QsSNMPVarDesc* vars, int keys, int statusVar) {
    PageDef page = ListPage(title, vars, MVT_UMV, keys);
    page.add = {statusVar, "createAndGo"};
    page.del = {statusVar, "destroy"};
    return page;
}

} // namespace

const PageDef SnmpEnginePage = [] {
    PageDef page = ScalarPage("SNMP Engine", SnmpEngineVars);
    page.valueWidth = 150;
    return page;
}();
const PageDef SnmpMpdStatsPage = ScalarPage("Message Processing And Dispatching", SnmpMpdStatsVars);
const PageDef SnmpTargetInfoPage = ScalarPage("General Information", SnmpTargetInfoVars);
const PageDef SnmpTargetAddrPage =
    WithFormats(RowStatusPage("Target Address Table", SnmpTargetAddrVars, 1, 8), kTargetAddrFormats);
const PageDef SnmpTargetParamsPage = RowStatusPage("Target Parameters", SnmpTargetParamsVars, 1, 6);
const PageDef UsmStatsPage = ScalarPage("Statistics", UsmStatsVars);
const PageDef UsmUserPage = RowStatusPage("User Table", UsmUserVars, 2, 12);
const PageDef VacmSecurityGroupPage = RowStatusPage("Security Group Table", VacmSecurityGroupVars, 2, 4);
const PageDef VacmAccessPage = RowStatusPage("Access Table", VacmAccessVars, 4, 9);
const PageDef VacmViewTreePage = RowStatusPage("View MIB Tree Family Table", VacmViewTreeVars, 2, 5);
const PageDef SnmpNotifyPage = RowStatusPage("Notify Table", SnmpNotifyVars, 1, 4);
const PageDef SnmpNotifyFilterProfilePage =
    RowStatusPage("Notify Filter Profile Table", SnmpNotifyFilterProfileVars, 1, 3);
const PageDef SnmpNotifyFilterPage = RowStatusPage("Notify Filter Table", SnmpNotifyFilterVars, 2, 5);
const PageDef SnmpCommunityPage = RowStatusPage("SNMP Community Table", SnmpCommunityVars, 1, 7);
const PageDef SnmpTargetAddrExtPage = ListPage("Target Address Table", SnmpTargetAddrExtVars, MVT_UMV, 1);

} // namespace qs
