#include "CosPoePages.h"

#include "CosPoeMib.h"
#include "PageMakers.h"

namespace qs {

namespace {

constexpr FormatDef kPoeSystemControlFormats[] = {{0, "%i{n37x370l3}"}};
constexpr FormatDef kPoePortControlFormats[] = {{4, "%i{n1000x16800l5}"}};

} // namespace

const PageDef CosPriorityPage = ListPage("CoS Priority Table", CosPriorityVars, MVT_UMV, 1);
const PageDef CosPortPriPage = ListPage("CoS Port PRI Table", CosPortPriVars, MVT_UMV, 1);
const PageDef CosMacBasePriPage = ListPage("CoS MAC_Base PRI Table", CosMacBasePriVars, MVT_UMV, 1);
const PageDef CosTosPriPage = ListPage("CoS ToS PRI Table", CosTosPriVars, MVT_UMV, 1);
const PageDef CosDscpPriPage = ListPage("CoS DSCP PRI Table", CosDscpPriVars, MVT_UMV, 1);

const PageDef PoeSystemControlPage =
    WithFormats(ScalarPage("PoE System Control", PoeSystemControlVars), kPoeSystemControlFormats);
const PageDef PoeSystemInfoPage = ScalarPage("PoE System information", PoeSystemInfoVars);
const PageDef PoePortControlPage =
    WithFormats(ListPage("PoE Port Control", PoePortControlVars, MVT_UMV, 1), kPoePortControlFormats);
const PageDef PoePortInfoPage = ListPage("PoE Port information", PoePortInfoVars, MVT_FMV, 1);

} // namespace qs
