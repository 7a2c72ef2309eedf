#include "CPUIPMaskInformationForm.h"

#include "SharedOptions.h"

TCPUIPMaskInformationForm* CPUIPMaskInformationForm = nullptr;

namespace {

using qs::RuleField;
using M = qs::IPMaskForm;

// These lists start with their "disabled" entry (value 2), so that is where a reset puts them.
const QsOption DisabledFirstOptions[] = {{2, "disabled"}, {1, "enabled"}, {}};
const QsOption DisableFirstOptions[] = {{2, "disable"}, {1, "enable"}, {}};

#define CPU_IP_MASK "1.3.6.1.4.1.58613.12.9.4.2.1."

const RuleField kCpuIPMaskFields[] = {
    {CPU_IP_MASK "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IPIDEdit", "%i{n1x3}", nullptr,
     "Profile ID", 0, 0},
    {CPU_IP_MASK "2", "Use VLAN", SYN_INTEGER, ACC_READWRITE, DisabledFirstOptions, "UseVlanComboBox",
     nullptr, nullptr, "Use VLAN", 0, 0},
    {CPU_IP_MASK "3", "IP Address Mask State", SYN_INTEGER, ACC_READWRITE, qs::IPAddressMaskStateOptions,
     "IpAddMaskStateComboBox", nullptr, nullptr, "IP Address Mask State", 0, 0},
    {CPU_IP_MASK "4", "IP Address Mask Source", SYN_IPADDRESS, ACC_READWRITE, nullptr, "IpAddMaskSrcEdit",
     "%s", nullptr, "IP Address Mask Source", 0, 0},
    {CPU_IP_MASK "5", "IP Address Mask Destination", SYN_IPADDRESS, ACC_READWRITE, nullptr,
     "IpAddMaskDstEdit", "%s", nullptr, "IP Address Mask Destination", 0, 0},
    {CPU_IP_MASK "6", "Use DSCP", SYN_INTEGER, ACC_READWRITE, DisabledFirstOptions, "UseDSCPComBo", nullptr,
     nullptr, "Use DSCP", 0, 0},
    {CPU_IP_MASK "7", "Use Protocol Type", SYN_INTEGER, ACC_READWRITE, qs::ProtocolTypeOptions,
     "UseProTypeComBo", nullptr, nullptr, "Use Protocol Type", 0, 0},
    {CPU_IP_MASK "8", "ICMP Option", SYN_INTEGER, ACC_READWRITE, qs::IcmpOptionOptions, "ICMPOpetionComboBo",
     nullptr, nullptr, "ICMP Option", 0, 0},
    {CPU_IP_MASK "9", "IGMP Option", SYN_INTEGER, ACC_READWRITE, DisableFirstOptions, "IGMPOpetionComboBo",
     nullptr, nullptr, "IGMP Option", 0, 0},
    {CPU_IP_MASK "10", "TCP Option", SYN_INTEGER, ACC_READWRITE, qs::PortOptionOptions, "TCPOptionComBo",
     nullptr, nullptr, "TCP Option", 0, 0},
    {CPU_IP_MASK "11", "UDP Option", SYN_INTEGER, ACC_READWRITE, qs::PortOptionOptions, "UDPOptionComBo",
     nullptr, nullptr, "UDP Option", 1, 0},
    {CPU_IP_MASK "12", "TCP or UDP Source Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr,
     "TCPUDPSrcMaskEdit", "%s", nullptr, "TCP or UDP Source Port Mask", 1, 0},
    {CPU_IP_MASK "13", "TCP or UDP Destination Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr,
     "TCPUDPDstPortMaskEdit", "%s", nullptr, "TCP or UDP Destination Port Mask", 1, 0},
    {CPU_IP_MASK "14", "TCP Flag Bit", SYN_INTEGER, ACC_READWRITE, DisableFirstOptions,
     "TCPFlagBitOptionComBo", nullptr, nullptr, "TCP Flag Bit Option", 1, 0},
    {CPU_IP_MASK "15", "TCP Flag Bit Mask", SYN_INTEGER, ACC_READWRITE, nullptr, "TCPFlagBitMaskEdit", "%i",
     nullptr, "TCP Flag Bit Mask (0-63)", 1, 0},
    {CPU_IP_MASK "16", "Protocol ID Option", SYN_INTEGER, ACC_READWRITE, DisableFirstOptions,
     "ProOptionComBo", nullptr, nullptr, "Protocol ID Option", 1, 0},
    {CPU_IP_MASK "17", "Protocol ID Mask", SYN_INTEGER, ACC_READWRITE, nullptr, "ProtoIDEdit", "%i", nullptr,
     "Proto ID Mask (0-255)", 1, 0},
    {CPU_IP_MASK "18", "User Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "ProIDMaskEdit", "%s{l8}", nullptr,
     "User Mask", 1, 0},
    {CPU_IP_MASK "19", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowStatusComBo",
     nullptr, nullptr, "Row Status", 1, 0},
};

#undef CPU_IP_MASK

const qs::RuleButton kButtons[] = {
    {"BT_Get", "Refresh", qs::ButtonRole::Refresh, true},
    {"BT_Add", "Add", qs::ButtonRole::Add, true},
    {"BT_Delete", "Delete", qs::ButtonRole::Delete, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
    {"SetBtn", "Set", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"CPUIPMaskInformationForm",
                                   "IP Mask (CPU Interface Filtering)",
                                   kButtons,
                                   "StaticText1",
                                   "0",
                                   qs::PickerPlace::None,
                                   120};

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = M::kRowStatus,
    .deleteKind = qs::RowDelete::Shared,
    .comboReset = qs::ComboReset::FirstItem,
    .duplicateMessage = "There is already a record with the same IP Mask ID. Please modified it.",
    .rowStatusMessage = "Row Status must be createAndGo.",
};

} // namespace

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(TComponent* owner)
    : IPMaskForm(owner, kLayout, kCpuIPMaskFields, kRules, true) {}
