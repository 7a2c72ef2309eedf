// Generic page commands: a page definition of the catalogue built into a page host and shown.
#pragma once

#include "CatalogueTypes.h"

#include <memory>

class TConfigForm;

namespace qs {

// Builds the page of the definition (caption, requests, panels and every further setting),
// ready to be shown. Raises what the page framework raises for a definition it refuses.
std::unique_ptr<TConfigForm> BuildPage(const PageDef& page);

// The command: builds the page, shows it modally, deletes it.
void OpenPage(const PageDef& page);

// Installs OpenPage as the catalogue's page opener.
void InstallPageOpener();

} // namespace qs
