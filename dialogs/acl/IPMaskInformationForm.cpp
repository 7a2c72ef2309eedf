#include "IPMaskInformationForm.h"

#include "ComboBox.h"
#include "SharedOptions.h"

TIPMaskInformationForm* IPMaskInformationForm = nullptr;

namespace {

using qs::RuleField;
using M = qs::IPMaskForm;

#define IP_MASK "1.3.6.1.4.1.58613.12.9.2.2.1."

// Column 16 holds the protocol ID's mask although it is captioned "Profile ID Mask"; the VLAN
// Mask (.24) stands before Row Status (.19), so a SET sends it first.
const RuleField kIPMaskFields[] = {
    {IP_MASK "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IPIDEdit", "%i{n1x512l3}", nullptr,
     "Profile ID", 0, 0},
    {IP_MASK "2", "Use VLAN", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "UseVLANComboBox", nullptr,
     nullptr, "Use VLAN", 0, 0},
    {IP_MASK "3", "Address Mask State", SYN_INTEGER, ACC_READWRITE, qs::IPAddressMaskStateOptions,
     "IpAddMaskStateComboBox", nullptr, nullptr, "IP Address Mask State", 0, 0},
    {IP_MASK "4", "Source IP Address Mask", SYN_IPADDRESS, ACC_READWRITE, nullptr, "IpAddMaskSrcEdit", "%s",
     nullptr, "IP Address Mask Source", 0, 0},
    {IP_MASK "5", "Destination IP Address Mask", SYN_IPADDRESS, ACC_READWRITE, nullptr, "IpAddMaskDstEdit",
     "%s", nullptr, "IP Address Mask Destination", 0, 0},
    {IP_MASK "6", "Use DSCP", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "UseDSCPComBo", nullptr,
     nullptr, "Use DSCP", 0, 0},
    {IP_MASK "7", "Use Protocol Type", SYN_INTEGER, ACC_READWRITE, qs::ProtocolTypeOptions, "UseProTypeComBo",
     nullptr, nullptr, "Use Protocol Type", 0, 0},
    {IP_MASK "8", "ICMP Option", SYN_INTEGER, ACC_READWRITE, qs::IcmpOptionOptions, "cbb_icmp", nullptr,
     nullptr, "ICMP Option", 0, 0},
    {IP_MASK "9", "IGMP Option", SYN_INTEGER, ACC_READWRITE, EnableDisableOptions, "cbb_igmp", nullptr,
     nullptr, "IGMP Option", 1, 0},
    {IP_MASK "10", "TCP Option", SYN_INTEGER, ACC_READWRITE, qs::PortOptionOptions, "TCPOptionComBo", nullptr,
     nullptr, "TCP Option", 0, 0},
    {IP_MASK "11", "UDP Option", SYN_INTEGER, ACC_READWRITE, qs::PortOptionOptions, "UDPOptionComBo", nullptr,
     nullptr, "UDP Option", 0, 0},
    {IP_MASK "12", "TCP or UDP Source Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "TCPUDPSrcMaskEdit",
     "%s", nullptr, "TCP or UDP Source Port Mask", 1, 0},
    {IP_MASK "13", "TCP or UDP Destination Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr,
     "TCPUDPDstPortMaskEdit", "%s", nullptr, "TCP or UDP Destination Port Mask", 1, 0},
    {IP_MASK "14", "TCP Flag Bit", SYN_INTEGER, ACC_READWRITE, EnableDisableOptions, "TCPFlagBitOptionComBo",
     nullptr, nullptr, "TCP Flag Bit Option", 1, 0},
    {IP_MASK "15", "TCP Flag Bit Mask", SYN_INTEGER, ACC_READWRITE, nullptr, "TCPFlagBitMaskEdit", "%i",
     nullptr, "TCP Flag Bit Mask (0-63)", 1, 0},
    {IP_MASK "16", "Protocol ID Option", SYN_INTEGER, ACC_READWRITE, EnableDisableOptions, "ProOptionComBo",
     nullptr, nullptr, "Protocol ID Option", 1, 0},
    {IP_MASK "17", "Profile ID Mask", SYN_INTEGER, ACC_READWRITE, nullptr, "ProIDMaskEdit", "%s", nullptr,
     "Protocol ID  Mask (0-255)", 1, 0},
    {IP_MASK "24", "VLAN Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_VLANMask", "%h{l4f}", nullptr,
     "VLAN Mask", 1, 0},
    {IP_MASK "19", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowStatusComBo", nullptr,
     nullptr, "Row Status", 1, 0},
};

#undef IP_MASK

const qs::RuleButton kButtons[] = {
    {"BT_Get", "Refresh", qs::ButtonRole::Refresh, true},
    {"BT_Add", "Add", qs::ButtonRole::Add, true},
    {"Button1", "Stop", qs::ButtonRole::Stop, true},
    {"BT_Delete", "Delete", qs::ButtonRole::Delete, true},
    {"btn_Close", "Close", qs::ButtonRole::Close, true},
    {"SetBtn", "Set", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"IPMaskInformationForm",
                                   "IP Mask Information Form",
                                   kButtons,
                                   "ST_Count",
                                   "0",
                                   qs::PickerPlace::None,
                                   120};

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = M::kRowStatus,
    .deleteKind = qs::RowDelete::Shared,
    .addActive = qs::ActiveFlag::Set,
    .duplicateMessage = "There is already a record with the same IP Mask ID. Please modified it.",
    .rowStatusMessage = "Row Status must be createAndGo.",
};

} // namespace

TIPMaskInformationForm::TIPMaskInformationForm(TComponent* owner)
    : IPMaskForm(owner, kLayout, kIPMaskFields, kRules, false) {}

void TIPMaskInformationForm::InitialSelections() {
    const std::pair<int, int> positions[] = {{kAddressState, 0},     {kUseDscp, 1},    {kProtocolType, 0},
                                             {kUseVlan, 0},          {kIcmpOption, 0}, {kIgmpOption, 1},
                                             {kTcpOption, 0},        {kUdpOption, 0},  {kTcpFlagBit, 1},
                                             {kProtocolIdOption, 1}, {kRowStatus, 0}};
    for (const auto& [column, position] : positions) {
        ComboOf(column)->SetItemIndex(position);
    }
}
