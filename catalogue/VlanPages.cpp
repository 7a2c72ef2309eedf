#include "VlanPages.h"

#include "PageHookNames.h"
#include "PageMakers.h"
#include "QBridgeMib.h"
#include "VlanMib.h"

namespace qs {

namespace {

constexpr FormatDef kPortPriorityFormats[] = {{1, "%i{n0x7l1}"}};
constexpr FormatDef kPriorityMapFormats[] = {{2, "%i{n0x7l1}"}};
constexpr FormatDef kMacBasedVlanFormats[] = {{0, "%s{M}"}, {1, "%i{n1x4095l4}"}};

// Rows are added and deleted only, but a double-click still opens the Edit sub-form.
constexpr PageDef DoubleClickEdits(PageDef page) {
    page.doubleClick = true;
    return page;
}

} // namespace

const PageDef Dot1pBasicPage = ScalarPage("802.1p Basic Configure", Dot1pBasicVars);
const PageDef Dot1pDefaultPriorityPage =
    WithFormats(ListPage("Default User Priorities of Each Port", Dot1pDefaultPriorityVars, MVT_FMV, 1),
                kPortPriorityFormats);
const PageDef Dot1pRegenPriorityPage = WithFormats(
    ListPage("Regenerated User Priorities", Dot1pRegenPriorityVars, MVT_FMV, 2), kPriorityMapFormats);
const PageDef Dot1pTrafficClassPage = WithFormats(
    ListPage("User Priorities To Traffic Class", Dot1pTrafficClassVars, MVT_FMV, 2), kPriorityMapFormats);
const PageDef Dot1pOutboundAccessPage =
    ListPage("Port Outbound Access Priorities", Dot1pOutboundAccessVars, MVT_FMV, 2);

const PageDef Dot1qBasicPage = ScalarPage("802.1Q VLAN Basic Configuration", Dot1qBasicVars);
const PageDef UnicastForwardingPage = ListPage("Unicast Forwarding Information", Dot1qTpFdbVars, MVT_UMV, 2);
const PageDef FilteringDatabasePage = ListPage("Filtering Database", Dot1qFdbVars, MVT_FMV, 1);

const PageDef ProtocolGroupPage =
    DoubleClickEdits(AddDeletePage("Protocol VLAN Group Table", ProtocolGroupVars, 2, 3));
const PageDef ProtocolGroupPriorityPage =
    ListPage("Protocol VLAN Port Group Priority Table", ProtocolGroupPriorityVars, MVT_UMV, 2);
const PageDef MacBasedVlanPage = WithFormats(
    DoubleClickEdits(AddDeletePage("MAC-based VLAN", MacBasedVlanVars, 2, 3)), kMacBasedVlanFormats);

const PageDef QinQStatePage = ScalarPage("Q-in-Q Global State Settings", QinQStateVars);
const PageDef QinQPortPage = ListPage("Q-in-Q Port Table", QinQPortVars, MVT_UMV, 1);
const PageDef VlanTranslationCvidPage =
    AddDeletePage("VLAN Translation CVID Table", VlanTranslationCvidVars, 1, 3);

const PageDef PvidAutoAssignPage = ScalarPage("PVID Auto Assignment State Settings", PvidAutoAssignVars);
const PageDef VlanAdvertisementPage = ListPage("VLAN Advertisement Table", VlanAdvertisementVars, MVT_UMV, 1);
// "Member Ports" opens a picker of the 28 ports in rows of 14.
const PageDef VlanMultiplyPage = [] {
    PageDef page = ScalarPage("VLAN Multiply Management", VlanMultiplyVars);
    page.portList = {2, 14, 28};
    page.hook = kVlanMultiplyListHook;
    return page;
}();

} // namespace qs
