// TLLDPConfigProtocolForm: whether each port sends the protocol identity TLV of each protocol
// index, through the LLDP 802.1 transmit dialog.
#pragma once

#include "LldpDot1TxForm.h"

class TLLDPConfigProtocolForm : public qs::LldpDot1TxForm {
public:
    explicit TLLDPConfigProtocolForm(TComponent* owner);
};

extern TLLDPConfigProtocolForm* LLDPConfigProtocolForm;
