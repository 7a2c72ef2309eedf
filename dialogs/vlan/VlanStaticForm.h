// TVlanStaticForm: the device's static 802.1Q VLANs (dot1qVlanStaticTable) with their egress,
// forbidden egress and untagged port maps: lists them, creates, changes and deletes them, and
// shows the next free local VLAN index. Writes go out one column per SET in a fixed order; the
// walk gate refuses writes and closing while the table is being read.
#pragma once

#include "AccessMarks.h"
#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"
#include "WalkGate.h"

#include <memory>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListItem;
class TListView;
class TPageControl;
class TPanel;
class TStaticText;

class TVlanStaticForm : public qs::FeatureDialog {
public:
    explicit TVlanStaticForm(TComponent* owner);
    ~TVlanStaticForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void btnStopClick();
    void LV_dot1qVlanStaticEntrySelectItem(TListItem* item, bool selected);
    void LV_dot1qVlanStaticEntryClick();
    void ClearEditors();

    // Columns of the VLAN request.
    enum Column { kIndex, kName, kEgress, kForbidden, kUntagged, kRowStatus };

    TListView* LV_dot1qVlanStaticEntry;
    TLabel* lbl1;
    TEdit* ED_VLANID;
    TLabel* lbl3;
    TEdit* ED_VLANName;
    TLabel* lbl4;
    TStaticText* NextFreeLocalVlanIndex;
    TLabel* lbl2;
    TComboBox* Status;
    TPageControl* PageControl1;
    TLabel* Label11;
    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* btnStop;
    TButton* btnClose;

    qs::PortPickerSlot EgressPorts;
    qs::PortPickerSlot ForbiddenPorts;
    qs::PortPickerSlot UntaggedPorts;
    // Null once the dialog has closed.
    QsSNMPRequest2Edits* VlanRequest = nullptr;
    QsSNMPRequest2Edits* NextFreeRequest = nullptr;
    qs::WalkGate WalkFinished;

private:
    void BuildControls();
    void BuildEditorStrip(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void CreateVlanRequest();
    void CreateNextFreeRequest();
    // Sends the steps, then walks the table again and clears the editors; an exception raises the
    // walk gate and goes to the status panel.
    void WriteThenWalk(const std::vector<qs::SetStep>& steps);
    // The VLAN ID names the row of every SET: false, after saying why with the focus on its edit,
    // when it is empty or no whole number from 1 to 4094; else it stands in its edit as read.
    bool VlanIdTaken();

    qs::RowButtons rowButtons_;
};

extern TVlanStaticForm* VlanStaticForm;
