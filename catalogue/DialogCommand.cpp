#include "DialogCommand.h"

#include "BlockingAction.h"

#include <exception>

namespace qs {

namespace {

// Deletes the dialog, then clears the global it was published in.
class OpenDialogGuard {
public:
    OpenDialogGuard(std::unique_ptr<CatalogueDialog>& dialog, const DialogClassEntry& cls, bool published)
        : dialog_(dialog), cls_(cls), published_(published) {}
    ~OpenDialogGuard() {
        dialog_.reset();
        if (published_) {
            cls_.setGlobal(nullptr);
        }
    }
    OpenDialogGuard(const OpenDialogGuard&) = delete;
    OpenDialogGuard& operator=(const OpenDialogGuard&) = delete;

private:
    std::unique_ptr<CatalogueDialog>& dialog_;
    const DialogClassEntry& cls_;
    bool published_;
};

void OpenDialog(const DialogDef& command, const DialogClassEntry& cls, const std::string& deviceAddress) {
    std::unique_ptr<CatalogueDialog> dialog;
    {
        // The reads a dialog makes while it opens are one user action: one time-out at most.
        const BlockingAction opening;
        dialog = cls.create(command.owner, command.mode);
    }
    const bool publish = command.global == GlobalPolicy::Set && cls.setGlobal;
    if (publish) {
        cls.setGlobal(dialog.get());
    }
    if (!dialog) {
        return;
    }
    OpenDialogGuard guard(dialog, cls, publish);
    if (command.title != nullptr) {
        dialog->SetCaption(CommandCaption(command.title, deviceAddress));
    }
    dialog->ShowModal();
}

} // namespace

std::string CommandCaption(const std::string& title, const std::string& deviceAddress) {
    return title + ": " + deviceAddress;
}

void RunDialogCommand(const DialogDef& command, const DialogRegistry& registry,
                      const std::string& deviceAddress,
                      const std::function<void(const std::string&)>& mainStatus) {
    const DialogClassEntry* cls = registry.Find(command.className);
    if (cls == nullptr) {
        return;
    }
    if (!command.catchToMainStatus) {
        OpenDialog(command, *cls, deviceAddress);
        return;
    }
    try {
        OpenDialog(command, *cls, deviceAddress);
    } catch (const std::exception& e) {
        if (mainStatus) {
            mainStatus(e.what());
        }
    }
}

} // namespace qs
