// TIPv6MaskInfoForm: the IPv6 masks (profiles) of the device's access lists: which parts of an
// IPv6 packet the profile's rules may match (traffic class, flow label, a source address under a
// mask, a protocol with its TCP or UDP port masks). Lists them, adds and deletes them; the
// protocol and the address mask state decide which columns an Add sends.
#pragma once

#include "RuleEditorForm.h"

class TComboBox;
class TEdit;

class TIPv6MaskInfoForm : public qs::RuleEditorForm {
public:
    explicit TIPv6MaskInfoForm(TComponent* owner);

    enum Column {
        kProfile,
        kClass,
        kFlowLabel,
        kMaskState,
        kSourceMask,
        kRowStatus,
        kProtocol,
        kTcpOption,
        kUdpOption,
        kSourcePortMask,
        kDestinationPortMask,
    };

    void GetButtonClick() { RefreshClick(); }
    void AddButtonClick() { AddClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void Button1Click() { StopClick(); }
    // Greys the option combos and port-mask edits the chosen protocol and option do not use.
    void ApplyProtocolRule();
    // Greys the source mask unless the state is "src-ipv6-addr".
    void ApplyMaskStateRule();

    // In the layout, bound to nothing: the dialog only empties, enables or disables them.
    TEdit* NameEdit;
    TEdit* edtDstMask;
    TEdit* EntiesEdit;
    TComboBox* cbxOwner;

protected:
    bool ValidateEditors() override;
    bool ColumnLeftOut(int, Write) const override { return false; }
    void ExcludeColumns(qs::AccessMarks& marks, Write write) override;
    void InitialSelections() override;
    void AfterReset() override;
    void AfterRowClick(bool selected) override;

private:
    void BuildUnboundControls();
    void SetUsable(TWinControl* control, bool usable);
};

extern TIPv6MaskInfoForm* IPv6MaskInfoForm;
