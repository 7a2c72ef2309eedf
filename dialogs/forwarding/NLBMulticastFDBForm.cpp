#include "NLBMulticastFDBForm.h"

#include "SharedOptions.h"

TNLBMulticastFDBForm* NLBMulticastFDBForm = nullptr;

namespace {

const QsSNMPVarDesc* NlbMulticastVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.77.3.2.1.1", "VLAN Index", SYN_GUAGE, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.77.3.2.1.2", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.77.3.2.1.3", "Egress Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.77.3.2.1.4", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

const qs::NlbFdbConfig& MulticastConfig() {
    static const qs::NlbFdbConfig config{"NLBMulticastFDBForm",
                                         "NLBMulticastFDBForm",
                                         NlbMulticastVars(),
                                         true,
                                         "ED_MulticastVID",
                                         "MulticastAddress",
                                         "Please Input VLAN ID and MAC Address!"};
    return config;
}

} // namespace

TNLBMulticastFDBForm::TNLBMulticastFDBForm(TComponent* owner) : NlbFdbForm(owner, MulticastConfig()) {}
