#include "SecurityDialogs.h"

#include "Bulwarkctrlformunit.h"
#include "DialogEntry.h"
#include "Msinfortable.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TBulwarkCtrlForm", DialogEntry<TBulwarkCtrlForm>(&BulwarkCtrlForm));
    registry.Register("TMSInformationForm", DialogEntry<TMSInformationForm>(&MSInformationForm));
}

} // namespace qs
