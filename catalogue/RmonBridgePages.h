// Pages of the RMON and Bridge menus.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef RmonControlPage;
extern const PageDef ProbeBasicInfoPage;
extern const PageDef NetConfigurationPage;
extern const PageDef NetDefaultGatewayPage;
extern const PageDef Dot1dInformationPage;
extern const PageDef Dot1dPortTablePage;
extern const PageDef MstConfigIdPage;
extern const PageDef StpPortStatePage;
extern const PageDef MstPortInstancePage;

} // namespace qs
