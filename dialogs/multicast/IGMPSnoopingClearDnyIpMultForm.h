// TIGMPSnoopingClearDnyIpMultForm: clears dynamically learned IP multicast entries of the device:
// all of them, those of one VLAN or one group. The VLAN ID, the address and the action always
// travel together.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;

class TIGMPSnoopingClearDnyIpMultForm : public qs::FeatureDialog {
public:
    explicit TIGMPSnoopingClearDnyIpMultForm(TComponent* owner);
    ~TIGMPSnoopingClearDnyIpMultForm() override;

    void FormCreate();
    void Button1Click();

    enum Column { kVlan, kAddress, kAction };

    TLabel* Label4;
    TEdit* edtVID;
    TLabel* Label5;
    TEdit* edtIPAddr;
    TLabel* Label6;
    TComboBox* cbMultAction;
    TButton* Button1;
    TButton* Button2;

    QsSNMPRequest2Edits* ClearRequest = nullptr;
};

extern TIGMPSnoopingClearDnyIpMultForm* IGMPSnoopingClearDnyIpMultForm;
