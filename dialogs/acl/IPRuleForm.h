// TIPRuleForm: the rules of the device's IPv4 access profiles, listed, added and deleted: the
// packet values to match, the action, priority and DSCP rewriting, a receive rate, the ingress
// ports and per-rule masks. The request stays asynchronous: a write returns once its SET is sent
// and the table is read again at once. The read-only Protocol column only says which protocol
// columns belong to the rule.
#pragma once

#include "IPv4RuleForm.h"

class TIPRuleForm : public qs::IPv4RuleForm {
public:
    explicit TIPRuleForm(TComponent* owner);

    // After the leading columns.
    enum Column {
        kEnablePriority = kFirstOwnColumn,
        kPriority,
        kReplacePriority,
        kEnableReplaceDscp,
        kReplaceDscp,
        kPermit,
        kPorts,
        kRowStatus,
        kRxRate,
        kMaskVlan,
        kMaskSourceIp,
        kMaskDestinationIp,
        kMaskSourcePort,
        kMaskDestinationPort
    };

    void ListView1Change() {} // the count follows the list by itself
    void Button1Click() { StopClick(); }
    void btn_CloseClick() { Close(); }
    // The priority editors work only while priority is enabled.
    void EnablePriorityComboBoxChange();

protected:
    bool ValidateEditors() override;
    void InitialSelections() override;
    void AfterRowClick(bool selected) override;
};

extern TIPRuleForm* IPRuleForm;
