// The Ethernet mask dialogs of the access lists and of the CPU interface filter are one dialog
// configured by their differences: a profile's use of VLAN, 802.1p and Ethernet type, and a MAC
// address mask state that decides which of the source and destination MAC masks are tested
// (twelve hex digits) and written. Add refuses a listed Profile ID and a Row Status other than
// createAndGo before it looks at the editors; Delete sets Row Status destroy without asking.
#pragma once

#include "RuleEditorForm.h"

namespace qs {

class EthernetMaskForm : public RuleEditorForm {
public:
    enum Column { kProfile, kUseVlan, kMacState, kMacSource, kMacDestination, kUse8021p, kUseEtherType };

    EthernetMaskForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                     const RuleEditorRules& rules, int initialRowStatus);

    // The handlers, under the dialogs' names.
    void FormCreate() { Open(); }
    void BT_GetClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void AddBtnClick() { AddClick(); }
    void BT_DeleteClick() { DeleteClick(); }
    void SetBtnClick() {} // the Set button is never shown

protected:
    bool ValidateEditors() override;
    bool ChecksBeforeValidation() const override { return true; }
    void ExcludeColumns(AccessMarks& marks, Write write) override;
    void InitialSelections() override;

private:
    // An empty column, or a MAC address (then in the edit as 12 hex digits); otherwise "Invalid
    // MAC Address", the focus on the edit and false.
    bool MacValid(int column);

    int initialRowStatus_;
};

// The option lists both dialogs' columns share.
extern const QsOption MacMaskStateOptions[];

} // namespace qs
