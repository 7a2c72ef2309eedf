#include "SecurityDialogs.h"

#include "Bulwarkctrlformunit.h"
#include "DialogEntry.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TBulwarkCtrlForm", DialogEntry<TBulwarkCtrlForm>(&BulwarkCtrlForm));
}

} // namespace qs
