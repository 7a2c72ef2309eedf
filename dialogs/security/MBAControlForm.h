// TMBAControlForm: the device's global MAC-based access control settings (state, method,
// password, the clear-all action) and its guest VLAN (name and member ports); deletes the guest
// VLAN name.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TMBAControlForm : public qs::FeatureDialog {
public:
    explicit TMBAControlForm(TComponent* owner);
    ~TMBAControlForm() override;

    void FormCreate();
    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

    TLabel* Label1;
    TComboBox* Cbox_State;
    TLabel* Label2;
    TComboBox* Cbox_Method;
    TLabel* Label3;
    TEdit* edtPassWord;
    TLabel* Label4;
    TComboBox* Cbox_ClearAllAction;
    TLabel* Label5;
    TEdit* edtName;
    TLabel* Label6; // "VLAN Name Delete State", hidden
    TComboBox* cbxDel;
    TEdit* Edit1; // hidden: the guest VLAN name as last read
    TLabel* Label7;
    TPanel* gbStackingPort;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* DelBtn;
    TButton* BT_Close;

    qs::PortPickerSlot GuestPorts;
    QsSNMPRequest2Edits* SettingsRequest = nullptr;
    QsSNMPRequest2Edits* GuestRequest = nullptr;
    QsSNMPRequest2Edits* DeleteRequest = nullptr;
    QsSNMPRequest2Edits* NameRequest = nullptr;

private:
    void BuildControls();
    void BuildSettings(TPanel* panel);
    void CreateRequests();
    void BindRequests();
    void SetSettings();
    void SetGuestVlan();
};

extern TMBAControlForm* MBAControlForm;
