// The main window's menu bar built from the menu tree: one TMenuItem per entry, owned by the
// form and named by its object name, with exact captions and hidden items invisible.
#pragma once

#include "CatalogueTypes.h"

#include <functional>
#include <string>

class TForm;
class TMainMenu;

namespace qs {

// What the items run, per command kind; a kind without a handler does nothing.
struct MenuCommandHandlers {
    std::function<void(const PageDef& page)> page;
    std::function<void(const DialogDef& dialog)> dialog;
    std::function<void(const std::string& topic)> tool;
    std::function<void(DirectCommand command)> direct;
};

// Adds the items to menu. An item that has both a command and a submenu runs its command each
// time before the submenu opens.
void FillMainMenu(TForm* form, TMainMenu& menu, std::span<const MenuEntry> items,
                  const MenuCommandHandlers& handlers);

// A new menu bar "MainMenu1" on form, filled with the items.
TMainMenu* BuildMainMenu(TForm* form, std::span<const MenuEntry> items, const MenuCommandHandlers& handlers);

// After an RMON state read left stateText in the hidden holder: enables or disables the RMON
// menu's tool items, or leaves them as they are.
void ApplyRmonState(TForm* form, const std::string& stateText);

// The RMON menu's command: readState reads the state into the hidden holder and returns the
// holder's text; the tool items follow it. An exception of the read goes to mainStatus and
// leaves the items as they are.
void RunRmonMenuRead(TForm* form, const std::function<std::string()>& readState,
                     const std::function<void(const std::string&)>& mainStatus);

} // namespace qs
