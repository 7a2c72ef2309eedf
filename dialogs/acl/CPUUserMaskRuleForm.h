// TCPUUserMaskRuleForm: the packet-content rules of the device's CPU interface filter (profiles
// 1 to 3, access IDs 1 to 5): for each 16-octet range of the first 80 octets of a packet the
// payload to compare under the profile's offset masks, an action and the ports. Listed, added,
// edited and deleted; the port list is written only when a port is ticked.
#pragma once

#include "RuleEditorForm.h"

class TCPUUserMaskRuleForm : public qs::RuleEditorForm {
public:
    explicit TCPUUserMaskRuleForm(TComponent* owner);

    enum Column {
        kProfile,
        kAccess,
        kOffset0,
        kOffset16,
        kOffset32,
        kOffset48,
        kOffset64,
        kPermit,
        kRowStatus,
        kPorts
    };

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Change() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void OperButtonClick() { EditClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void CheckButtonClick() { CheckAll(true); }
    void UncheckButtonClick() { CheckAll(false); }
    void closeButtonClick() { Close(); }

protected:
    bool ValidateEditors() override;
    bool CheckBeforeSend(Write write) override;
    void ExcludeColumns(qs::AccessMarks& marks, Write write) override;
    void InitialSelections() override;
};

extern TCPUUserMaskRuleForm* CPUUserMaskRuleForm;
