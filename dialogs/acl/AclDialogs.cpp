#include "AclDialogs.h"

#include "Cpuethernetinformationformunit.h"
#include "DialogEntry.h"
#include "Ethernetmaskinformationformunit.h"

namespace qs {

void RegisterAclDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TEthernetMaskInformationForm",
                      DialogEntry<TEthernetMaskInformationForm>(&EthernetMaskInformationForm));
    registry.Register("TCPUEthernetInformationForm",
                      DialogEntry<TCPUEthernetInformationForm>(&CPUEthernetInformationForm));
}

} // namespace qs
