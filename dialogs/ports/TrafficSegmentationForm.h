// TTrafficSegmentationForm: for every port of the device, the ports to which it may forward
// traffic; Set changes the set of the selected port. The table is read through the event pump;
// Refresh and Set wait until the walk has ended or been stopped.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "WalkGate.h"

class QsSNMPRequest2Edits;
class TButton;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TTrafficSegmentationForm : public qs::FeatureDialog {
public:
    explicit TTrafficSegmentationForm(TComponent* owner);
    ~TTrafficSegmentationForm() override;

    void FormCreate();
    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void LV_TrafficForwardClick();
    void ClearPortBoxes();

    TListView* LV_TrafficForward;
    TStaticText* ST_Port; // the selected port's number
    TPanel* GroupBox1;
    TLabel* Label_Port;
    TEdit* Combo_Port;
    TLabel* Label_Unit;
    TEdit* Combo_Unit;
    TPanel* Panel4;
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* StopBtn;
    TButton* CloseBtn;
    TStaticText* StaticText1;

    qs::PortPickerSlot ForwardPorts;
    QsSNMPRequest2Edits* SegmentRequest = nullptr;
    // Down from the start of a walk until the request reports that it ended, stopped or failed.
    qs::WalkGate WalkFinished;

private:
    void BuildControls();
    void BuildButtonColumn(TPanel* column);
    void ClearSelection();
};

extern TTrafficSegmentationForm* TrafficSegmentationForm;
