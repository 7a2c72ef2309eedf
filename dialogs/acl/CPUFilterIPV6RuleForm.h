// TCPUFilterIPV6RuleForm: the CPU interface filter's IPv6 rules (traffic class, flow label,
// source and destination address, a permit action and the ports): lists them, adds, changes and
// deletes them. Every read and write waits for its answer.
#pragma once

#include "IncludeRuleForm.h"

class TComboBox;

class TCPUFilterIPV6RuleForm : public qs::IncludeRuleForm {
public:
    explicit TCPUFilterIPV6RuleForm(TComponent* owner);

    // Columns of the rule table: Row Status comes before the port list here.
    enum Column { kProfile, kAccess, kClass, kFlowLabel, kSource, kDestination, kPermit, kRowStatus, kPort };

    // In the layout, bound to nothing and never shown.
    TComboBox* RuleOwnerComboBox;
};

extern TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm;
