// TLLDPRemoteForm: the LLDP neighbours the device has learned, with their capabilities as names,
// read only.
#pragma once

#include "LldpBitsTableForm.h"

class TLLDPRemoteForm : public qs::LldpBitsTableForm {
public:
    explicit TLLDPRemoteForm(TComponent* owner);
};

extern TLLDPRemoteForm* LLDPRemoteForm;
