// TIGMPMulticastVLANGroupAddForm: the Add sub-form of the multicast VLAN group dialog. Its
// editors are bound into the dialog's request, so its Add writes through that request.
#pragma once

#include "FeatureDialog.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TIGMPMulticastVlanForm;

class TIGMPMulticastVLANGroupAddForm : public qs::FeatureDialog {
public:
    TIGMPMulticastVLANGroupAddForm(TComponent* owner, TIGMPMulticastVlanForm* table);

    // Every time it is shown: editors emptied and enabled, the status fixed to createAndGo.
    void FormActivate();
    void btnAddClick();
    // Resets the editors and shows the sub-form modally.
    void ShowForAdd();

    TLabel* Label1;
    TEdit* edtVID;
    TLabel* Label2;
    TEdit* edtFormIP;
    TLabel* Label3;
    TEdit* edtToIP;
    TLabel* Label4;
    TComboBox* cbxState;
    TButton* btnAdd;
    TButton* btnClose;

private:
    TIGMPMulticastVlanForm* table_;
};

extern TIGMPMulticastVLANGroupAddForm* IGMPMulticastVLANGroupAddForm;
