// The NLB forwarding dialogs are one dialog configured by their differences: entries that bind a
// MAC address (unicast) or a VLAN and a MAC address (multicast) to egress ports, added with
// createAndGo, changed and deleted (destroy) through their row status.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPageControl;
class TPanel;
class TStaticText;

namespace qs {

struct NlbFdbConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    bool multicast;      // a VLAN key before the MAC address
    const char* vidName; // hidden and unbound in the unicast dialog
    const char* macName;
    const char* emptyKeys; // the message when a key is missing
};

class NlbFdbForm : public FeatureDialog {
public:
    NlbFdbForm(TComponent* owner, const NlbFdbConfig& config);
    ~NlbFdbForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();
    void LV_dot1qStaticUnicastEntryClick();
    void ResetEditors();

    TListView* LV_dot1qStaticUnicastEntry;
    TLabel* Label8;
    TEdit* VidEdit;
    TLabel* Label9;
    TEdit* MacEdit;
    TLabel* Label10;
    TComboBox* UStatus;
    TPageControl* pgc1;
    TLabel* lbl1;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* CloseButton;
    TButton* SetBtn;

    PortPickerSlot Ports;
    QsSNMPRequest2Edits* NlbRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    bool KeysValid();
    int Column(int multicastColumn) const {
        return config_.multicast ? multicastColumn : multicastColumn - 1;
    }

    const NlbFdbConfig& config_;
};

} // namespace qs
