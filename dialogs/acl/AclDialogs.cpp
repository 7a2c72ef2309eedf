#include "AclDialogs.h"

#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "DialogEntry.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"

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
}

} // namespace qs
