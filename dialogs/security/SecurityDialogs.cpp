#include "SecurityDialogs.h"

#include "Arpconfig.h"
#include "Arpspoofingpreventmgmtformunit.h"
#include "DialogEntry.h"
#include "Filterdhcppermitformunit.h"
#include "Ipmacbindingformunit.h"
#include "Loginmethodlistunit.h"
#include "Serverinfounit.h"
#include "Sshuserctrllistunit.h"
#include "Sslcertificatefileunit.h"
#include "Sslmanagementtable.h"
#include "Tacacsservercontrolunit.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TARPConfigForm", DialogEntry<TARPConfigForm>(&ARPConfigForm));
    registry.Register("TIPMACBindingForm", DialogEntry<TIPMACBindingForm>(&IPMACBindingForm));
    registry.Register("TFilterDHCPPermitForm", DialogEntry<TFilterDHCPPermitForm>(nullptr));
    registry.Register("TARPSpoofingPreventMgmtForm",
                      DialogEntry<TARPSpoofingPreventMgmtForm>(&ARPSpoofingPreventMgmtForm));
    registry.Register("TServerInformationForm", DialogEntry<TServerInformationForm>(&ServerInformationForm));
    registry.Register("TAAASrvCtrlForm", DialogEntry<TAAASrvCtrlForm>(&AAASrvCtrlForm));
    DialogClassEntry methodLists = DialogEntry<TLoginMethodListForm>(&LoginMethodListForm);
    methodLists.create = [](DialogOwner owner, int mode) -> std::unique_ptr<CatalogueDialog> {
        return std::make_unique<FormDialog<TLoginMethodListForm>>(
            CreateForm<TLoginMethodListForm>(DialogOwnerComponent(owner), mode));
    };
    registry.Register("TLoginMethodListForm", std::move(methodLists));
    registry.Register("TSSHUserCtrlList", DialogEntry<TSSHUserCtrlList>(&SSHUserCtrlList));
    registry.Register("TSSLManagementForm", DialogEntry<TSSLManagementForm>(&SSLManagementForm));
    registry.Register("TCertificateFileForm", DialogEntry<TCertificateFileForm>(&CertificateFileForm));
}

} // namespace qs
