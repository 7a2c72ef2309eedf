// Makes the security and management dialogs known to the main menu's dialog registry.
#pragma once

namespace qs {
class DialogRegistry;
void RegisterSecurityDialogs(DialogRegistry& registry);
} // namespace qs
