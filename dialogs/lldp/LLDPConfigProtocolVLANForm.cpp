#include "LLDPConfigProtocolVLANForm.h"

#include "SharedOptions.h"

TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm = nullptr;

namespace {

const QsSNMPVarDesc* ProtocolVlanTxVars() {
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
        {kIndexOid, "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {nullptr},
    };
    return table;
}

const qs::LldpDot1TxSetup& ProtocolVlanTxSetup() {
    static const qs::LldpDot1TxSetup setup{"LLDPConfigProtocolVLANForm", "Configuration Protocol VLAN Table",
                                           ProtocolVlanTxVars(),         "VLAN ID",
                                           "Protocol VLAN TX",           true};
    return setup;
}

} // namespace

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(TComponent* owner)
    : LldpDot1TxForm(owner, ProtocolVlanTxSetup()) {}
