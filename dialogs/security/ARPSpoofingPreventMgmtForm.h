// TARPSpoofingPreventMgmtForm: the ARP spoofing prevention entries (a gateway's IPv4 and MAC
// address and the ports on which the entry applies), listed, added, changed and deleted.
#pragma once

#include "AddressPortTableForm.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TPageControl;
class TPanel;

class TARPSpoofingPreventMgmtForm : public qs::AddressPortTableForm {
public:
    explicit TARPSpoofingPreventMgmtForm(TComponent* owner);
    ~TARPSpoofingPreventMgmtForm() override;

    void FormCreate();
    void btnGetClick() override;
    void ListView1Click() override;
    void btnAddClick() override;
    void btnEditClick() override;
    void btnDeleteClick() override;
    void ResetEntryEditors();

    enum Column { kGatewayIp, kMac, kPorts, kRowStatus };

    TPageControl* PageControl1;

    qs::PortPickerSlot Ports;
    QsSNMPRequest2Edits* SpoofRequest = nullptr;

private:
    void BuildControls();
    void Write(bool add);

    qs::RowButtons rowButtons_;
};

extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;
