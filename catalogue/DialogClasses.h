// The dialog classes the main menu opens, and the registry through which each class makes
// itself known. A menu entry whose class has not registered yet is present and does nothing.
#pragma once

#include "CatalogueTypes.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

enum class DialogFamily : std::uint8_t { Shell, Layer2, Security, Acl };

// What the menu knows of a dialog class.
struct DialogClassDef {
    const char* className = nullptr;
    DialogFamily family = DialogFamily::Layer2;
    bool hasGlobal = true;         // a global instance pointer named after the class minus its "T"
    bool takesMode = false;        // the constructor takes (owner, mode)
    bool globalBeforeShow = false; // the dialog reaches itself through its global while shown
    bool basicForm = false;        // derived from the dialog base with include check boxes
};

std::span<const DialogClassDef> DialogClasses();
const DialogClassDef* FindDialogClass(std::string_view className);
// "TVlanStaticForm" -> "VlanStaticForm"; empty for a class without a global.
std::string DialogGlobalName(const DialogClassDef& cls);

// An open dialog as the menu command drives it; a dialog class adapts itself to this.
class CatalogueDialog {
public:
    virtual ~CatalogueDialog() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void ShowModal() = 0; // the modal result is not used
};

// How a registered class is created and how its global pointer is set (null clears it).
struct DialogClassEntry {
    std::function<std::unique_ptr<CatalogueDialog>(DialogOwner owner, int mode)> create;
    std::function<void(CatalogueDialog* dialog)> setGlobal;
};

class DialogRegistry {
public:
    // Refuses names that are not dialog classes of the menu; a later registration replaces
    // an earlier one.
    bool Register(std::string_view className, DialogClassEntry entry);
    const DialogClassEntry* Find(std::string_view className) const;
    // Class names of the given dialog commands that have no registered class, in menu order,
    // each once.
    std::vector<std::string> Missing(std::span<const DialogDef* const> commands) const;

private:
    std::map<std::string, DialogClassEntry, std::less<>> entries_;
};

// The program's registry.
DialogRegistry& Dialogs();

} // namespace qs
