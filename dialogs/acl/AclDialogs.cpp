#include "AclDialogs.h"

#include "Cpufilteripv6ruleunit.h"
#include "DialogEntry.h"
#include "Packetcontentruleunit.h"

namespace qs {

void RegisterAclDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TPacketContentRuleForm", DialogEntry<TPacketContentRuleForm>(&PacketContentRuleForm));
    registry.Register("TCPUFilterIPV6RuleForm", DialogEntry<TCPUFilterIPV6RuleForm>(&CPUFilterIPV6RuleForm));
}

} // namespace qs
