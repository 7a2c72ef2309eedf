#include "CPUEthernetInformationRuleForm.h"

#include "ComboBox.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TCPUEthernetInformationRuleForm;

#define CPU_ETH_RULE "1.3.6.1.4.1.58613.12.9.5.1.1."

const RuleField kCpuEthernetRuleFields[] = {
    {CPU_ETH_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "MaskIDEdit", "%i{n1x3}", nullptr,
     "Profile ID", 0, 0},
    {CPU_ETH_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "AccessEdit", "%i{n1x5}", nullptr,
     "Access ID", 0, 0},
    {CPU_ETH_RULE "3", "VLAN", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "VlanRuleEdit", "%s{l32}", "cbxVlan",
     "VLAN Rule", 0, 0},
    {CPU_ETH_RULE "4", "Rule Source MAC Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, "SourceMACEdit",
     "%s{l12}", "cbxSource", "Source MAC Address Rule", 0, 0},
    {CPU_ETH_RULE "5", "Rule Destination MAC Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, "DestMACEdit",
     "%s{l12}", "cbxDestination", "Destination MAC Address Rule", 0, 0},
    {CPU_ETH_RULE "6", "802.1p", SYN_INTEGER, ACC_READWRITE, nullptr, "IEEE8021pEdit", "%i{n0x7}",
     "cbxIEEE802dot1P", "802.1p Rule", 1, 0},
    {CPU_ETH_RULE "7", "Ethernet Type", SYN_OCTETSTR, ACC_READWRITE, nullptr, "EthTypeEdit", "%s{l4}",
     "cbxEtherType", "Ethernet Type Rule", 1, 0},
    {CPU_ETH_RULE "8", "Permit", SYN_INTEGER, ACC_READWRITE, qs::CpuRulePermitOptions, "PermitComboBox",
     nullptr, "cbxPermit", "Permit", 1, 0},
    {CPU_ETH_RULE "9", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowComboBox",
     nullptr, "cbxRow", "Row Status", 1, 0},
    {CPU_ETH_RULE "10", "Ports", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
     0},
};

#undef CPU_ETH_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"AddCheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"CleanCheButton", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"Button1", "Close", qs::ButtonRole::Close, true},
};

const qs::RuleEditorLayout kLayout{"CPUEthernetInformationRuleForm",
                                   "Ethernet Rule (CPU Interface Filtering)",
                                   kButtons,
                                   "StaticText1",
                                   "0",
                                   qs::PickerPlace::Tab,
                                   208};

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .uncheckOnReset = true,
    .duplicateMessage =
        "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
};

constexpr int kTickedOrder[] = {R::kVlan,      R::kSourceMac, R::kDestinationMac, R::k8021p,
                                R::kEtherType, R::kPermit,    R::kRowStatus};

} // namespace

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(TComponent* owner)
    : RuleEditorForm(owner, kLayout, kCpuEthernetRuleFields, kRules) {}

void TCPUEthernetInformationRuleForm::InitialSelections() {
    ComboOf(kPermit)->SetItemIndex(1);
    ComboOf(kRowStatus)->SetItemIndex(1);
}

bool TCPUEthernetInformationRuleForm::ValidateEditors() {
    if (!KeysSet("Mask ID must be set.", "Access ID must be set.") ||
        !TickedNotEmpty(kTickedOrder, QStringLiteral("Some check field is empty"))) {
        return false;
    }
    return (!Ticked(kSourceMac) || MacOrRefuse(kSourceMac, "Invalid MAC Address")) &&
           (!Ticked(kDestinationMac) || MacOrRefuse(kDestinationMac, "Invalid MAC Address")) &&
           (!Ticked(kEtherType) || HexOrRefuse(kEtherType, 4, "Invalid Ethernet Type"));
}
