#include "RuleOptions.h"

namespace qs {

const QsOption AccessRulePermitOptions[] = {{1, "deny"}, {2, "permit"}, {3, "mirror"}, {}};
const QsOption CpuRulePermitOptions[] = {{1, "deny"}, {2, "permit"}, {}};

} // namespace qs
