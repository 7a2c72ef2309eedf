// TIGMPRouterPortsForm: the static, dynamic and forbidden router ports of IGMP snooping per VLAN.
#pragma once

#include "RouterPortsForm.h"

class TIGMPRouterPortsForm : public qs::RouterPortsForm {
public:
    explicit TIGMPRouterPortsForm(TComponent* owner);
};

extern TIGMPRouterPortsForm* IGMPRouterPortsForm;
