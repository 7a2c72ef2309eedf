// Tdot3PauseForm: each port's PAUSE admin and operating mode (dot3PauseTable), the admin mode
// settable, and the selected port's PAUSE frame counters, polled at a chosen interval.
#pragma once

#include "FlowControlForm.h"

class Tdot3PauseForm : public qs::FlowControlForm {
public:
    explicit Tdot3PauseForm(TComponent* owner);
};

extern Tdot3PauseForm* dot3PauseForm;
