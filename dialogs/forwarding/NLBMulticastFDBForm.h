// TNLBMulticastFDBForm: the device's NLB multicast forwarding entries, through the NLB forwarding
// dialog.
#pragma once

#include "NlbFdbForm.h"

class TNLBMulticastFDBForm : public qs::NlbFdbForm {
public:
    explicit TNLBMulticastFDBForm(TComponent* owner);
};

extern TNLBMulticastFDBForm* NLBMulticastFDBForm;
