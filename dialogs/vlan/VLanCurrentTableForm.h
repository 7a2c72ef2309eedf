// TVLanCurrentTableForm: the VLANs currently active on the device (dot1qVlanCurrentTable), read
// only, with the current egress and untagged ports of the selected VLAN on two display-only port
// pickers, and the device's count of VLAN deletions.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListItem;
class TListView;
class TPageControl;
class TPanel;
class TStaticText;

class TVLanCurrentTableForm : public qs::FeatureDialog {
public:
    explicit TVLanCurrentTableForm(TComponent* owner);
    ~TVLanCurrentTableForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void LV_dot1qVlanCurrentEntrySelectItem(TListItem* item, bool selected);
    // Unticks both pickers and empties the VLAN index.
    void ClearPortViews();

    TListView* LV_dot1qVlanCurrentEntry;
    TLabel* Label1;
    TStaticText* VlanNumDeletes;
    TLabel* Label2;
    TStaticText* StaticText1;
    TPageControl* PageControl1;
    TLabel* Label11;
    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* Closebtn;

    qs::PortPickerSlot EgressPorts;
    qs::PortPickerSlot UntaggedPorts;
    QsSNMPRequest2Edits* ScalarRequest = nullptr;
    QsSNMPRequest2Edits* TableRequest = nullptr;

private:
    void BuildControls();
    void BuildGroup(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    void CreateScalarRequest();
    void CreateTableRequest();
    void Read(QsSNMPRequest2Edits* request);
};

extern TVLanCurrentTableForm* VLanCurrentTableForm;
