#include "SecurityDialogs.h"

#include "DialogEntry.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
}

} // namespace qs
