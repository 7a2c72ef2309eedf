// TSTP_Info: the bridge-wide spanning tree parameters: protocol version, Max Age, Hello Time,
// Forward Delay, Max Hops, TX Hold Count and BPDU forwarding. Under MSTP the values go out
// without Hello Time through a second request; a version change while spanning tree runs is
// followed by a timed progress box. The version last accepted by the device is kept on the main
// window, where the next STP Control dialog reads whether the device runs MSTP.
#pragma once

#include "FeatureDialog.h"
#include "ProgressBox.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;

class TSTP_Info : public qs::FeatureDialog {
public:
    explicit TSTP_Info(TComponent* owner);
    ~TSTP_Info() override;

    void FormCreate();
    void BT_GetClick();
    void BT_SetClick();
    void Combo_STPVersionChange();

    TLabel* Label1;
    TComboBox* Combo_STPVersion;
    TLabel* Label12;
    TEdit* ET_AgingTime;
    TLabel* Label13;
    TEdit* ET_HelloTime;
    TLabel* Label14;
    TEdit* ET_ForwardDelay;
    TLabel* Label2;
    TEdit* ET_Priority; // Max Hops
    TLabel* Label3;
    TEdit* ED_TxHoldCount;
    TLabel* Label4;
    TComboBox* Combo_BPDU;
    TLabel* Label16;
    TLabel* Label15;
    TLabel* Label5;
    TLabel* Label6;
    TComboBox* Combo_LBD;
    TEdit* ET_LBDRecover;
    TListView* ListView1; // the MSTP values' one row
    TLabel* lbMSTPState;  // spanning tree state as last read
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* CloseButton;

    QsSNMPRequest2Edits* MainRequest = nullptr;
    QsSNMPRequest2Edits* MstpRequest = nullptr;
    QsSNMPRequest2Edits* StateRequest = nullptr;
    // The progress box's tick; tests shorten it.
    int ProgressTickMs = qs::kProgressTickMs;

private:
    void BuildControls();
    void BuildHiddenControls();
    QsSNMPRequest2Edits* AddRequest(int timeout);
    void CreateRequests();
    void ShowHelloTime(bool mstp);
    // The checks of both branches; false (text in the status panel) stops the Set.
    bool CheckTimes(bool withHello);
    bool SendMstpValues(const QString& version);
    bool SendAllValues();
};

extern TSTP_Info* STP_Info;
