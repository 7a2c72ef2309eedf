#include "LLDPConfigProtocolForm.h"

#include "SharedOptions.h"

TLLDPConfigProtocolForm* LLDPConfigProtocolForm = nullptr;

namespace {

const QsSNMPVarDesc* ProtocolTxVars() {
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
        {kIndexOid, "Protocol Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {nullptr},
    };
    return table;
}

const qs::LldpDot1TxSetup& ProtocolTxSetup() {
    static const qs::LldpDot1TxSetup setup{"LLDPConfigProtocolForm",
                                           "Configuration Protocol Table",
                                           ProtocolTxVars(),
                                           "Index",
                                           "Protocol TX",
                                           false};
    return setup;
}

} // namespace

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(TComponent* owner)
    : LldpDot1TxForm(owner, ProtocolTxSetup()) {}
