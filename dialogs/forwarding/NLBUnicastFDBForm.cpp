#include "NLBUnicastFDBForm.h"

#include "SharedOptions.h"

TNLBUnicastFDBForm* NLBUnicastFDBForm = nullptr;

namespace {

const QsSNMPVarDesc* NlbUnicastVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.77.3.1.1.1", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.77.3.1.1.2", "Egress Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.77.3.1.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

const qs::NlbFdbConfig& UnicastConfig() {
    static const qs::NlbFdbConfig config{
        "NLBUnicastFDBForm", "NLBUnicastFDBForm", NlbUnicastVars(),           false,
        "ED_UnicastVID",     "UnicastAddress",    "Please Input MAC Address!"};
    return config;
}

} // namespace

TNLBUnicastFDBForm::TNLBUnicastFDBForm(TComponent* owner) : NlbFdbForm(owner, UnicastConfig()) {}
