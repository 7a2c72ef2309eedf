// TEthernetInformationRuleForm: the rules of the device's Ethernet access profiles, listed, added
// and deleted: the frame values to match, the action, priority and DSCP rewriting, a receive
// rate, the ingress ports and per-rule masks. A column is written only when its include box is
// ticked; the port list always travels.
#pragma once

#include "RuleEditorForm.h"

class TEthernetInformationRuleForm : public qs::RuleEditorForm {
public:
    explicit TEthernetInformationRuleForm(TComponent* owner);

    enum Column {
        kProfile,
        kAccess,
        kVlan,
        kSourceMac,
        kDestinationMac,
        k8021p,
        kEtherType,
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
        kMaskSourceMac,
        kMaskDestinationMac
    };

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Change() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void EditButtonClick() { EditClick(); } // the Edit button is never shown
    void AddCheckButtonClick() { CheckAll(true); }
    void btnClearChecksClick() { CheckAll(false); }
    void Button1Click() { StopClick(); }
    void btnCloseClick() { Close(); }

protected:
    bool ValidateEditors() override;
    void InitialSelections() override;
};

extern TEthernetInformationRuleForm* EthernetInformationRuleForm;
