// TMLD_SnoopingGroupForm: the IPv6 multicast groups MLD snooping has learned per VLAN and
// source, with their include and exclude ports. The addresses are shown as 32 hex digits.
#pragma once

#include "SnoopingGroupForm.h"

class TMLD_SnoopingGroupForm : public qs::SnoopingGroupForm {
public:
    explicit TMLD_SnoopingGroupForm(TComponent* owner);
};

extern TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm;
