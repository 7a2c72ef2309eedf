// TCPUEthernetInformationRuleForm: the Ethernet rules of the device's CPU interface filter
// (profiles 1 to 3, access IDs 1 to 5), listed, added, edited and deleted; the port picker sits
// on a "Ports" tab.
#pragma once

#include "RuleEditorForm.h"

class TCPUEthernetInformationRuleForm : public qs::RuleEditorForm {
public:
    explicit TCPUEthernetInformationRuleForm(TComponent* owner);

    enum Column {
        kProfile,
        kAccess,
        kVlan,
        kSourceMac,
        kDestinationMac,
        k8021p,
        kEtherType,
        kPermit,
        kRowStatus,
        kPorts
    };

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Change() {} // the count follows the list by itself
    void AddButtonClick() { AddClick(); }
    void EditButtonClick() { EditClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void AddCheckButtonClick() { CheckAll(true); }
    void CleanCheButtonClick() { CheckAll(false); }
    void Button1Click() { Close(); }

protected:
    bool ValidateEditors() override;
    void InitialSelections() override;
};

extern TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm;
