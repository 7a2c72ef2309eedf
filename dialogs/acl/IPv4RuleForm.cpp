#include "IPv4RuleForm.h"

namespace qs {

const QsOption IPv4RuleProtocolOptions[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                            {5, "udp"},  {6, "protocolId"}, {}};

IPv4RuleForm::IPv4RuleForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                           const RuleEditorRules& rules, std::span<const ProtocolColumns> protocolColumns)
    : RuleEditorForm(owner, layout, fields, rules), protocolColumns_(protocolColumns) {}

bool IPv4RuleForm::RuleKeysSet() {
    return KeysSet("IP Rule ID must be set.", "IP Rule Access ID must be set.");
}

void IPv4RuleForm::ExcludeColumns(AccessMarks& marks, Write) {
    if (Ticked(kProtocol)) {
        ExcludeProtocolColumns(marks, protocolColumns_, PositionOf(kProtocol));
    }
}

} // namespace qs
