// TIPRuleForm: the rules of the device's IPv4 access profiles, listed, added and deleted: the
// packet values to match, the action, priority and DSCP rewriting, a receive rate, the ingress
// ports and per-rule masks. The request stays asynchronous: a write returns once its SET is sent
// and the table is read again at once. The read-only Protocol column only says which protocol
// columns belong to the rule.
#pragma once

#include "RuleEditorForm.h"

class TIPRuleForm : public qs::RuleEditorForm {
public:
    explicit TIPRuleForm(TComponent* owner);

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
        kEnablePriority,
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

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Change() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void EditButtonClick() { EditClick(); } // the Edit button is never shown
    void CheckButtonClick() { CheckAll(true); }
    void UncheckButtonClick() { CheckAll(false); }
    void Button1Click() { StopClick(); }
    void btn_CloseClick() { Close(); }
    // The priority editors work only while priority is enabled.
    void EnablePriorityComboBoxChange();

protected:
    bool ValidateEditors() override;
    void ExcludeColumns(qs::AccessMarks& marks, Write write) override;
    void InitialSelections() override;
    void AfterRowClick(bool selected) override;
};

extern TIPRuleForm* IPRuleForm;
