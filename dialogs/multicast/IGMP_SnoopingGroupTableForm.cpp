#include "IGMP_SnoopingGroupTableForm.h"

TIGMP_SnoopingGroupTableForm* IGMP_SnoopingGroupTableForm = nullptr;

namespace {

const QsSNMPVarDesc IgmpGroupVars[] = {
    {kIndexOid, "VID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.1", "SrcAddr", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.2", "GrpAddr", SYN_IPADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.3", "Include Member Ports", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.4", "Exclude Member Ports", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.5", "Router Ports", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.6", "Up Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.7", "Expiry Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.73.2.1.2.1.8", "Report Count", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const qs::SnoopingGroupConfig& IgmpConfig() {
    static const qs::SnoopingGroupConfig config{
        "IGMP_SnoopingGroupTableForm",
        "IGMP Snooping Group Table",
        IgmpGroupVars,
        MVT_FMV,
        {{"stVlanID", "Label1", "VID", 0, nullptr, 96},
         {"stGroupAddress", "Label2", "Group Address", 2, nullptr, 96},
         {"stSourceAddress", "Label3", "Source Address", 1, nullptr, 96},
         {"InputUpTime", "Label4", "Up Time", 6, nullptr, 96},
         {"InputExpiryTime", "Label5", "Expiry Time", 7, nullptr, 96},
         {"txtReportCount", "lblReportCount", "Report Count", 8, nullptr, 96}},
        {{"tbsInclude", "Include Ports", "ScrollBox1", 3},
         {"tbsExculude", "Exclude Ports", "ScrollBox2", 4},
         {"tsRouterPorts", "Router Ports", "scrlbx3", 5}},
        32,
        "btn_Close",
        true};
    return config;
}

} // namespace

TIGMP_SnoopingGroupTableForm::TIGMP_SnoopingGroupTableForm(TComponent* owner)
    : SnoopingGroupForm(owner, IgmpConfig()) {}
