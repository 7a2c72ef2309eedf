// TNLBUnicastFDBForm: the device's NLB unicast forwarding entries, through the NLB forwarding
// dialog.
#pragma once

#include "NlbFdbForm.h"

class TNLBUnicastFDBForm : public qs::NlbFdbForm {
public:
    explicit TNLBUnicastFDBForm(TComponent* owner);
};

extern TNLBUnicastFDBForm* NLBUnicastFDBForm;
