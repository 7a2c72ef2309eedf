// TIPMACBindingForm: the IP-MAC-port binding entries (an IPv4 address bound to one MAC address
// and a set of ports), listed, added, changed and deleted.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"
#include "TableLayout.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;

class TIPMACBindingForm : public qs::FeatureDialog {
public:
    explicit TIPMACBindingForm(TComponent* owner);
    ~TIPMACBindingForm() override;

    void FormCreate();
    void btnGetClick();
    void ListView1Click();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();

    enum Column { kIp, kMac, kAclStatus, kPorts, kMode, kRowStatus };

    TListView* ListView1;
    TLabel* Label1;
    TEdit* edtIpAddr;
    TLabel* Label2;
    TEdit* edtMacAddr;
    TPanel* StackingPortPanel;
    TComboBox* ComboStatus;
    TComboBox* cbxActive;
    TLabel* LabelMode;
    TLabel* LabelAction;
    TComboBox* cbxMode;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnEdit;
    TButton* btnDelete;
    TButton* btnClose;

    qs::PortPickerSlot Ports;
    qs::AddressKeys Keys{};
    QsSNMPRequest2Edits* BindingRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    void ReadAndReset();
    void ResetEditors(bool clearPorts);
    // One SET of the entry with the columns excluded left out.
    void Write(std::initializer_list<int> excluded);

    qs::RowButtons rowButtons_;
};

extern TIPMACBindingForm* IPMACBindingForm;
