// TARPSpoofingPreventMgmtForm: the ARP spoofing prevention entries (a gateway's IPv4 and MAC
// address and the ports on which the entry applies), listed, added, changed and deleted.
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
class TPageControl;
class TPanel;
class TStaticText;

class TARPSpoofingPreventMgmtForm : public qs::FeatureDialog {
public:
    explicit TARPSpoofingPreventMgmtForm(TComponent* owner);
    ~TARPSpoofingPreventMgmtForm() override;

    void FormCreate();
    void btnGetClick();
    void ListView1Click();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();
    void ResetEntryEditors();

    enum Column { kGatewayIp, kMac, kPorts, kRowStatus };

    TListView* ListView1;
    TLabel* Label1;
    TEdit* edtIpAddr;
    TLabel* Label2;
    TEdit* edtMacAddr;
    TPageControl* PageControl1;
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
    QsSNMPRequest2Edits* SpoofRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    void Write(bool add);

    qs::RowButtons rowButtons_;
};

extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;
