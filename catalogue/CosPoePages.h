// Pages of the CoS Management and PoE menus.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef CosPriorityPage;
extern const PageDef CosPortPriPage;
extern const PageDef CosMacBasePriPage;
extern const PageDef CosTosPriPage;
extern const PageDef CosDscpPriPage;
extern const PageDef PoeSystemControlPage;
extern const PageDef PoeSystemInfoPage;
extern const PageDef PoePortControlPage;
extern const PageDef PoePortInfoPage;

} // namespace qs
