// TLLDPPortConfigForm: the LLDP port configuration table (admin status, notification and the
// basic TLVs transmitted per port), through the LLDP port configuration dialog.
#pragma once

#include "LldpPortConfigForm.h"

class TLLDPPortConfigForm : public qs::LldpPortConfigForm {
public:
    explicit TLLDPPortConfigForm(TComponent* owner);
};

extern TLLDPPortConfigForm* LLDPPortConfigForm;
extern qs::LldpTlvChoiceForm* LLDPPortConfigurationForm;
