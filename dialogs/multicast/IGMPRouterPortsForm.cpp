#include "IGMPRouterPortsForm.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;

namespace {

const QsSNMPVarDesc IgmpRouterPortVars[] = {
    {kIndexOid, "VID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.3.1.4.1.5", "Static Router Ports", SYN_BITSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.73.3.1.4.1.10", "Dynamic Router Ports", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.3.1.4.1.15", "Forbidden Router Ports", SYN_BITSTR, ACC_READWRITE},
    {nullptr},
};

const qs::RouterPortsConfig kIgmpConfig{
    "IGMPRouterPortsForm", "IGMP Router Ports", IgmpRouterPortVars, "VID", "btn_Close", false};

} // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(TComponent* owner) : RouterPortsForm(owner, kIgmpConfig) {}
