// TFilterDHCPPermitForm: the DHCP server screening permits (a DHCP server's IPv4 address and a
// client's MAC address let through on a set of ports), listed, added, changed and deleted.
#pragma once

#include "AddressPortTableForm.h"
#include "PortPickerSlot.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TPanel;

class TFilterDHCPPermitForm : public qs::AddressPortTableForm {
public:
    explicit TFilterDHCPPermitForm(TComponent* owner);
    ~TFilterDHCPPermitForm() override;

    void FormCreate();
    void btnGetClick() override;
    void ListView1Click() override;
    void btnAddClick() override;
    void btnEditClick() override;
    void btnDeleteClick() override;

    enum Column { kServerIp, kClientMac, kPorts, kStatus };
    static constexpr int kBoxes = 56; // the port list is 7 octets

    TPanel* StackingPortPanel;

    qs::PortPickerSlot Ports;
    QsSNMPRequest2Edits* PermitRequest = nullptr;

private:
    void BuildControls();
    bool KeysValid();
    bool AnyPortTicked() const;
    void ResetEditors();
    // One SET (columns excluded left out, values taken from the controls or, for Delete, from
    // the selected row), then the table read again; an exception skips the read.
    void Write(bool fromSelectedRow, std::initializer_list<int> excluded);

    qs::RowButtons rowButtons_;
};
