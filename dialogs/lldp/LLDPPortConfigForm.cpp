#include "LLDPPortConfigForm.h"

#include "SharedOptions.h"

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;
qs::LldpTlvChoiceForm* LLDPPortConfigurationForm = nullptr;

namespace {

const QsOption AdminStatusOptions[] = {{1, "txOnly"}, {2, "rxOnly"}, {3, "txAndrx"}, {4, "disabled"}, {}};

const QsSNMPVarDesc* PortConfigVars() {
    static const QsOptionList adminStatus(AdminStatusOptions, OVT_INT);
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.1.6.1.2", "Administration State", SYN_INTEGER, ACC_READWRITE, &adminStatus},
        {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", SYN_OCTETSTR, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

const qs::LldpPortConfigSetup& PortConfigSetup() {
    static const qs::LldpPortConfigSetup setup{
        "LLDPPortConfigForm",
        "LLDP Port Configuration Form",
        PortConfigVars(),
        QSize(960, 440),
        true,
        3,
        &qs::PortTlvNames,
        "StopButton",
        "LLDPPortConfigurationForm",
        "Port Configuration Table Setting: ",
        {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"},
        -1,
        &LLDPPortConfigurationForm,
    };
    return setup;
}

} // namespace

TLLDPPortConfigForm::TLLDPPortConfigForm(TComponent* owner) : LldpPortTlvForm(owner, PortConfigSetup()) {}
