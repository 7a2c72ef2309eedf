// TPortMirrorForm: the device's one port-mirroring setting: the ports whose received (ingress)
// and transmitted (egress) traffic is mirrored, the target port that receives the copies, and
// whether mirroring is enabled. Set sends all four values, then the ingress ports alone, then
// the egress ports alone.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;

class TPortMirrorForm : public qs::FeatureDialog {
public:
    explicit TPortMirrorForm(TComponent* owner);
    ~TPortMirrorForm() override;

    void FormCreate();
    void BT_RefreshClick();
    void BT_SetClick();

    enum Column { kRxPorts, kTxPorts, kTargetPort, kState };

    TLabel* Label2;
    TPanel* GroupBox2;
    TLabel* Label_Unit;
    TEdit* UnitEdit;
    TLabel* Label_Port;
    TEdit* PortEdit;
    TCheckBox* CK_Status;
    TPanel* GroupBox1;
    TLabel* IngressLabel;
    TPanel* IngressPortGB;
    TLabel* EgressLabel;
    TPanel* EgressPortGB;
    TButton* BT_Refresh;
    TButton* BT_Set;
    TButton* Button1;
    // Hidden: no part in what the dialog does.
    TButton* btnRemove;
    TButton* btnSetstatus;
    TEdit* ET_TargetPort;
    TComboBox* Combo_Unit;
    TComboBox* Combo_Port;
    // The trunk groups, read into hidden controls.
    TListView* LV_PortTrunk;
    TEdit* ED_MasterPort;
    TPanel* StackingPortPanel;

    qs::PortPickerSlot IngressPorts;
    qs::PortPickerSlot EgressPorts;
    qs::PortPickerSlot TrunkPorts;
    QsSNMPRequest2Edits* MirrorRequest = nullptr;
    QsSNMPRequest2Edits* TrunkRequest = nullptr;

private:
    void BuildControls();
    void BuildTarget();
    void BuildSources();
    void BuildHiddenControls();
    void CreateMirrorRequest();
    void CreateTrunkRequest();
    bool TargetPortValid();
};

extern TPortMirrorForm* PortMirrorForm;
