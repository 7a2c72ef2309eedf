// The dialog command: create the dialog of a registered class, publish it in its global,
// caption it, show it modally, delete it and clear the global.
#pragma once

#include "DialogClasses.h"

#include <functional>
#include <string>

namespace qs {

// A page's or dialog's caption: the title, ": " and the device address.
std::string CommandCaption(const std::string& title, const std::string& deviceAddress);

// Runs the command; the dialog's creation runs as one user action (qs::BlockingAction). A class that has not
// registered leaves the command without effect. Exceptions pass on to the caller, except for a command that
// catches them: its exception text goes to mainStatus. The global is cleared and the dialog deleted in every
// case.
void RunDialogCommand(const DialogDef& command, const DialogRegistry& registry,
                      const std::string& deviceAddress,
                      const std::function<void(const std::string&)>& mainStatus);

} // namespace qs
