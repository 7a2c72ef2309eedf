// TMLD_SnoopingRouterPortsForm: the static, dynamic and forbidden router ports of MLD snooping
// per VLAN.
#pragma once

#include "RouterPortsForm.h"

class TMLD_SnoopingRouterPortsForm : public qs::RouterPortsForm {
public:
    explicit TMLD_SnoopingRouterPortsForm(TComponent* owner);
};

extern TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm;
