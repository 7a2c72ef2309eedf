// TISMVLANForm: the IGMP snooping multicast VLANs of the device: lists them, creates one (name
// and priorities), changes one (name, state, replacement source IP, priorities and its source,
// member, tagged member and untagged source port maps) and deletes one. Every write is followed
// at once by a new walk; writes and closing wait for the walk to end.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"
#include "WalkGate.h"

class QsSNMPRequest2Edits;
namespace qs {
class AccessMarks;
}
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListItem;
class TListView;
class TPageControl;
class TPanel;
class TScrollBox;
class TStaticText;

class TISMVLANForm : public qs::FeatureDialog {
public:
    explicit TISMVLANForm(TComponent* owner);
    ~TISMVLANForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();
    void btnStopClick();
    // Runs before the framework shows the selected row.
    void lvISMVLANSelectItem(TListItem* item, bool selected);
    void ClearISMEditors();

    enum Column {
        kVlan,
        kName,
        kSourcePorts,
        kMemberPorts,
        kTagMemberPorts,
        kState,
        kSourceIP,
        kRowStatus,
        kUntagSourcePorts,
        kRemapPriority,
        kReplacePriority
    };

    TListView* lvISMVLAN;
    TEdit* ED_VLANID;
    TEdit* ED_VLANName;
    TComboBox* cbxVLANState;
    TEdit* edtSourceIP;
    TComboBox* ComboBox_ReplacePriority;
    TEdit* Edit_RemapPriority;
    TLabel* lblStatus;
    TComboBox* cbxStatus;
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TScrollBox* ScrollBox4;
    TLabel* lblSamples;
    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* btnStop;
    TButton* btnClose;

    qs::PortPickerSlot SourcePorts;
    qs::PortPickerSlot MemberPorts;
    qs::PortPickerSlot TagMemberPorts;
    qs::PortPickerSlot UntagSourcePorts;
    QsSNMPRequest2Edits* ISMRequest = nullptr;
    qs::WalkGate Ready;

private:
    void BuildControls();
    void BuildEditors(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void CreateRequest();
    // Each shows its refusal and returns false, or sends one SET.
    bool SendISMVLANAdd(qs::AccessMarks& marks);
    bool SendISMVLANSet(qs::AccessMarks& marks);
    void SendISMVLANDelete(qs::AccessMarks& marks);
    // The replacement source IP travels only when filled in, and then only when valid; the state
    // and the remap priority only when filled in. False: refused, nothing to send.
    bool MarkOptionalColumns(qs::AccessMarks& marks);
    // A VLAN ID of digits; otherwise the message and false.
    bool VlanIdGiven();
    // Starts the walk that follows every write; an exception raises the gate.
    void WalkAgain();
    void ShowEditorsEnabled(bool rowSelected);
    void ShowRowCount();

    qs::RowButtons rowButtons_;
};

extern TISMVLANForm* ISMVLANForm;
