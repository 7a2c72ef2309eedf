// TLLDPDot3PortConfigForm: which 802.3 TLVs each port transmits in its LLDP frames, through the
// LLDP port configuration dialog.
#pragma once

#include "LldpPortConfigForm.h"

class TLLDPDot3PortConfigForm : public qs::LldpPortConfigForm {
public:
    explicit TLLDPDot3PortConfigForm(TComponent* owner);
};

extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
extern qs::LldpTlvChoiceForm* LLDPDot3PortConfigurationForm;
