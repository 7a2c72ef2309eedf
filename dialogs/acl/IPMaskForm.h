// The IPv4 mask dialogs of the access lists and of the CPU interface filter are one dialog
// configured by their differences: a profile's use of VLAN and DSCP, an address mask state that
// decides which address masks belong to it, and a protocol type whose options, port masks, TCP
// flag mask and protocol masks are written only where that type uses them. Every input is
// checked under exactly the condition that sends it. Delete asks first (the shared row delete).
#pragma once

#include "RuleEditorForm.h"

namespace qs {

class IPMaskForm : public RuleEditorForm {
public:
    enum Column {
        kProfile,
        kUseVlan,
        kAddressState,
        kSourceMask,
        kDestinationMask,
        kUseDscp,
        kProtocolType,
        kIcmpOption,
        kIgmpOption,
        kTcpOption,
        kUdpOption,
        kSourcePortMask,
        kDestinationPortMask,
        kTcpFlagBit,
        kTcpFlagBitMask,
        kProtocolIdOption,
        kProtocolMask,
        kLastMask,
        kRowStatus
    };

    // cpuFilter: column 16 is the protocol ID mask (a number) and column 17 the 4-octet user mask;
    // otherwise 16 is the protocol mask (its text tested) and 17 the VLAN mask.
    IPMaskForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
               const RuleEditorRules& rules, bool cpuFilter);

    void FormCreate() { Open(); }
    void BT_GetClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void ListView1Changing() {} // the count follows the list by itself
    void BT_AddClick() { AddClick(); }
    void BT_DeleteClick() { DeleteClick(); }
    void SetBtnClick() {} // the Set button is never shown

protected:
    bool ValidateEditors() override;
    void ExcludeColumns(AccessMarks& marks, Write write) override;
    bool RereadAfterFailedWrite() const override { return true; }

private:
    // The conditions that decide whether a column is written.
    bool Type(const char* type) const;
    bool SourceAddressSent() const;
    bool DestinationAddressSent() const;
    bool PortMaskSent(int column) const;
    bool FlagMaskSent() const;
    bool ProtocolMaskSent() const;
    bool UserMaskSent() const;
    bool AddressValid(int column);
    bool ProtocolMaskValid();

    bool cpuFilter_;
};

} // namespace qs

namespace qs {
// The option lists both dialogs' columns share.
extern const QsOption IPAddressMaskStateOptions[];
extern const QsOption ProtocolTypeOptions[];
extern const QsOption IcmpOptionOptions[];
extern const QsOption PortOptionOptions[];
} // namespace qs
