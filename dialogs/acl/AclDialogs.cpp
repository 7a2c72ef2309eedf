#include "AclDialogs.h"

#include "DialogEntry.h"

namespace qs {

void RegisterAclDialogs(DialogRegistry& registry) {
    (void)registry;
}

} // namespace qs
