// Makes the ACL and CPU-filter rule editors known to the main menu's dialog registry.
#pragma once

namespace qs {
class DialogRegistry;
void RegisterAclDialogs(DialogRegistry& registry);
} // namespace qs
