// TLLDPDot3PortConfigForm: which 802.3 TLVs each port transmits in its LLDP frames, through the
// LLDP port configuration dialog.
#pragma once

#include "LldpPortTlvForm.h"

class TLLDPDot3PortConfigForm : public qs::LldpPortTlvForm {
public:
    explicit TLLDPDot3PortConfigForm(TComponent* owner);
};

extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
extern qs::LldpTlvChoiceForm* LLDPDot3PortConfigurationForm;
