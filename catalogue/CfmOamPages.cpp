// CFM and 802.3 OAM pages.
#include "Layer2ProtocolPages.h"

#include "CfmMib.h"
#include "Dot3OamMib.h"
#include "PageHookNames.h"
#include "PageMakers.h"

namespace qs {

namespace {

// Frame Seconds Error Threshold is an Integer32: its format stops at the largest value that
// type holds, so nothing beyond it can be sent.
constexpr FormatDef kDot3OamEventConfigFormats[] = {
    {1, "%i{n1000x60000l5}"},    {2, "%i{n0x4294967295l10}"},  {4, "%i{n14881x89286000l8}"},
    {5, "%i{n0x4294967295l10}"}, {7, "%i{n1000x60000l5}"},     {8, "%i{n0x4294967295l10}"},
    {10, "%i{n10000x900000l6}"}, {11, "%i{n0x2147483647l10}"},
};

constexpr PageDef WithHook(PageDef page, const char* hook) {
    page.hook = hook;
    return page;
}

} // namespace

const PageDef CfmGlobalStatePage = ScalarPage("CFM Global State", CfmGlobalStateVars);
const PageDef CfmPortTablePage = ListPage("CFM Port Table", CfmPortVars, MVT_UMV, 1);
const PageDef CfmStackTablePage = ListPage("CFM Stack Table", CfmStackVars, MVT_UMV, 4);
const PageDef CfmVlanTablePage = WithAddDelete(ListPage("CFM VLAN Table", CfmVlanVars, MVT_UMV, 2), 3);
const PageDef CfmMdNextIndexPage = ScalarPage("CFM MD Table Next Index", CfmMdNextIndexVars);
const PageDef CfmMdTablePage = WithAddDelete(ListPage("CFM MD Table", CfmMdVars, MVT_UMV, 1), 6);
const PageDef CfmMaNetTablePage =
    WithHook(WithAddDelete(ListPage("CFM MA Net Table", CfmMaNetVars, MVT_UMV, 2), kCfmMaNetRowStatus),
             kCfmNetTableAddHooks);
const PageDef CfmMaComponentTablePage = WithHook(
    WithAddDelete(ListPage("CFM MA Component Table", CfmMaComponentVars, MVT_UMV, 3), kCfmMaCompRowStatus),
    kCfmComponentTableAddHooks);
const PageDef CfmMaMepListTablePage =
    WithAddDelete(ListPage("CFM MA MEP List Table", CfmMaMepListVars, MVT_UMV, 3), 3);
const PageDef CfmMepTablePage = WithAddDelete(ListPage("CFM MEP Table", CfmMepVars, MVT_UMV, 3), 36);
const PageDef CfmLinktraceRepliesPage =
    ListPage("CFM Linktrace Replies Table", CfmLinktraceReplyVars, MVT_UMV, 5);
const PageDef CfmMepDataTablePage = ListPage("CFM MEP Data Table", CfmMepDbVars, MVT_UMV, 4);

const PageDef Dot3OamTablePage = ListPage("Dot3 OAM Table", Dot3OamVars, MVT_UMV, 1);
const PageDef Dot3OamPeerTablePage = ListPage("Dot3 OAM Peer Table", Dot3OamPeerVars, MVT_FMV, 1);
const PageDef Dot3OamLoopbackTablePage = ListPage("Dot3 OAM Loopback Table", Dot3OamLoopbackVars, MVT_UMV, 1);
const PageDef Dot3OamStatsTablePage = ListPage("Dot3 OAM Statistics Table", Dot3OamStatsVars, MVT_FMV, 1);
const PageDef Dot3OamEventConfigPage =
    WithFormats(ListPage("Dot3 OAM Event Configuration Table", Dot3OamEventConfigVars, MVT_UMV, 1),
                kDot3OamEventConfigFormats);
// Each reply of the event log's walk is awaited for up to 8 s.
const PageDef Dot3OamEventLogPage =
    WithTimeout(ListPage("Dot3 OAM Event Log Table", Dot3OamEventLogVars, MVT_FMV, 2), 800);

} // namespace qs
