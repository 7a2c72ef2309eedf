// TCPUUserMaskInfoForm: the packet-content masks (profiles 1 to 3) of the device's CPU interface
// filter: five 16-octet offset masks that select the octets of the first 80 of a packet which
// the profile's rules compare. Listed, added and deleted.
#pragma once

#include "RuleEditorForm.h"

class TCPUUserMaskInfoForm : public qs::RuleEditorForm {
public:
    explicit TCPUUserMaskInfoForm(TComponent* owner);

    enum Column { kProfile, kOffset0, kOffset16, kOffset32, kOffset48, kOffset64, kRowStatus };

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Changing() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void OperButtonClick() {} // the Edit button is never shown
    void CloseButtonClick() { Close(); }

protected:
    bool ValidateEditors() override;
    bool CheckBeforeSend(Write write) override;
    void InitialSelections() override;
    bool ResetOnEmptyClick() const override { return false; }
};

extern TCPUUserMaskInfoForm* CPUUserMaskInfoForm;
