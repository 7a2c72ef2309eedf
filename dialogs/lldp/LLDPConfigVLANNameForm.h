// TLLDPConfigVLANNameForm: whether each port sends the VLAN name TLV of each VLAN, through the
// LLDP 802.1 transmit dialog.
#pragma once

#include "LldpDot1TxForm.h"

class TLLDPConfigVLANNameForm : public qs::LldpDot1TxForm {
public:
    explicit TLLDPConfigVLANNameForm(TComponent* owner);
};

extern TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm;
