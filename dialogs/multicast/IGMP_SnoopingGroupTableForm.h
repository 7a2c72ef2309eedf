// TIGMP_SnoopingGroupTableForm: the IPv4 multicast groups IGMP snooping has learned per VLAN and
// source, with their include, exclude and router ports and their times.
#pragma once

#include "SnoopingGroupForm.h"

class TIGMP_SnoopingGroupTableForm : public qs::SnoopingGroupForm {
public:
    explicit TIGMP_SnoopingGroupTableForm(TComponent* owner);
};

extern TIGMP_SnoopingGroupTableForm* IGMP_SnoopingGroupTableForm;
