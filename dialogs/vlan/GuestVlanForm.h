// TGuestVlanForm: the device's 802.1X guest VLAN: the name of the VLAN that serves as guest VLAN
// and the ports it is enabled on; removes the guest VLAN setting.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;

class TGuestVlanForm : public qs::FeatureDialog {
public:
    explicit TGuestVlanForm(TComponent* owner);
    ~TGuestVlanForm() override;

    void FormCreate();
    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

    TLabel* lbl1;
    TEdit* edtName;
    TEdit* Edit1; // the guest VLAN name as last read
    TComboBox* cbxDel;
    TPageControl* pgc1;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* DelBtn;
    TButton* BT_Close;

    qs::PortPickerSlot GuestPorts;
    QsSNMPRequest2Edits* GuestRequest = nullptr;
    QsSNMPRequest2Edits* NameRequest = nullptr;
    QsSNMPRequest2Edits* DeleteRequest = nullptr;

private:
    void BuildControls();
    void CreateRequests();
};

extern TGuestVlanForm* GuestVlanForm;
