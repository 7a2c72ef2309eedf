// TBulwarkCtrlForm: the switch's Bulwark engine (CPU protection): rising and falling thresholds,
// mode and alarm state, and its current state. Every ticked field is sent in a SET of its own, in
// an order that keeps the rising threshold above the falling one on the device at every step.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;

class TBulwarkCtrlForm : public qs::FeatureDialog {
public:
    explicit TBulwarkCtrlForm(TComponent* owner);
    ~TBulwarkCtrlForm() override;

    void FormCreate();
    void btnGetClick();
    void btnSetClick();
    void btnCheckAllClick();
    void btnClearCheckClick();
    void ChangeSetState();

    TLabel* lbRising;
    TEdit* edtRising;
    TCheckBox* ckRising;
    TLabel* lbFallingCaption;
    TEdit* edtFalling;
    TCheckBox* ckFalling;
    TLabel* lbMode;
    TComboBox* cbxMode;
    TCheckBox* ckMode;
    TLabel* lbAlarm;
    TComboBox* cbxAlarm;
    TCheckBox* ckAlarm;
    TLabel* lbCurrentState;
    TComboBox* cbxCurrentState;
    TLabel* lbFalling; // hidden: the falling threshold as last read from the device
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnCheckAll;
    TButton* btnClearCheck;
    TButton* btnClose;

    QsSNMPRequest2Edits* BulwarkRequest = nullptr;
    // Reads the falling threshold alone into lbFalling when no read has succeeded yet.
    QsSNMPRequest2Edits* FallingRequest = nullptr;

private:
    void BuildControls();
    void BindRequests();
    // The ordered one-variable SETs of the ticked fields.
    void SetThresholdsInOrder();
    bool RangesValid();

    bool fallingFirst_ = false;
};

extern TBulwarkCtrlForm* BulwarkCtrlForm;
