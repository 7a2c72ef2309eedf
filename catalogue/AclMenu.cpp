// The ACL, CPU Interface Filtering and Time Range menus: rule-entry counts, flow metering,
// counters, packet-content masks and offsets, the rule editors, and the time-range bindings.
#include "AclPages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kEthernetMaskDialog = {"TEthernetMaskInformationForm", "Ethernet Mask", Application,
                                           Untouched};
constexpr DialogDef kEthernetRuleDialog = {"TEthernetInformationRuleForm", "Ethernet Rule", Application};
constexpr DialogDef kIpMaskDialog = {"TIPMaskInformationForm", "IP Mask", Application, Untouched};
constexpr DialogDef kIpRuleDialog = {"TIPRuleForm", "IP Rule", Application};
constexpr DialogDef kPacketContentRuleDialog = {"TPacketContentRuleForm", "Packet Content Rule Table",
                                                Application};
constexpr DialogDef kIpv6MaskDialog = {"TIPv6MaskInfoForm", "IPv6 Mask Information", MainForm};
constexpr DialogDef kIpv6RuleDialog = {"TIpv6RuleForm", "IPv6 Rule", Application};

constexpr DialogDef kCpuEthernetMaskDialog = {
    "TCPUEthernetInformationForm", "Ethernet Mask (CPU Interface Filtering)", Application, Untouched};
constexpr DialogDef kCpuEthernetRuleDialog = {"TCPUEthernetInformationRuleForm",
                                              "Ethernet Rule (CPU Interface Filtering)", Application};
constexpr DialogDef kCpuIpMaskDialog = {"TCPUIPMaskInformationForm", "IP Mask (CPU Interface Filtering)",
                                        Application, Untouched};
constexpr DialogDef kCpuIpRuleDialog = {"TCPUIPRuleForm", "IP Rule (CPU Interface Filtering)", Application,
                                        Untouched};
constexpr DialogDef kCpuPacketContentMaskDialog = {
    "TCPUUserMaskInfoForm", "Packet Content Mask (CPU Interface Filtering)", Application};
constexpr DialogDef kCpuPacketContentRuleDialog = {
    "TCPUUserMaskRuleForm", "Packet Content Rule (CPU Interface Filtering)", Application};
constexpr DialogDef kCpuIpv6RuleDialog = {"TCPUFilterIPV6RuleForm", "IPv6 Rule (CPU Interface Filtering)",
                                          MainForm};

constexpr DialogDef kTimeRangeDialog = {"TTimeRangeForm", "Time Range", Application};

// The submenu's own command does nothing.
constexpr MenuEntry kPacketContentRule[] = {
    DialogItem("Control Table", "PacketContentRuleManagement1", kPacketContentRuleDialog),
    PageItem("Offsets Table", "PacketContentRuleOffsets1", PacketContentRuleOffsetsPage),
};

constexpr MenuEntry kAcl[] = {
    PageItem("ACL Information", "ACLControl1", AclInformationPage),
    PageItem("Flow Meter Table", "MeterTable1", AclMeterTablePage),
    PageItem("Metering Information", "MeteringInformation1", AclMeteringInfoPage),
    PageItem("Counter Table", "CounterTable1", AclCounterTablePage),
    PageItem("ACL Mask Delete All State", "ACLMaskDeleteAllState1", AclMaskDeleteAllPage),
    DialogItem("Ethernet Mask ", "EthernetMask1", kEthernetMaskDialog),
    DialogItem("Ethernet Rule", "RuleOfEthernetInformation1", kEthernetRuleDialog),
    DialogItem("IP Mask", "IPMaskInformation1", kIpMaskDialog),
    DialogItem("IP Rule", "IPRule1", kIpRuleDialog),
    EmptyItem("Packet Content Rule", "PayloadRule1", kPacketContentRule),
    DialogItem("IPv6 Mask", "IPv6MaskInformation1", kIpv6MaskDialog),
    DialogItem("IPv6 Rule", "IPv6Rule1", kIpv6RuleDialog),
    PageItem("Packet Content Mask", "PayloadMaskInformation1", PacketContentMaskPage),
};

constexpr MenuEntry kCpuFilter[] = {
    PageItem("Global Settings", "CPUFilterControl1", CpuFilterControlPage),
    DialogItem("Ethernet Mask (CPU Interface Filtering)", "EthernetMaskCPUFilter1", kCpuEthernetMaskDialog),
    DialogItem("Ethernet Rule (CPU Interface Filtering)", "EthernetRuleCPUFilter1", kCpuEthernetRuleDialog),
    DialogItem("IP Mask (CPU Interface Filtering)", "IPMaskCPUFilter1", kCpuIpMaskDialog),
    DialogItem("IP Rule (CPU Interface Filtering)", "IPRuleCPUFilter1", kCpuIpRuleDialog),
    DialogItem("Packet Content Mask (CPU Interface Filtering)", "PacketContentMaskCPUFilter1",
               kCpuPacketContentMaskDialog),
    DialogItem("Packet Content Rule (CPU Interface Filtering)", "PacketContentRuleCPUFilter1",
               kCpuPacketContentRuleDialog),
    DialogItem("IPv6 Rule(CPU Interface Filtering)", "IPv6RuleCPUFilter1", kCpuIpv6RuleDialog),
    PageItem("IPv6 Mask(CPU Interface Filtering)", "IPv6maskCPUACLfilter1", CpuFilterIpv6MaskPage),
};

constexpr MenuEntry kTimeRange[] = {
    DialogItem("Time Range Management", "TimeRangeManagement1", kTimeRangeDialog),
    PageItem("ACL Table", "TimeRangeACLTable1", TimeRangeAclPage),
    PageItem("CPU ACL Table", "TimeRangeCPUACLTable1", TimeRangeCpuAclPage),
};

} // namespace

std::span<const MenuEntry> AclItems() {
    return kAcl;
}
std::span<const MenuEntry> CpuFilterItems() {
    return kCpuFilter;
}
std::span<const MenuEntry> TimeRangeItems() {
    return kTimeRange;
}

} // namespace qs
