// TLLDPDot3LinkAggForm: the 802.3 link-aggregation state the device advertises for each port,
// read only.
#pragma once

#include "LldpBitsTableForm.h"

class TLLDPDot3LinkAggForm : public qs::LldpBitsTableForm {
public:
    explicit TLLDPDot3LinkAggForm(TComponent* owner);
};

extern TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm;
