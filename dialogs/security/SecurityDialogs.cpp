#include "SecurityDialogs.h"

#include "Agentsupportedupdatefiles.h"
#include "Arpconfig.h"
#include "Arpspoofingpreventmgmtformunit.h"
#include "Bootctrltableformunit.h"
#include "Bulwarkctrlformunit.h"
#include "Cosbrandctrltable.h"
#include "Currenttime.h"
#include "DialogEntry.h"
#include "Filterdhcppermitformunit.h"
#include "Ipmacbindingformunit.h"
#include "Ipv6staticrouteunit.h"
#include "Loginmethodlistunit.h"
#include "Mbacontrolunit.h"
#include "Msinfortable.h"
#include "Networktimeunit.h"
#include "Portsercuritydeleteformunit.h"
#include "Serverinfounit.h"
#include "Smtpcontorlunit.h"
#include "Sshuserctrllistunit.h"
#include "Sslcertificatefileunit.h"
#include "Sslmanagementtable.h"
#include "Summertimeunit.h"
#include "Systemlogserverunit.h"
#include "Tacacsservercontrolunit.h"
#include "Timerangeformunit.h"

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
