// Tdot1vProtocolPortEdit: the add/edit dialog of the protocol VLAN port table. Its editors are
// bound into the table dialog's request; its Set hands the write back to the table dialog.
#pragma once

#include "Form.h"

#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TLabel;

class Tdot1vProtocolPortEdit : public TForm {
public:
    // onSet writes the editors' values (the owning table dialog's request holds them).
    Tdot1vProtocolPortEdit(TComponent* owner, std::function<bool()> onSet);

    void btn_SetClick();

    TLabel* lbl_BasePort;
    TEdit* edt_baseport;
    TLabel* lb_GroupId;
    TEdit* edt_groupid;
    TLabel* lbl_GroupVid;
    TEdit* edt_groupvid;
    TLabel* lbl_GroupPri;
    TComboBox* edt_grouppri;
    TComboBox* state;
    TButton* btn_Set;
    TButton* btn_Close;

private:
    std::function<bool()> onSet_; // true once the agent took the write
};

extern Tdot1vProtocolPortEdit* dot1vProtocolPortEdit;
