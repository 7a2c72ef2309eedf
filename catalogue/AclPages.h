// Pages of the ACL, CPU Interface Filtering and Time Range menus.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

extern const PageDef AclInformationPage;
extern const PageDef AclMeterTablePage;
extern const PageDef AclMeteringInfoPage;
extern const PageDef AclCounterTablePage;
extern const PageDef AclMaskDeleteAllPage;
extern const PageDef PacketContentMaskPage;
extern const PageDef PacketContentRuleOffsetsPage;
extern const PageDef CpuFilterControlPage;
extern const PageDef CpuFilterIpv6MaskPage;
extern const PageDef TimeRangeAclPage;
extern const PageDef TimeRangeCpuAclPage;

} // namespace qs
