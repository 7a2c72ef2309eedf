#include "AclDialogs.h"

#include "CPUEthernetInformationForm.h"
#include "CPUEthernetInformationRuleForm.h"
#include "CPUFilterIPV6RuleForm.h"
#include "CPUIPMaskInformationForm.h"
#include "CPUIPRuleForm.h"
#include "CPUUserMaskInfoForm.h"
#include "CPUUserMaskRuleForm.h"
#include "DialogEntry.h"
#include "EthernetInformationRuleForm.h"
#include "EthernetMaskInformationForm.h"
#include "IPMaskInformationForm.h"
#include "IPRuleForm.h"
#include "IPv6MaskInfoForm.h"
#include "Ipv6RuleForm.h"
#include "PacketContentRuleForm.h"

namespace qs {

void RegisterAclDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TEthernetMaskInformationForm",
                      DialogEntry<TEthernetMaskInformationForm>(&EthernetMaskInformationForm));
    registry.Register("TCPUEthernetInformationForm",
                      DialogEntry<TCPUEthernetInformationForm>(&CPUEthernetInformationForm));
    registry.Register("TEthernetInformationRuleForm",
                      DialogEntry<TEthernetInformationRuleForm>(&EthernetInformationRuleForm));
    registry.Register("TCPUEthernetInformationRuleForm",
                      DialogEntry<TCPUEthernetInformationRuleForm>(&CPUEthernetInformationRuleForm));
    registry.Register("TIPMaskInformationForm", DialogEntry<TIPMaskInformationForm>(&IPMaskInformationForm));
    registry.Register("TCPUIPMaskInformationForm",
                      DialogEntry<TCPUIPMaskInformationForm>(&CPUIPMaskInformationForm));
    registry.Register("TIPRuleForm", DialogEntry<TIPRuleForm>(&IPRuleForm));
    registry.Register("TCPUIPRuleForm", DialogEntry<TCPUIPRuleForm>(&CPUIPRuleForm));
    registry.Register("TCPUUserMaskInfoForm", DialogEntry<TCPUUserMaskInfoForm>(&CPUUserMaskInfoForm));
    registry.Register("TCPUUserMaskRuleForm", DialogEntry<TCPUUserMaskRuleForm>(&CPUUserMaskRuleForm));
    registry.Register("TPacketContentRuleForm", DialogEntry<TPacketContentRuleForm>(&PacketContentRuleForm));
    registry.Register("TIPv6MaskInfoForm", DialogEntry<TIPv6MaskInfoForm>(&IPv6MaskInfoForm));
    registry.Register("TIpv6RuleForm", DialogEntry<TIpv6RuleForm>(&Ipv6RuleForm));
    registry.Register("TCPUFilterIPV6RuleForm", DialogEntry<TCPUFilterIPV6RuleForm>(&CPUFilterIPV6RuleForm));
}

} // namespace qs
