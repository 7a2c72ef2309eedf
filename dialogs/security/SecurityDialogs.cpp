#include "SecurityDialogs.h"

#include "Currenttime.h"
#include "DialogEntry.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TCurrentTimeForm", DialogEntry<TCurrentTimeForm>(&CurrentTimeForm));
}

} // namespace qs
