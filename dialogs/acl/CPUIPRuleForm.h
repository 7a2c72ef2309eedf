// TCPUIPRuleForm: the IPv4 rules of the device's CPU interface filter (profiles 1 to 3, access IDs
// 1 to 5), listed, added, edited and deleted. The request stays asynchronous; Delete asks first.
// The read-only Protocol column only says which protocol columns belong to the rule.
#pragma once

#include "RuleEditorForm.h"

class TCPUIPRuleForm : public qs::RuleEditorForm {
public:
    explicit TCPUIPRuleForm(TComponent* owner);

    enum Column {
        kProfile,
        kAccess,
        kVlan,
        kSourceIp,
        kDestinationIp,
        kDscp,
        kProtocol,
        kType,
        kCode,
        kSourcePort,
        kDestinationPort,
        kFlagBits,
        kProtocolId,
        kUserMask,
        kPermit,
        kRowStatus,
        kPorts
    };

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Changing() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void EditButtonClick() { EditClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void CheckButtonClick() { CheckAll(true); }
    void UncheckButtonClick() { CheckAll(false); }
    void CloseButtonClick() { Close(); }

protected:
    bool ValidateEditors() override;
    void ExcludeColumns(qs::AccessMarks& marks, Write write) override;
};

extern TCPUIPRuleForm* CPUIPRuleForm;
