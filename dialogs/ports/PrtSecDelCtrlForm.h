// TPrtSecDelCtrlForm: deletes one learned port-security address entry on the device, named by its
// VLAN name, port and MAC address: the three values and the action "start" go in one SET. The
// user types the port of unit 1; the device takes the combined number (unit - 1) * 64 + port.
#pragma once

#include "FeatureDialog.h"
#include "PortSecurityRules.h"

#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TPrtSecDelCtrlForm : public qs::FeatureDialog {
public:
    explicit TPrtSecDelCtrlForm(TComponent* owner);
    ~TPrtSecDelCtrlForm() override;

    void FormCreate();
    void btnRefreshClick();
    void btnSetClick();

    // The unit table: one record for unit 1 with the model's port count.
    void BuildUnitInfoList();
    void FreeUnitInfoList();
    int UnitPortCount(int unit) const;
    // The unit and port test of Set; on success edtPort holds the combined number.
    bool CheckUnitPort();
    bool CheckDeleteInput();

    TLabel* Label1;
    TEdit* edtVlan;
    TEdit* edtPort; // hidden: the combined number
    TLabel* Label3;
    TEdit* edtMac;
    TComboBox* cbxOper; // hidden
    TLabel* Label2;
    TEdit* PortEdit;
    TPanel* GroupBox1; // hidden, holds the unit
    TLabel* Label4;
    TEdit* UnitEdit;
    TLabel* Label5;
    TButton* btnRefresh;
    TButton* btnSet;
    TButton* Button1;

    QsSNMPRequest2Edits* DeleteRequest = nullptr;
    std::vector<qs::UnitInfo> UnitInfoList;

private:
    void BuildControls();
    // Reads the four values and shows the combined port as unit and port.
    void ReadValues();
};

extern TPrtSecDelCtrlForm* PrtSecDelCtrlForm;
