// BPDU tunnel and protection, ERPS and PPPoE circuit ID insertion pages.
#include "Layer2ProtocolPages.h"

#include "BpduMib.h"
#include "ErpsMib.h"
#include "PageMakers.h"
#include "PppoeMib.h"

namespace qs {

namespace {

constexpr FormatDef kBpduProtectionGlobalFormats[] = {{1, "%i{Z}", "IsValidRecoverTime"}};

// Port Type (item 1) rules STP State and GVRP State (items 2 and 3): only a tunnel port has
// them. Choosing either state sets Port Type back to its first entry.
constexpr TagDef kBpduTunnelTags[] = {{1, 23}, {2, 3001}, {3, 2001}};

constexpr TabDef kPppoeTabs[] = {
    {.caption = "Global State", .kind = PageKind::Editor, .vars = PppoeGlobalVars, .itemType = SVT_SV},
    {.caption = "Port Settings",
     .kind = PageKind::List,
     .vars = PppoePortVars,
     .itemType = MVT_UMV,
     .keyCount = 1},
};

} // namespace

const PageDef BpduTunnelGlobalPage = ScalarPage("BPDU Tunnel Global Settings", BpduTunnelGlobalVars);
const PageDef BpduTunnelInfoPage = ScalarPage("BPDU Tunnel Information", BpduTunnelInfoVars);
const PageDef BpduTunnelTablePage = [] {
    PageDef page = ListPage("BPDU Tunnel Table", BpduTunnelPortVars, MVT_UMV, 1);
    page.tags = kBpduTunnelTags;
    return page;
}();
const PageDef BpduProtectionGlobalPage = WithFormats(
    ScalarPage("BPDU Protection Global Settings", BpduProtectionGlobalVars), kBpduProtectionGlobalFormats);
const PageDef BpduProtectionPortPage =
    ListPage("BPDU Protection Port Table", BpduProtectionPortVars, MVT_UMV, 1);

const PageDef ErpsGlobalPage = ScalarPage("EPRS Global Settings", ErpsGlobalVars);

const PageDef PppoePage = {.title = "PPPoE Circuit ID Insertion Settings",
                           .kind = PageKind::Paged,
                           .pageHeight = 450,
                           .tabs = kPppoeTabs};

} // namespace qs
