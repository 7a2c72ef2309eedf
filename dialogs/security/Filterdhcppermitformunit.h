// TFilterDHCPPermitForm: the DHCP server screening permits (a DHCP server's IPv4 address and a
// client's MAC address let through on a set of ports), listed, added, changed and deleted.
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
class TStaticText;

class TFilterDHCPPermitForm : public qs::FeatureDialog {
public:
    explicit TFilterDHCPPermitForm(TComponent* owner);
    ~TFilterDHCPPermitForm() override;

    void FormCreate();
    void btnGetClick();
    void ListView1Click();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();

    enum Column { kServerIp, kClientMac, kPorts, kStatus };
    static constexpr int kBoxes = 56; // the port list is 7 octets

    TListView* ListView1;
    TLabel* Label1;
    TEdit* edtIpAddr;
    TLabel* Label2;
    TEdit* edtMacAddr;
    TPanel* StackingPortPanel;
    TComboBox* ComboStatus;
    TLabel* LabelMode;
    TComboBox* cbxMode;
    TLabel* Label3;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnEdit;
    TButton* btnDelete;
    TButton* btnClose;
    TButton* Button1;

    qs::PortPickerSlot Ports;
    qs::AddressKeys Keys{};
    QsSNMPRequest2Edits* PermitRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    bool KeysValid();
    bool AnyPortTicked() const;
    void ResetEditors();
    // One SET (columns excluded left out, values taken from the controls or, for Delete, from
    // the selected row), then the table read again; an exception skips the read.
    void Write(bool fromSelectedRow, std::initializer_list<int> excluded);

    qs::RowButtons rowButtons_;
};
