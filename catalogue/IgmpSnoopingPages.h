// Pages of the Layer 2 menu's IGMP snooping submenu.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef IgmpGlobalSettingsPage;
extern const PageDef IgmpManagementInfoPage;
extern const PageDef IgmpControlPage;
extern const PageDef IgmpQueryInfoPage;
extern const PageDef IgmpInformationPage;
extern const PageDef IgmpHostPage;
extern const PageDef IgmpAccessAuthenticationPage;
extern const PageDef Igmpv3Page;
extern const PageDef IgmpDynamicMaxEntryPage;

} // namespace qs
