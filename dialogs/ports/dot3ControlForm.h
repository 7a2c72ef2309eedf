// Tdot3ControlForm: the MAC-control functions each port supports (dot3ControlTable), read only,
// and the selected port's count of MAC-control frames with unknown opcodes, polled at a chosen
// interval.
#pragma once

#include "FlowControlForm.h"

class Tdot3ControlForm : public qs::FlowControlForm {
public:
    explicit Tdot3ControlForm(TComponent* owner);
};

extern Tdot3ControlForm* dot3ControlForm;
