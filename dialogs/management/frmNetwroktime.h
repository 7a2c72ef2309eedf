// TfrmNetwroktime: the device's SNTP client settings: on or off, the time source in use, two
// server addresses and the poll interval; only the values whose include box is ticked are sent.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;

class TfrmNetwroktime : public qs::FeatureDialog {
public:
    explicit TfrmNetwroktime(TComponent* owner);
    ~TfrmNetwroktime() override;

    void FormCreate();
    void Button_RefreshClick();
    void Button_SetCheckedClick();
    void Button_CheckAllClick();
    void Button_ClearAllClick();
    void UncheckAll();

    TLabel* Label1;
    TComboBox* CBox_TimeSate;
    TCheckBox* CheckBox_TimeState;
    TLabel* Label2;
    TEdit* ED_TimeSource;
    TLabel* Label3;
    TEdit* ED_Server1IPAddress;
    TCheckBox* CheckBox_Server1IP;
    TLabel* Label4;
    TEdit* ED_ServerIPAddress2;
    TCheckBox* CheckBox_Server2IP;
    TLabel* Label5;
    TEdit* ED_PollInterval;
    TCheckBox* CheckBox_PollInterval;
    TButton* Button_Refresh;
    TButton* Button_SetChecked;
    TButton* Button_CheckAll;
    TButton* Button_ClearAll;
    TButton* Button_Close;

    QsSNMPRequest2Edits* TimeRequest = nullptr;

private:
    void BuildControls();
    void BuildButtons();
    // The checks before a write; false when an input was refused (nothing is sent).
    bool InputAccepted();
    std::vector<TCheckBox*> IncludeBoxes() const;
};

extern TfrmNetwroktime* frmNetwroktime;
