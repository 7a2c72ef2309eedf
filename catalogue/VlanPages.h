// Pages of the VLAN menu.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef Dot1pBasicPage;
extern const PageDef Dot1pDefaultPriorityPage;
extern const PageDef Dot1pRegenPriorityPage;
extern const PageDef Dot1pTrafficClassPage;
extern const PageDef Dot1pOutboundAccessPage;
extern const PageDef Dot1qBasicPage;
extern const PageDef UnicastForwardingPage;
extern const PageDef FilteringDatabasePage;
extern const PageDef ProtocolGroupPage;
extern const PageDef ProtocolGroupPriorityPage;
extern const PageDef MacBasedVlanPage;
extern const PageDef QinQStatePage;
extern const PageDef QinQPortPage;
extern const PageDef VlanTranslationCvidPage;
extern const PageDef PvidAutoAssignPage;
extern const PageDef VlanAdvertisementPage;
extern const PageDef VlanMultiplyPage;

} // namespace qs
