// The static unicast and multicast filter dialogs are one dialog configured by their differences:
// a table of VLAN ID, MAC address and receive port keys with one port map and a status column;
// Add writes the port map with status "permanent", Delete sets the status "invalid" after a
// confirmation, and the multicast dialog also sets a row's port map.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"

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

namespace qs {

struct StaticFilterConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    const char* listName;
    const char* vidName;
    const char* vidLabelName;
    const char* macName;
    const char* macLabelName;
    const char* macLabelCaption;
    const char* statusName;
    const char* statusLabelName;
    const char* addName;
    const char* deleteName;
    const char* tabCaption;
    bool multicast; // Set button, editors disabled (not read-only) on a row, reset after writes
};

class StaticFilterForm : public FeatureDialog {
public:
    StaticFilterForm(TComponent* owner, const StaticFilterConfig& config);
    ~StaticFilterForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();
    void ListClick();
    void ClearEditors();

    enum Column { kVlan, kMac, kReceivePort, kPorts, kStatus };

    TListView* List;
    TLabel* VidLabel;
    TEdit* VidEdit;
    TLabel* MacLabel;
    TEdit* MacEdit;
    TLabel* StatusLabel;
    TComboBox* StatusCombo;
    TEdit* ReceivePort; // hidden: the receive port of the row written, 0 for a new one
    TPageControl* PageControl1;
    TLabel* SamplesLabel;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* SetBtn = nullptr;
    TButton* btnClose;

    PortPickerSlot Ports;
    QsSNMPRequest2Edits* FilterRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    void ShowRowState(bool rowSelected);
    // A VLAN ID and exactly 12 hex digits of MAC address; otherwise the message and false.
    bool KeysValid();

    const StaticFilterConfig& config_;
    RowButtons rowButtons_;
};

} // namespace qs
