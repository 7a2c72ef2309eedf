#include "RmonBridgePages.h"

#include "BridgeMib.h"
#include "DeviceSystemMib.h"
#include "PageMakers.h"
#include "RmonMib.h"
#include "SpanningTreeMib.h"

namespace qs {

namespace {

constexpr FormatDef kDot1dInformationFormats[] = {{4, "%i{n10x65535l5}"}};
constexpr FormatDef kMstConfigIdFormats[] = {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}};

} // namespace

const PageDef RmonControlPage = ScalarPage("RMON State", RmonStateVars);
const PageDef ProbeBasicInfoPage = [] {
    PageDef page = ScalarPage("Probe Basic Information", ProbeBasicInfoVars);
    page.valueWidth = kKeepCurrentWidth;
    return page;
}();
// An editor over a table without keys: it walks the table and shows the last row.
const PageDef NetConfigurationPage = {.title = "Net Configuration Table",
                                      .kind = PageKind::Editor,
                                      .vars = NetConfigurationVars,
                                      .itemType = MVT_FMV};
const PageDef NetDefaultGatewayPage = ScalarPage("Net Default Gateway", NetDefaultGatewayVars);

const PageDef Dot1dInformationPage =
    WithFormats(ScalarPage("802.1D Information", Dot1dInformationVars), kDot1dInformationFormats);
const PageDef Dot1dPortTablePage =
    WithHeight(ListPage("802.1D Port Table", Dot1dPortTableVars, MVT_FMV, 1), 450);
const PageDef MstConfigIdPage =
    WithFormats(ScalarPage("Configuration Identification", MstConfigIdVars), kMstConfigIdFormats);
const PageDef StpPortStatePage = ListPage("Port State Information", StpPortStateVars, MVT_UMV, 1);
const PageDef MstPortInstancePage = ListPage("Port MSTP Information", MstPortInstanceVars, MVT_UMV, 2);

} // namespace qs
