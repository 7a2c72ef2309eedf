#include "SecurityDialogs.h"

#include "Arpconfig.h"
#include "DialogEntry.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TARPConfigForm", DialogEntry<TARPConfigForm>(&ARPConfigForm));
}

} // namespace qs
