// TPortTrunkForm: the device's link-aggregation (trunk) groups, index 1 to 14: a master port,
// two to eight member ports of one unit, the type (static or LACP), and the active ports and
// flooding port the device reports. Lists, adds, changes and deletes groups; every request is
// blocking, so each handler has finished its reads and writes when it returns.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"

#include <string>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPageControl;
class TPanel;
class TStaticText;
class TTabSheet;
struct QsSNMPVarDesc;

// The trunk group table; the port mirroring dialog reads it too.
const QsSNMPVarDesc* PortTrunkVars();

// One stack unit against which a typed master port is checked.
struct UnitInformationTrunkList {
    int UnitNo = 0;
    int PortCount = 0;
    std::string Model;
};

class TPortTrunkForm : public qs::FeatureDialog {
public:
    explicit TPortTrunkForm(TComponent* owner);
    ~TPortTrunkForm() override;

    void FormCreate();
    void BT_GetClick();
    void SetBtnClick();
    void BT_SetClick();
    void BT_DeleteClick();
    void LV_PortTrunkClick();
    // The key filter of UnitEdit and PortEdit: digits and backspace only, anything else beeps.
    void UnitEditKeyPress(char16_t& key);

    void ClearPortEditors();
    bool IsValidMasterPort(int unit, int port);
    bool CheckMemberCount(int unit);

    enum Column { kIndex, kMaster, kMembers, kType, kActive, kState, kFlooding };

    TListView* LV_PortTrunk;
    TLabel* IndexLabel;
    TEdit* ED_Index;
    TLabel* Label3;
    TComboBox* Combo_Type;
    TLabel* LB_Master;
    TLabel* Label_Unit;
    TEdit* UnitEdit;
    TLabel* Label_Port;
    TEdit* PortEdit;
    TLabel* Label_Flooding;
    TStaticText* ST_FloodingPort;
    TLabel* Label_Count;
    TStaticText* StaticText1;
    TEdit* ED_MasterPort;
    TComboBox* Combo_State;
    TPageControl* PageControl1;
    TTabSheet* tbsMember;
    TTabSheet* tbsActive;
    TPanel* StackingPortPanel;
    TPanel* StackingPortPanel2;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* BT_Set;
    TButton* BT_Delete;
    TButton* BT_Close;

    qs::PortPickerSlot MemberPorts;
    qs::PortPickerSlot ActivePorts;
    QsSNMPRequest2Edits* TrunkRequest = nullptr;
    std::vector<UnitInformationTrunkList> UnitList;

private:
    void BuildControls();
    void BuildEditorStrip(TPanel* strip);
    void BuildPages();
    void BuildButtonColumn(TPanel* column);
    void CreatePortPickers();
    void CreateTrunkRequest();
    // Set and Delete while a row is selected, Add while none is.
    void ShowRowButtons(bool rowSelected);
    void ResetIndexEdit();
    // Runs a handler's work; an exception clears the port editors, brings back Add and puts its
    // text in the status panel.
    void Guard(const std::function<void()>& work);
    bool AddChecksPass();
    void SendAndRead();
    bool MasterTicked(int master);
    bool RowHasText(int column, const QString& text) const;

    qs::RowButtons rowButtons_;
};
