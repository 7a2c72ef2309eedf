// Tdot1vProtocolPortEdit: the add/edit dialog of the protocol VLAN port table. Its editors are
// bound into the table dialog's request, so its Set writes through that request.
#pragma once

#include "Form.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class Tdot1vProtocolPortForm;

class Tdot1vProtocolPortEdit : public TForm {
public:
    Tdot1vProtocolPortEdit(TComponent* owner, Tdot1vProtocolPortForm* table);

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
    Tdot1vProtocolPortForm* table_;
};

extern Tdot1vProtocolPortEdit* dot1vProtocolPortEdit;
