// TCoSBrandwidthctrlForm: the maximum rate of every port and class of service, walked into a
// list, and the rate of one selected row set at a time, in Kbit/sec or unlimited (sent as 0).
// The table is walked asynchronously; the single SET is blocking, the request switched to the
// blocking mode around it.
#pragma once

#include "FeatureDialog.h"
#include "QsSNMPRequest2Edits.h"
#include "WalkGate.h"

class TButton;
class TCheckBox;
class TEdit;
class TLabel;
class TListView;
class TStaticText;

// The table's request: a rate of 0 is listed as "No Limit".
class CoSBrandWidthNewRequest2Edits : public QsSNMPRequest2Edits {
public:
    using QsSNMPRequest2Edits::QsSNMPRequest2Edits;

protected:
    void OnRow() override;
};

class TCoSBrandwidthctrlForm : public qs::FeatureDialog {
public:
    explicit TCoSBrandwidthctrlForm(TComponent* owner);
    ~TCoSBrandwidthctrlForm() override;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void StopButtonClick();
    void CloseButtonClick();
    void ListView1Click();
    void CheckBox1Click();

    TListView* ListView1;
    TLabel* Label1; // "Port Number", greyed
    TStaticText* PortText;
    TLabel* Label2;
    TStaticText* ClassIDText;
    TStaticText* TXText; // hidden: the rate to be sent
    TStaticText* RXText; // hidden, carries nothing
    TLabel* Label3;
    TEdit* rateEdit;
    TLabel* Label4;
    TCheckBox* NOLIMITRBT;
    TLabel* Label5;
    TStaticText* StaticText1; // the number of rows
    TButton* GetButton;
    TButton* EditButton;
    TButton* StopButton;
    TButton* CloseButton;

    CoSBrandWidthNewRequest2Edits* RateRequest = nullptr;
    qs::WalkGate WalkComplete;

private:
    void BuildControls();
    void BuildEditors(TWinControl* strip);
    void BindRequest();
    // The rate check of Set; on success TXText holds the rate to send.
    bool CheckRateInput();
    void StartWalk();
};

extern TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm;
