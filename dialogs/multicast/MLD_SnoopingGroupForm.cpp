#include "MLD_SnoopingGroupForm.h"

TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm = nullptr;

namespace {

// The row instance is VLAN ID, group and source address, each address as 16 sub-identifiers.
const QsSNMPVarDesc MldGroupVars[] = {
    {"1.3.6.1.4.1.58613.12.34.3.5.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.34.3.5.1.2", "Group Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.34.3.5.1.3", "Source Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.34.3.5.1.4", "Include Port Map", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.34.3.5.1.5", "Exclude Port Map", SYN_BITSTR, ACC_READONLY},
    {nullptr},
};

const qs::SnoopingGroupConfig& MldConfig() {
    static const qs::SnoopingGroupConfig config{
        "MLD_SnoopingGroupForm",
        "MLD Snooping Group Information",
        MldGroupVars,
        MVT_UMV,
        {{"VIDEdit", "Label1", "VLAN ID", 0, "%i", 60},
         {"edtIPAddress", "Label2", "Group Address", 1, "%s{l32}", 270},
         {"edtMAC", "Label3", "Source Address", 2, "%s", 270}},
        {{"tbsExcludePort", "Exclude Port", "ScrollBox1", 4},
         {"tbsIncludePort", "Include Port", "ScrollBox2", 3}},
        64,
        "btn_close",
        false};
    return config;
}

} // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(TComponent* owner) : SnoopingGroupForm(owner, MldConfig()) {}
