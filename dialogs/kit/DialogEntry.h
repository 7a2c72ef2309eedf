// Makes a dialog class known to the main menu: the menu command creates the form (its OnCreate
// fired) with the application or the main window as owner, publishes it in the class's global
// instance pointer while it is shown, captions it, shows it modally and deletes it.
#pragma once

#include "Application.h"
#include "DialogClasses.h"
#include "Form.h"

#include <memory>

namespace qs {

template <class T> class FormDialog : public CatalogueDialog {
public:
    explicit FormDialog(T* form) : form_(form) {}
    ~FormDialog() override { delete form_; }
    FormDialog(const FormDialog&) = delete;
    FormDialog& operator=(const FormDialog&) = delete;
    void SetCaption(const std::string& caption) override {
        form_->SetCaption(QString::fromStdString(caption));
    }
    void ShowModal() override { form_->ShowModal(); }
    T* Form() const { return form_; }

private:
    T* form_;
};

inline TComponent* DialogOwnerComponent(DialogOwner owner) {
    return owner == DialogOwner::MainForm && Application ? Application->MainForm : nullptr;
}

// The registry entry of class T whose global instance pointer is global (null: none).
template <class T> DialogClassEntry DialogEntry(T** global) {
    DialogClassEntry entry;
    entry.create = [](DialogOwner owner, int) -> std::unique_ptr<CatalogueDialog> {
        return std::make_unique<FormDialog<T>>(CreateForm<T>(DialogOwnerComponent(owner)));
    };
    if (global) {
        entry.setGlobal = [global](CatalogueDialog* dialog) {
            *global = dialog ? static_cast<FormDialog<T>*>(dialog)->Form() : nullptr;
        };
    }
    return entry;
}

} // namespace qs
