// TARPAddEdit: the add/edit dialog of the ARP table. Its editors are bound into the list dialog's
// request; its Add hands the write back to that dialog.
#pragma once

#include "FailureReport.h"
#include "Form.h"

#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TLabel;

class TARPAddEdit : public TForm {
public:
    // write sends the editors' values (add or edit) through the list dialog's request and tells
    // whether the agent took the SET; a button's failure goes to status, the list dialog's status area.
    TARPAddEdit(TComponent* owner, std::function<bool(bool addMode)> write, const qs::StatusArea& status);

    void AddBtnClick();

    TLabel* IndexLabel;
    TEdit* IndexEdit;
    TComboBox* IpTypeComb;
    TLabel* IPLabel;
    TEdit* IPEdit;
    TLabel* MACLabel;
    TEdit* MACEdit;
    TLabel* TypeLabel;
    TComboBox* TypeComb;
    TComboBox* StateComb;
    TComboBox* RowStatus;
    TButton* AddBtn;
    TButton* CloseBtn;
    bool AddMode = false;

private:
    std::function<bool(bool addMode)> write_;
};

extern TARPAddEdit* ARPAddEdit;
