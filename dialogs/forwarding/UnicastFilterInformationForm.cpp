#include "UnicastFilterInformationForm.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

const QsOption FilterStatusOptions[] = {{1, "other"}, {2, "invalid"}, {3, "permanent"}, {}};

const QsSNMPVarDesc* UnicastVars() {
    static const QsOptionList status(FilterStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "VLAN ID", SYN_GUAGE, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed To Go To", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &status},
        {nullptr},
    };
    return table;
}

const qs::StaticFilterConfig& UnicastConfig() {
    static const qs::StaticFilterConfig config{"UnicastFilterInformationForm",
                                               "UnicastFilterInformationForm",
                                               UnicastVars(),
                                               "LV_dot1qStaticUnicastEntry",
                                               "ED_UnicastVID",
                                               "Label8",
                                               "UnicastAddress",
                                               "Label9",
                                               "MAC  Address",
                                               "UStatus",
                                               "Label10",
                                               "ADDBtn",
                                               "DeleteBtn",
                                               "Allowed Ports",
                                               false};
    return config;
}

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(TComponent* owner)
    : StaticFilterForm(owner, UnicastConfig()) {}
