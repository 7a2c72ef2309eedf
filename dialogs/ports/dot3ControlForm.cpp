#include "dot3ControlForm.h"

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {

const QsSNMPVarDesc ControlPortVars[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", SYN_BITSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc ControlCounterVars[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const qs::FlowControlConfig& ControlConfig() {
    static const qs::FlowControlConfig config{
        "dot3ControlForm",  "dot3 Control Table",        ControlPortVars,
        ControlCounterVars, {"Recived Unknown Opcodes"}, false};
    return config;
}

} // namespace

Tdot3ControlForm::Tdot3ControlForm(TComponent* owner) : FlowControlForm(owner, ControlConfig()) {}
