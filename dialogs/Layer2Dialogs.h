// Makes the layer-2 feature dialogs known to the main menu's dialog registry.
#pragma once

namespace qs {
class DialogRegistry;
void RegisterLayer2Dialogs(DialogRegistry& registry);
} // namespace qs
