// Loopback detection, multicast filter and MLD snooping pages.
#include "Layer2ProtocolPages.h"

#include "LoopDetectMib.h"
#include "MldSnoopingMib.h"
#include "MulticastFilterMib.h"
#include "PageHookNames.h"
#include "PageMakers.h"

namespace qs {

namespace {

constexpr FormatDef kLoopDetectControlFormats[] = {
    {1, "%i{n1x32767l5}"},
    {2, "%i{Z}", "IsValidRecoverTime"},
};
constexpr FormatDef kMldSnoopingControlFormats[] = {
    {1, "%i{n1x65535l5}"},
    {2, "%i{n1x25l2}"},
    {3, "%i{n1x255l3}"},
    {4, "%i{n1x25l2}"},
};

} // namespace

const PageDef LoopDetectControlPage =
    WithFormats(ScalarPage("Loop Detect Control", LoopDetectControlVars), kLoopDetectControlFormats);
const PageDef LoopDetectPortTablePage = ListPage("Loop Detect Port Table", LoopDetectPortVars, MVT_UMV, 1);

const PageDef MulticastFilterTablePage =
    WithAddDelete(ListPage("Multicast Filter Table", MulticastFilterProfileVars, MVT_UMV, 1), 4);
const PageDef MulticastFilterPortInfoPage =
    ListPage("Multicast Filter Port Information Table", MulticastFilterPortInfoVars, MVT_FMV, 1);
// Profile ID and Port Access are read and edited but not shown in the list.
const PageDef MulticastFilterPortTablePage = [] {
    PageDef page = ListPage("Multicast Filter Port Table", MulticastFilterPortVars, MVT_UMV, 1);
    page.hook = kMulticastFilterPortColumnsHook;
    return page;
}();
const PageDef MulticastFilterMaxGroupPage =
    ListPage("Multicast Filter Port Max Group Table", MulticastFilterMaxGroupVars, MVT_UMV, 1);

const PageDef MldSnoopingGlobalPage = ScalarPage("MLD Snooping Management", MldSnoopingGlobalVars);
const PageDef MldSnoopingControlPage = WithFormats(
    ListPage("MLD Snooping Control", MldSnoopingControlVars, MVT_UMV, 1), kMldSnoopingControlFormats);
const PageDef MldRxQueryCounterPage =
    ListPage("MLD Snooping Counter Total RX Query Table", MldRxQueryCounterVars, MVT_FMV, 1);

} // namespace qs
