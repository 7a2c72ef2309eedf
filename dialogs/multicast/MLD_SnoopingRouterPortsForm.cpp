#include "MLD_SnoopingRouterPortsForm.h"

TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm = nullptr;

namespace {

const QsSNMPVarDesc MldRouterPortVars[] = {
    {"1.3.6.1.4.1.58613.12.34.3.4.1.1", "Router Ports VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.34.3.4.1.2", "Router Static Port List", SYN_BITSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.34.3.4.1.3", "Dynamic Port List", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.34.3.4.1.4", "Router Forbidden Port List", SYN_BITSTR, ACC_READWRITE},
    {nullptr},
};

const qs::RouterPortsConfig kMldConfig{"MLD_SnoopingRouterPortsForm",
                                       "MLD Snooping Router Ports Form",
                                       MldRouterPortVars,
                                       "VLAN ID",
                                       "btnClose",
                                       true};

} // namespace

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(TComponent* owner)
    : RouterPortsForm(owner, kMldConfig) {}
