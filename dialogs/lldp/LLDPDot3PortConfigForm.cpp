#include "LLDPDot3PortConfigForm.h"

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;
qs::LldpTlvChoiceForm* LLDPDot3PortConfigurationForm = nullptr;

namespace {

const QsSNMPVarDesc Dot3PortConfigVars[] = {
    {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", SYN_OCTETSTR, ACC_READWRITE},
    {nullptr},
};

// The power-via-MDI box is never shown: the sub-form keeps that TLV as the edit names it.
const qs::LldpPortConfigSetup& Dot3PortConfigSetup() {
    static const qs::LldpPortConfigSetup setup{
        "LLDPDot3PortConfigForm",
        "LLDP Dot3 Port Configuration Form",
        Dot3PortConfigVars,
        QSize(700, 440),
        false,
        1,
        &qs::Dot3TlvNames,
        "Button1",
        "LLDPDot3PortConfigurationForm",
        "LLDP Dot3 Port Configuration Table Setting: ",
        {"macPhyConfigStatuscbx", "powerViaMDIcbx", "linkAggregationcbx", "maxFrameSizecbx"},
        1,
        &LLDPDot3PortConfigurationForm,
    };
    return setup;
}

} // namespace

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(TComponent* owner)
    : LldpPortTlvForm(owner, Dot3PortConfigSetup()) {}
