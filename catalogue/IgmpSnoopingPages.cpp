#include "IgmpSnoopingPages.h"

#include "IgmpSnoopingMib.h"
#include "PageMakers.h"

namespace qs {

namespace {

constexpr FormatDef kIgmpControlFormats[] = {
    {1, "%i{n1x65535l5}"}, {2, "%i{n1x25l2}"}, {3, "%i{n1x255l3}"}, {4, "%i{n1x25l2}"}};
constexpr FormatDef kDynamicMaxEntryFormats[] = {{0, "%i{n1x1024l4}"}};

} // namespace

const PageDef IgmpGlobalSettingsPage =
    ScalarPage("IGMP Snooping Global Settings Table", IgmpGlobalSettingsVars);
const PageDef IgmpManagementInfoPage = ScalarPage("IGMP Management Information", IgmpManagementInfoVars);
const PageDef IgmpControlPage =
    WithFormats(ListPage("IGMP Control", IgmpControlVars, MVT_UMV, 1), kIgmpControlFormats);
const PageDef IgmpQueryInfoPage = ListPage("IGMP Query Information", IgmpQueryInfoVars, MVT_UMV, 1);
const PageDef IgmpInformationPage = ListPage("IGMP Information", IgmpInformationVars, MVT_UMV, 2);
// No Edit button, but a double-click still opens the Edit sub-form.
const PageDef IgmpHostPage = [] {
    PageDef page = ListPage("IGMP Snooping Host Table", IgmpHostVars, MVT_FMV, 4);
    page.editHidden = true;
    return page;
}();
const PageDef IgmpAccessAuthenticationPage =
    ListPage("IGMP Access Authentication Table", IgmpAccessAuthenticationVars, MVT_UMV, 1);
const PageDef Igmpv3Page = ListPage("IGMPv3 Table", Igmpv3Vars, MVT_FMV, 3);
const PageDef IgmpDynamicMaxEntryPage = WithFormats(
    ScalarPage("IGMP Dynamic IP Multicast Max Entry", IgmpDynamicMaxEntryVars), kDynamicMaxEntryFormats);

} // namespace qs
