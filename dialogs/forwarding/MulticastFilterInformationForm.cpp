#include "MulticastFilterInformationForm.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

const QsOption FilterStatusOptions[] = {{1, "other"}, {2, "invalid"}, {3, "permanent"}, {}};

const QsSNMPVarDesc* MulticastVars() {
    static const QsOptionList status(FilterStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "VLAN ID", SYN_GUAGE, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", SYN_MACADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &status},
        {nullptr},
    };
    return table;
}

const qs::StaticFilterConfig& MulticastConfig() {
    static const qs::StaticFilterConfig config{"MulticastFilterInformationForm",
                                               "Multicast Filter InformationForm",
                                               MulticastVars(),
                                               "LV_dot1qStaticMulticastEntry",
                                               "ED_MulticastVID",
                                               "Label11",
                                               "ED_MACAddress",
                                               "Label5",
                                               "MAC Address",
                                               "Status",
                                               "Label7",
                                               "AddBtn",
                                               "btnDelete",
                                               "Egress Ports",
                                               true};
    return config;
}

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(TComponent* owner)
    : StaticFilterForm(owner, MulticastConfig()) {}
