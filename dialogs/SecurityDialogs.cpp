#include "SecurityDialogs.h"

#include "AAASrvCtrlForm.h"
#include "ARPConfigForm.h"
#include "ARPSpoofingPreventMgmtForm.h"
#include "BOOTCtrlTableForm.h"
#include "BulwarkCtrlForm.h"
#include "CertificateFileForm.h"
#include "CoSBrandwidthctrlForm.h"
#include "CurrentTimeForm.h"
#include "DialogEntry.h"
#include "FilterDHCPPermitForm.h"
#include "IPMACBindingForm.h"
#include "Ipv6StaticRouteForm.h"
#include "LoginMethodListForm.h"
#include "MBAControlForm.h"
#include "MSInformationForm.h"
#include "PrtSecDelCtrlForm.h"
#include "SMTPControlForm.h"
#include "SSHUserCtrlList.h"
#include "SSLManagementForm.h"
#include "ServerInformationForm.h"
#include "SystemLogServerForm.h"
#include "TimeRangeForm.h"
#include "frmAgentSupportedUpdateFiles.h"
#include "frmNetwroktime.h"
#include "frmSummerTime.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
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
    registry.Register("TBulwarkCtrlForm", DialogEntry<TBulwarkCtrlForm>(&BulwarkCtrlForm));
    registry.Register("TMSInformationForm", DialogEntry<TMSInformationForm>(&MSInformationForm));
    registry.Register("TCoSBrandwidthctrlForm", DialogEntry<TCoSBrandwidthctrlForm>(&CoSBrandwidthctrlForm));
    registry.Register("TIpv6StaticRouteForm", DialogEntry<TIpv6StaticRouteForm>(&Ipv6StaticRouteForm));
    registry.Register("TBOOTCtrlTableForm", DialogEntry<TBOOTCtrlTableForm>(&BOOTCtrlTableForm));
    registry.Register("TMBAControlForm", DialogEntry<TMBAControlForm>(&MBAControlForm));
    registry.Register("TPrtSecDelCtrlForm", DialogEntry<TPrtSecDelCtrlForm>(&PrtSecDelCtrlForm));
    registry.Register("TCurrentTimeForm", DialogEntry<TCurrentTimeForm>(&CurrentTimeForm));
    registry.Register("TfrmNetwroktime", DialogEntry<TfrmNetwroktime>(&frmNetwroktime));
    registry.Register("TfrmSummerTime", DialogEntry<TfrmSummerTime>(&frmSummerTime));
    registry.Register("TSystemLogServerForm", DialogEntry<TSystemLogServerForm>(&SystemLogServerForm));
    registry.Register("TSMTPControlForm", DialogEntry<TSMTPControlForm>(&SMTPControlForm));
    registry.Register("TTimeRangeForm", DialogEntry<TTimeRangeForm>(&TimeRangeForm));
    registry.Register("TfrmAgentSupportedUpdateFiles",
                      DialogEntry<TfrmAgentSupportedUpdateFiles>(&frmAgentSupportedUpdateFiles));
}

} // namespace qs
