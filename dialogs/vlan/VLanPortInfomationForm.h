// TVLanPortInfomationForm: the 802.1Q settings of every port (dot1qPortVlanTable); changes the
// port VLAN ID, acceptable frame types, ingress filtering and GVRP of the selected port.
#pragma once

#include "FeatureDialog.h"
#include "WalkGate.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TVLanPortInfomationForm : public qs::FeatureDialog {
public:
    explicit TVLanPortInfomationForm(TComponent* owner);
    ~TVLanPortInfomationForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void SetBtnClick();

    TListView* LV_dot1qPortVlanEntry;
    TLabel* Label1;
    TEdit* PortVLanID;
    TLabel* Label2;
    TComboBox* AcceptableFrameTypes;
    TLabel* Label3;
    TComboBox* IngressFiltering;
    TLabel* Label4;
    TComboBox* GvrpStatus;
    TLabel* Label5;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* Closebtn;

    QsSNMPRequest2Edits* PortRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void SelectPort(const QString& port);

    qs::WalkGate busyGate_;
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;
