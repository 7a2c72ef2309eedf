#include "SecurityDialogs.h"

#include "Bootctrltableformunit.h"
#include "Bulwarkctrlformunit.h"
#include "Cosbrandctrltable.h"
#include "DialogEntry.h"
#include "Ipv6staticrouteunit.h"
#include "Mbacontrolunit.h"
#include "Msinfortable.h"
#include "Portsercuritydeleteformunit.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TBulwarkCtrlForm", DialogEntry<TBulwarkCtrlForm>(&BulwarkCtrlForm));
    registry.Register("TMSInformationForm", DialogEntry<TMSInformationForm>(&MSInformationForm));
    registry.Register("TCoSBrandwidthctrlForm", DialogEntry<TCoSBrandwidthctrlForm>(&CoSBrandwidthctrlForm));
    registry.Register("TIpv6StaticRouteForm", DialogEntry<TIpv6StaticRouteForm>(&Ipv6StaticRouteForm));
    registry.Register("TBOOTCtrlTableForm", DialogEntry<TBOOTCtrlTableForm>(&BOOTCtrlTableForm));
    registry.Register("TMBAControlForm", DialogEntry<TMBAControlForm>(&MBAControlForm));
    registry.Register("TPrtSecDelCtrlForm", DialogEntry<TPrtSecDelCtrlForm>(&PrtSecDelCtrlForm));
}

} // namespace qs
