// The IPv4 rule dialogs of the access lists and of the CPU interface filter share their leading
// columns (the two keys, VLAN, the addresses, DSCP, the rule's protocol and the protocol values),
// the list and editor handlers they publish under the same names, the key test and the protocol
// rule: while the Protocol box is ticked, a write leaves out the protocol columns that do not
// belong to the chosen protocol (by its position in the Protocol list).
#pragma once

#include "ProtocolColumns.h"
#include "RuleEditorForm.h"

#include <span>

namespace qs {

class IPv4RuleForm : public RuleEditorForm {
public:
    // The columns both tables open with; each dialog numbers its own from kFirstOwnColumn on.
    enum LeadingColumn {
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
        kFirstOwnColumn
    };

    // protocolColumns: by the protocol's position, the columns that do not belong to it.
    IPv4RuleForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                 const RuleEditorRules& rules, std::span<const ProtocolColumns> protocolColumns);

    void FormCreate() { Open(); }
    void GetButtonClick() { RefreshClick(); }
    void ListView1Click() { RowClick(); }
    void AddButtonClick() { AddClick(); }
    void EditButtonClick() { EditClick(); }
    void DeleteButtonClick() { DeleteClick(); }
    void CheckButtonClick() { CheckAll(true); }
    void UncheckButtonClick() { CheckAll(false); }

protected:
    // Both key edits filled; otherwise the empty one's message, its focus and false.
    bool RuleKeysSet();
    void ExcludeColumns(AccessMarks& marks, Write write) override;

private:
    std::span<const ProtocolColumns> protocolColumns_;
};

// The options of both dialogs' Protocol column.
extern const QsOption IPv4RuleProtocolOptions[];

} // namespace qs
