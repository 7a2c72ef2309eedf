// TCPUIPRuleForm: the IPv4 rules of the device's CPU interface filter (profiles 1 to 3, access IDs
// 1 to 5), listed, added, edited and deleted. The request stays asynchronous; Delete asks first.
// The read-only Protocol column only says which protocol columns belong to the rule.
#pragma once

#include "IPv4RuleForm.h"

class TCPUIPRuleForm : public qs::IPv4RuleForm {
public:
    explicit TCPUIPRuleForm(TComponent* owner);

    // After the leading columns.
    enum Column { kUserMask = kFirstOwnColumn, kPermit, kRowStatus, kPorts };

    void ListView1Changing() {} // the count follows the list by itself
    void CloseButtonClick() { Close(); }

protected:
    bool ValidateEditors() override;
};

extern TCPUIPRuleForm* CPUIPRuleForm;
