#include "SecurityPages.h"

#include "AacMib.h"
#include "BulwarkMib.h"
#include "DhcpScreeningMib.h"
#include "DosPreventionMib.h"
#include "Dot1xMib.h"
#include "IpMacBindingMib.h"
#include "MbaMib.h"
#include "PageMakers.h"
#include "RadiusMib.h"
#include "SshMib.h"

namespace qs {

namespace {

constexpr FormatDef kDot1xPortConfigFormats[] = {
    {7, "%i{n0x65535l5}"},  {8, "%i{n1x65535l5}"}, {9, "%i{n1x65535l5}"},
    {10, "%i{n1x65535l5}"}, {11, "%i{n1x10l2}"},   {12, "%i{n1x65535l5}"},
};
constexpr FormatDef kRadiusControlFormats[] = {{0, "%i{n1x255l3}"}, {1, "%i{n1x255l3}"}};
constexpr FormatDef kAccountingInfoFormats[] = {{2, "%i{n1x65535l5}"}};
constexpr FormatDef kAacInfoFormats[] = {{4, "%i{n1x255l3}"}, {5, "%i{n1x255l3}"}};
constexpr FormatDef kSshManagementFormats[] = {{2, "%i{n2x20l2}"}, {4, "%i{n1x8l1}"}, {5, "%i{n120x600l3}"}};
constexpr FormatDef kDosControlFormats[] = {
    {3, "%i{n0x65535l5}"}, {4, "%i{n0x8l1}"}, {5, "%i{n0x1024000l7}"}};
constexpr FormatDef kMbaInfoFormats[] = {{0, "%i{n0x128l3}"}};
constexpr FormatDef kMbaPortFormats[] = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"}, {6, "%i{n0x128l3}"}};

// The session tables carry 64-bit counters: they read with SNMPv2c when SNMPv1 is configured.
constexpr PageDef WithV2c(PageDef page) {
    page.forceV2cIfV1 = true;
    return page;
}

} // namespace

const PageDef AuthModePage = ScalarPage("Authentication Mode Settings", AuthModeVars);
const PageDef Dot1xConfigPage = ScalarPage("802.1X Configuration", Dot1xConfigVars);
const PageDef Dot1xPortTablePage = ListPage("802.1X Port Table", Dot1xPortTableVars, MVT_UMV, 1);
const PageDef Dot1xPortConfigPage = WithFormats(
    ListPage("802.1X Port Configuration", Dot1xPortConfigVars, MVT_UMV, 1), kDot1xPortConfigFormats);
const PageDef Dot1xPortStatsPage = ListPage("802.1X Port Statistics", Dot1xPortStatsVars, MVT_UMV, 1);
const PageDef Dot1xPortDiagPage = ListPage("802.1X Port Diagnostics", Dot1xPortDiagVars, MVT_UMV, 1);
const PageDef Dot1xSessionStatsPage =
    WithV2c(ListPage("802.1X Port Session Statistics", Dot1xSessionStatsVars, MVT_FMV, 1));
const PageDef MacPaeStatePage = ListPage("802.1X State Table", MacPaeStateVars, MVT_FMV, 2);
const PageDef MacPaeDiagPage = ListPage("Diagnostics Information Table", MacPaeDiagVars, MVT_FMV, 2);
const PageDef MacPaeStatsPage =
    ListPage("MAC EAP Over Land  Frames Statistic Table", MacPaeStatsVars, MVT_FMV, 2);
const PageDef MacPaeSessionPage = WithV2c(ListPage("Session Information", MacPaeSessionVars, MVT_FMV, 2));

const PageDef RadiusControlPage =
    WithFormats(ScalarPage("RADIUS Control", RadiusControlVars), kRadiusControlFormats);
const PageDef RadiusCommandPage = ScalarPage("RADIUS Command", RadiusCommandVars);
const PageDef RadiusServerPage = ListPage("RADIUS Server", RadiusServerVars, MVT_FMV, 1);
const PageDef RadiusAuthInfoPage = ScalarPage("Authentication Information", RadiusAuthInfoVars);
const PageDef RadiusAuthServerPage = ListPage("Authentication Table", RadiusAuthServerVars, MVT_FMV, 1);
const PageDef AuthenticatedPortPage = ListPage("Authenticated Port Table", AuthenticatedPortVars, MVT_UMV, 1);
const PageDef AccountingInfoPage =
    WithFormats(ScalarPage("Accounting Basic Information", AccountingInfoVars), kAccountingInfoFormats);
const PageDef AccountingServerPage = ListPage("Accounting Server Table", AccountingServerVars, MVT_FMV, 1);
const PageDef AccountingServicePage = ListPage("Accounting Service Table", AccountingServiceVars, MVT_FMV, 1);

const PageDef AacGlobalPage = ScalarPage("AAC Global Settings", AacGlobalVars);
const PageDef AacInfoPage = WithFormats(ScalarPage("AAC Information Table", AacInfoVars), kAacInfoFormats);
const PageDef AppAuthMethodPage = ScalarPage("APP Authentication Method Group", AppAuthMethodVars);
// Groups are added and deleted by name; their servers are read-only here.
const PageDef AacServerGroupPage = [] {
    PageDef page = AddDeletePage("AAC Server Table", AacServerGroupVars, 1, 17);
    page.itemType = MVT_FMV;
    return page;
}();

const PageDef SshManagementPage =
    WithFormats(ScalarPage("SSH Management Table", SshManagementVars), kSshManagementFormats);
const PageDef SshAlgorithmPage = ScalarPage("Algorithm Control", SshAlgorithmVars);
const PageDef SshAuthMethodPage = ScalarPage("Authentication Method Control", SshAuthMethodVars);
const PageDef BulwarkGlobalPage = ScalarPage("Bulwark Global Management", BulwarkGlobalVars);

const PageDef IpMacBindingGlobalPage = ScalarPage("IP-MAC Binding Control", IpMacBindingGlobalVars);
const PageDef IpMacBindingPortPage = ListPage("IP-MAC Binding Port Table", IpMacBindingPortVars, MVT_UMV, 1);
const PageDef IpMacDhcpSnoopPage =
    ListPage("IP-MAC Binding DHCP Snoop Table", IpMacDhcpSnoopVars, MVT_FMV, 1);
// Blocked addresses can only be released: Delete without Add, and no Edit.
const PageDef IpMacBlockedPage = [] {
    PageDef page = ListPage("IP-MAC Binding Blocked Table", IpMacBlockedVars, MVT_UMV, 2);
    page.del = {5, "destroy"};
    page.editHidden = true;
    page.doubleClick = false;
    return page;
}();
const PageDef DosGlobalPage = ScalarPage("DoS Prevention Management", DosGlobalVars);
const PageDef DosControlPage =
    WithFormats(ListPage("DoS Prevertion Control Table", DosControlVars, MVT_UMV, 1), kDosControlFormats);
const PageDef MbaInfoPage = WithFormats(ScalarPage("MBA Information", MbaInfoVars), kMbaInfoFormats);
const PageDef MbaPortInfoPage = ListPage("MBA Port Information Table", MbaPortInfoVars, MVT_UMV, 2);
const PageDef MbaPortPage = WithFormats(ListPage("MBA Port Table", MbaPortVars, MVT_UMV, 1), kMbaPortFormats);
const PageDef MbaDatabasePage = [] {
    PageDef page = ListPage("MBA Database Table", MbaDatabaseVars, MVT_UMV, 1);
    page.add = {2, "createAndGo"};
    page.del = {2, "destroy"};
    return page;
}();
const PageDef DhcpScreeningGlobalPage =
    ScalarPage("DHCP Server Screening Global Settings", DhcpScreeningGlobalVars);
const PageDef DhcpScreeningPortPage =
    ListPage("DHCP Server Screening Port Settings", DhcpScreeningPortVars, MVT_UMV, 1);

} // namespace qs
