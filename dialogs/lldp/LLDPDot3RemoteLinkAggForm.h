// TLLDPDot3RemoteLinkAggForm: the 802.3 link-aggregation state each LLDP neighbour advertised,
// read only.
#pragma once

#include "LldpBitsTableForm.h"

class TLLDPDot3RemoteLinkAggForm : public qs::LldpBitsTableForm {
public:
    explicit TLLDPDot3RemoteLinkAggForm(TComponent* owner);
};

extern TLLDPDot3RemoteLinkAggForm* LLDPDot3RemoteLinkAggForm;
