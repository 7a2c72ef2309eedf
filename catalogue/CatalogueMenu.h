// The main window's menu from the catalogue: installs the builder that fills the window's menu
// and runs each entry's command (pages through the page framework's opener, dialogs of the
// registered classes, tools, Reboot and the RMON menu's state read).
#pragma once

#include "CatalogueTypes.h"

#include <functional>

namespace qs {

// The page framework's builder of a page; until one is set, page entries do nothing.
void SetPageOpener(std::function<void(const PageDef&)> opener);

// Makes the main window build the catalogue's menu; call before the window is created.
void InstallCatalogueMenu();

} // namespace qs
