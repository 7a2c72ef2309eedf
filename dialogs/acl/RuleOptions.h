// The Permit column's actions the rule dialogs share: the access lists' rules may also mirror,
// the CPU interface filter's rules only deny or permit.
#pragma once

#include "QsOptionList.h"

namespace qs {

extern const QsOption AccessRulePermitOptions[];
extern const QsOption CpuRulePermitOptions[];

} // namespace qs
