#include "LLDPConfigVLANNameForm.h"

#include "SharedOptions.h"

TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm = nullptr;

namespace {

const QsSNMPVarDesc* VlanNameTxVars() {
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "Port Number", SYN_INTEGER, ACC_NOTACCESS},
        {kIndexOid, "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {nullptr},
    };
    return table;
}

const qs::LldpDot1TxSetup& VlanNameTxSetup() {
    static const qs::LldpDot1TxSetup setup{"LLDPConfigVLANNameForm", "Configuration VLAN Name Table",
                                           VlanNameTxVars(),         "VLAN ID",
                                           "VLAN Name TX",           true};
    return setup;
}

} // namespace

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(TComponent* owner)
    : LldpDot1TxForm(owner, VlanNameTxSetup()) {}
