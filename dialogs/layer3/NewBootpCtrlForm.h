// TNewBootpCtrlForm: the add dialog of the DHCP relay list: one server address for the interface
// "System". Its edits are bound into the list dialog's request, so its Set writes through that
// one.
#pragma once

#include "Form.h"

class TBOOTCtrlTableForm;
class TButton;
class TEdit;
class TLabel;

class TNewBootpCtrlForm : public TForm {
public:
    TNewBootpCtrlForm(TComponent* owner, TBOOTCtrlTableForm* list);

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

    TBOOTCtrlTableForm* list_;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;
