// TIGMPMulticastVLANGroupAddForm: the Add sub-form of the multicast VLAN group dialog. Its
// editors are bound into the dialog's request; its Add hands the write back to that dialog.
#pragma once

#include "FeatureDialog.h"

#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TLabel;

class TIGMPMulticastVLANGroupAddForm : public qs::FeatureDialog {
public:
    // onAdd writes the checked editors' values (the owning dialog's request holds them).
    TIGMPMulticastVLANGroupAddForm(TComponent* owner, std::function<bool()> onAdd);

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
    std::function<bool()> onAdd_; // true once the agent took the new range
};

extern TIGMPMulticastVLANGroupAddForm* IGMPMulticastVLANGroupAddForm;
