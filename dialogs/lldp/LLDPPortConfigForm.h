// TLLDPPortConfigForm: the LLDP port configuration table (admin status, notification and the
// basic TLVs transmitted per port), through the LLDP port configuration dialog.
#pragma once

#include "LldpPortTlvForm.h"

class TLLDPPortConfigForm : public qs::LldpPortTlvForm {
public:
    explicit TLLDPPortConfigForm(TComponent* owner);
};

extern TLLDPPortConfigForm* LLDPPortConfigForm;
extern qs::LldpTlvChoiceForm* LLDPPortConfigurationForm;
