#include "CPUIPRuleForm.h"

#include "AddressValidators.h"
#include "Edit.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

#include <array>

TCPUIPRuleForm* CPUIPRuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TCPUIPRuleForm;

#define CPU_IP_RULE "1.3.6.1.4.1.58613.12.9.5.2.1."

const RuleField kCpuIPRuleFields[] = {
    {CPU_IP_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IPRuleEdit", "%i{n1x3}", nullptr,
     "Profile ID", 0, 0},
    {CPU_IP_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "AccessIDEdit", "%i{n1x5}", nullptr,
     "Access ID", 0, 0},
    {CPU_IP_RULE "3", "VLAN", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "VLANEdit", "%s{l32}", "cbxVlan",
     "VLAN", 0, 0},
    {CPU_IP_RULE "4", "Source IP Address", SYN_IPADDRESS, ACC_READWRITE, nullptr, "SourceIPEdit", "%s{l16}",
     "cbxSourceIP", "Source IP Address", 0, 0},
    {CPU_IP_RULE "5", "Destination IP Address", SYN_IPADDRESS, ACC_READWRITE, nullptr, "DestIPEdit",
     "%s{l16}", "cbxDestIP", "Destination IP address", 0, 0},
    {CPU_IP_RULE "6", "DSCP", SYN_INTEGER, ACC_READWRITE, nullptr, "DSCPEdit", "%i{n0x63l2}", "cbxDscp",
     "DSCP", 0, 0},
    {CPU_IP_RULE "7", "Protocol", SYN_INTEGER, ACC_READONLY, qs::IPv4RuleProtocolOptions, "ProtocolComboBox",
     nullptr, "cbxProtocol", "Protocol", 0, 0},
    {CPU_IP_RULE "8", "Type", SYN_INTEGER, ACC_READWRITE, nullptr, "TypeEdit", "%i{n0x255l3}", "cbxType",
     "Type", 0, 0},
    {CPU_IP_RULE "9", "Code", SYN_INTEGER, ACC_READWRITE, nullptr, "CodeEdit", "%i{n0x255l3}", "cbxCode",
     "Code", 1, 0},
    {CPU_IP_RULE "10", "Source Port", SYN_INTEGER, ACC_READWRITE, nullptr, "SourcePortEdit", "%i{n0x65535l5}",
     "cbxSourcePort", "Source Port", 1, 0},
    {CPU_IP_RULE "11", "Destination Port", SYN_INTEGER, ACC_READWRITE, nullptr, "DestPortEdit",
     "%i{n0x65535l5}", "cbxDestPort", "Destination Port", 1, 0},
    {CPU_IP_RULE "12", "Flag Bits", SYN_INTEGER, ACC_READWRITE, nullptr, "FlagEdit", "%i{n0x63l2}", "cbxFBs",
     "Flag Bits", 1, 0},
    {CPU_IP_RULE "13", "Protocol ID", SYN_INTEGER, ACC_READWRITE, nullptr, "ProtocolIDEdit", "%i{n0x255l3}",
     "cbxProtocolID", "Protocol ID", 1, 0},
    {CPU_IP_RULE "14", "User Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "UserMaskEdit", "%s", "cbxUserMask",
     "User Mask", 1, 0},
    {CPU_IP_RULE "15", "Permit", SYN_INTEGER, ACC_READWRITE, qs::CpuRulePermitOptions, "PermitComboBox",
     nullptr, "cbxPermit", "Permit", 1, 0},
    {CPU_IP_RULE "16", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowStatusComboBox",
     nullptr, "cbxRow", "Row Status", 1, 0},
    {CPU_IP_RULE "17", "Port", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0},
};

#undef CPU_IP_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"CheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"UncheckButton", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
};

const qs::RuleEditorLayout kLayout{"CPUIPRuleForm",
                                   "IP Rule (CPU Interface Filtering)",
                                   kButtons,
                                   "StaticText1",
                                   "0",
                                   qs::PickerPlace::Panel,
                                   150};

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .blocking = false,
    .deleteKind = qs::RowDelete::Shared,
    .comboReset = qs::ComboReset::FirstItem,
    .uncheckOnReset = true,
    .duplicateMessage =
        "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
};

// The protocol columns that do not belong to the chosen protocol (by its position).
const qs::ProtocolColumns kProtocolColumns[] = {
    {{R::kType, R::kCode, R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId, R::kUserMask}},
    {{R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId, R::kUserMask}},
    {{R::kType, R::kCode, R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId, R::kUserMask}},
    {{R::kType, R::kCode, R::kProtocolId, R::kUserMask}},
    {{R::kType, R::kCode, R::kFlagBits, R::kProtocolId, R::kUserMask}},
    {{R::kType, R::kCode, R::kSourcePort, R::kDestinationPort, R::kFlagBits}},
};

} // namespace

TCPUIPRuleForm::TCPUIPRuleForm(TComponent* owner)
    : IPv4RuleForm(owner, kLayout, kCpuIPRuleFields, kRules, kProtocolColumns) {}

bool TCPUIPRuleForm::ValidateEditors() {
    if (!RuleKeysSet()) {
        return false;
    }
    const QString empty = QStringLiteral("Some checked field is empty");
    for (int column = kVlan; column <= kRowStatus; ++column) {
        if (!TickedNotEmpty(std::array{column}, empty)) {
            return false;
        }
        if (!Ticked(column)) {
            continue;
        }
        if ((column == kSourceIp || column == kDestinationIp) && !IsValidIPv4Control(EditOf(column))) {
            FocusOn(EditorOf(column)); // the check has shown its message
            return false;
        }
        if (column == kUserMask && !HexOrRefuse(kUserMask, 8, "Invalid User Mask")) {
            return false;
        }
    }
    return true;
}
