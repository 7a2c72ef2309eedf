#include "dot3PauseForm.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {

const QsOption PauseModeOptions[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {}};

const QsSNMPVarDesc* PausePortVars() {
    static const QsOptionList modes(PauseModeOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.10.7.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", SYN_INTEGER, ACC_READWRITE, &modes},
        {"1.3.6.1.2.1.10.7.10.1.2", "Operate Mode", SYN_INTEGER, ACC_READONLY, &modes},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc PauseCounterVars[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const qs::FlowControlConfig& PauseConfig() {
    static const qs::FlowControlConfig config{"dot3PauseForm",
                                              "dot3PauseForm",
                                              PausePortVars(),
                                              PauseCounterVars,
                                              {"In Pause Frame", "Out Pause Frame"},
                                              true};
    return config;
}

} // namespace

Tdot3PauseForm::Tdot3PauseForm(TComponent* owner) : FlowControlForm(owner, PauseConfig()) {}
