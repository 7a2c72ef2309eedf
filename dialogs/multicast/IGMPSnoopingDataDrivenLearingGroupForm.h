// TIGMPSnoopingDataDrivenLearingGroupForm: the groups IGMP snooping has learned from multicast
// data (VLAN, group, router ports, up and expiry time); Set clears the selected group.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "WalkGate.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TIGMPSnoopingDataDrivenLearingGroupForm : public qs::FeatureDialog {
public:
    explicit TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* owner);
    ~TIGMPSnoopingDataDrivenLearingGroupForm() override;

    void FormCreate();
    void btnGetClick();
    void btnSetClick();
    void btn_stopClick();
    // After the framework has shown the selected row (or after the selection was cleared).
    void ListView1Click();
    void ClearFields();

    enum Column { kVlan, kGroup, kRouterPorts, kUpTime, kExpiryTime, kClearGroup };

    TListView* ListView1;
    TStaticText* stVID;
    TEdit* edtIPAddress;
    TEdit* edtUptime;
    TEdit* edtExpiryTime;
    TComboBox* CBoxClear;
    TPanel* StackingPortPanel;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnClose;
    TButton* btn_stop;

    qs::PortPickerSlot RouterPorts;
    QsSNMPRequest2Edits* GroupRequest = nullptr;
    qs::WalkGate WalkFinished;

private:
    void BuildControls();
    void BuildEditors(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void BindRequest();
};

extern TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm;
