// TNewBootpCtrlForm: the add dialog of the DHCP relay list: one server address for the interface
// "System". Its edits are bound into the list dialog's request; the list it adds to answers through
// qs::BootpServerList.
#pragma once

#include "Form.h"

class TButton;
class TEdit;
class TLabel;

namespace qs {

// What the DHCP relay add dialog asks of the list it adds to.
class BootpServerList {
public:
    virtual ~BootpServerList() = default;
    // The rows, as last read, whose interface is name.
    virtual int ServersOf(const QString& name) const = 0;
    // Sends the new server from the add dialog's edits; false when it could not (the failure shown
    // in the list's status area) or the agent refused it.
    virtual bool SendServer() = 0;
};

} // namespace qs

class TNewBootpCtrlForm : public TForm {
public:
    TNewBootpCtrlForm(TComponent* owner, qs::BootpServerList* list);

    // Run as the dialog is shown for an Add.
    void FormActivate();
    // Set: checks the input, then the list dialog sends the new server.
    void AddBtnClick();

    TLabel* Label1;
    TEdit* Edit1; // the interface name, "System", disabled
    TLabel* Label2;
    TEdit* Edit2;       // the server address
    TButton* DeleteBtn; // captioned "Set"
    TButton* BitBtn1;

private:
    bool CheckInput();

    qs::BootpServerList* list_;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;
