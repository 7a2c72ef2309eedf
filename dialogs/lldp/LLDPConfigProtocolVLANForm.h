// TLLDPConfigProtocolVLANForm: whether each port sends the port-and-protocol VLAN TLV of each
// VLAN, through the LLDP 802.1 transmit dialog.
#pragma once

#include "LldpDot1TxForm.h"

class TLLDPConfigProtocolVLANForm : public qs::LldpDot1TxForm {
public:
    explicit TLLDPConfigProtocolVLANForm(TComponent* owner);
};

extern TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm;
