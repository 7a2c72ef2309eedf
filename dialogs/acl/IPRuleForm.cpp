#include "IPRuleForm.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

#include <array>

TIPRuleForm* IPRuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TIPRuleForm;

#define IP_RULE "1.3.6.1.4.1.58613.12.9.3.2.1."

const RuleField kIPRuleFields[] = {
    {IP_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IPRuleEdit", "%i{n1x512l3}", nullptr,
     "Profile ID", 0, 0},
    {IP_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "AccessIDEdit", "%i{n0x65535l5}", nullptr,
     "Access ID (0 = auto_assign)", 0, 0},
    {IP_RULE "3", "Rule VLAN", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "VlanEdit", "%s{l16}", "cbxVlan",
     "Rule VLAN", 0, 0},
    {IP_RULE "4", "Source IP Address", SYN_IPADDRESS, ACC_READWRITE, nullptr, "SourceIPEdit", "%s{l16}",
     "cbxSourceIP", "Source IP Address", 0, 0},
    {IP_RULE "5", "Destination IP Address", SYN_IPADDRESS, ACC_READWRITE, nullptr, "DestIPEdit", "%s{l16}",
     "cbxDestIP", "Destination IP address", 0, 0},
    {IP_RULE "6", "DSCP", SYN_INTEGER, ACC_READWRITE, nullptr, "DSCPEdit", "%i{n0x63l2}", "cbxDscp", "DSCP",
     0, 0},
    {IP_RULE "7", "Protocol", SYN_INTEGER, ACC_READONLY, qs::IPv4RuleProtocolOptions, "ProtocolComboBox",
     nullptr, "cbxProtocol", "Rule Protocol", 0, 0},
    {IP_RULE "8", "Type", SYN_INTEGER, ACC_READWRITE, nullptr, "edt_Type", "%i{n-1x255l3}", "chk_Type",
     "Type", 0, RuleField::kSticky},
    {IP_RULE "9", "Code", SYN_INTEGER, ACC_READWRITE, nullptr, "edt_Code", "%i{n-1x255l3}", "chk_Code",
     " Code", 1, RuleField::kSticky},
    {IP_RULE "10", "Source Port", SYN_INTEGER, ACC_READWRITE, nullptr, "SourcePortEdit", "%i{n0x65535l5}",
     "cbxSourcePort", "Source Port", 0, 0},
    {IP_RULE "11", "Destination Port", SYN_INTEGER, ACC_READWRITE, nullptr, "DestPortEdit", "%i{n0x65535l5}",
     "cbxDestPort", "Destination Port", 0, 0},
    {IP_RULE "12", "Flag Bits", SYN_INTEGER, ACC_READWRITE, nullptr, "FlagEdit", "%i{n0x63l2}", "cbxFBs",
     "Flag Bits", 0, 0},
    {IP_RULE "13", "Protocol ID", SYN_INTEGER, ACC_READWRITE, nullptr, "ProtocolIDEdit", "%i{n0x255l3}",
     "cbxProtocolID", "Protocol ID", 0, 0},
    {IP_RULE "15", "Enable Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "EnablePriorityComboBox", nullptr, "cbxEnabledPriority", " Enable Priority", 1, 0},
    {IP_RULE "16", "Priority", SYN_INTEGER, ACC_READWRITE, nullptr, "PriorityEdit", "%i{n0x7l1}",
     "cbxPriority", "Priority", 1, 0},
    {IP_RULE "17", "Replace Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "ReplaceComboBox",
     nullptr, "cbxReplacePriority", "Replace Priority", 1, 0},
    {IP_RULE "18", "Enable Replace DSCP", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "cbbEnableReplaceDscp", nullptr, "chkEnableReplaceDscp", "Replace Dscp State", 1, 0},
    {IP_RULE "19", "Replace DSCP", SYN_INTEGER, ACC_READWRITE, nullptr, "edtReplaceDscp", "%i{n0x63l2}",
     "chkRepDscp", "Replace Dscp", 1, 0},
    {IP_RULE "20", "Permit", SYN_INTEGER, ACC_READWRITE, qs::AccessRulePermitOptions, "PermitComboBox",
     nullptr, "cbxPermit", "Permit", 0, 0},
    {IP_RULE "21", "Port", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0},
    {IP_RULE "22", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowComboBox", nullptr,
     "cbxRow", "Row Status", 1, 0},
    {IP_RULE "24", "RX Rate", SYN_INTEGER, ACC_READWRITE, nullptr, "RxRateEdit", "%i", "cbxRxRate", "RX Rate",
     1, 0},
    {IP_RULE "30", "Mask VLAN", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_maskvlan", "%h{l4f}",
     "chk_maskvlan", "Mask VLAN", 1, 0},
    {IP_RULE "31", "Mask Source IP", SYN_IPADDRESS, ACC_READWRITE, nullptr, "edt_maskSrcIP", "%s{I}",
     "chk_maskSrcIP", "Mask Source IP", 1, 0},
    {IP_RULE "32", "Mask Destination IP", SYN_IPADDRESS, ACC_READWRITE, nullptr, "edt_maskDstIP", "%s{I}",
     "chk_maskDstIP", "Mask Destination IP", 1, 0},
    {IP_RULE "33", "Mask Source Port", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_maskSrcPort", "%h{l4f}",
     "chk_maskSrcPort", "Mask Source Port", 1, 0},
    {IP_RULE "34", "Mask Destination Port", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_maskDstPort",
     "%h{l4f}", "chk_maskDstPort", "Mask Destination Port", 1, 0},
};

#undef IP_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"Button1", "Stop", qs::ButtonRole::Stop, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"CheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"UncheckButton", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"btn_Close", "Close", qs::ButtonRole::Close, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"IPRuleForm",           "IP Rule", kButtons, "StaticText1", "0",
                                   qs::PickerPlace::Panel, 130};

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .blocking = false,
    .addActive = qs::ActiveFlag::Set,
    .deleteActive = qs::ActiveFlag::Set,
    .uncheckOnReset = true,
    .duplicateMessage =
        "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
};

// The protocol columns that do not belong to the chosen protocol (by its position).
const qs::ProtocolColumns kProtocolColumns[] = {
    {{R::kType, R::kCode, R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId}}, // none
    {{R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId}},                     // icmp
    {{R::kSourcePort, R::kDestinationPort, R::kFlagBits, R::kProtocolId}},                     // igmp
    {{R::kProtocolId}},                                                                        // tcp
    {{R::kFlagBits, R::kProtocolId}},                                                          // udp
    {{R::kSourcePort, R::kDestinationPort, R::kFlagBits}},                                     // protocolId
};

const QString kEmpty = QStringLiteral("Some checked field is empty");

} // namespace

TIPRuleForm::TIPRuleForm(TComponent* owner)
    : IPv4RuleForm(owner, kLayout, kIPRuleFields, kRules, kProtocolColumns) {
    // Set before the binding, which keeps it and calls it after its own work.
    ComboOf(kEnablePriority)->OnChange = [this](TObject*) {
        Handle([this] { EnablePriorityComboBoxChange(); });
    };
}

void TIPRuleForm::InitialSelections() {
    const std::pair<int, int> positions[] = {{kProtocol, 0},  {kPermit, 1},          {kEnableReplaceDscp, 0},
                                             {kRowStatus, 1}, {kEnablePriority, -1}, {kReplacePriority, -1}};
    for (const auto& [column, position] : positions) {
        ComboOf(column)->SetItemIndex(position);
    }
}

void TIPRuleForm::EnablePriorityComboBoxChange() {
    const bool on = TextOf(kEnablePriority) == QLatin1String("enabled");
    EditOf(kPriority)->SetEnabled(on);
    ComboOf(kReplacePriority)->SetEnabled(on);
    IncludeOf(kReplacePriority)->SetEnabled(on);
    IncludeOf(kPriority)->SetEnabled(on);
}

void TIPRuleForm::AfterRowClick(bool selected) {
    // A selected row is never filtered by protocol.
    ComboOf(kProtocol)->SetEnabled(!selected);
    IncludeOf(kProtocol)->SetChecked(false);
    IncludeOf(kProtocol)->SetEnabled(!selected);
    if (selected) {
        EnablePriorityComboBoxChange();
    }
}

bool TIPRuleForm::ValidateEditors() {
    if (!RuleKeysSet() || !TickedNotEmpty(std::array{int(kVlan)}, kEmpty)) {
        return false;
    }
    for (int column : {kSourceIp, kDestinationIp}) {
        if (Ticked(column) && (!TickedNotEmpty(std::array{column}, kEmpty) ||
                               !IsValidIPv4Text(TextOf(column), QStringLiteral("Please input a valid ip")))) {
            FocusOn(EditorOf(column));
            return false;
        }
    }
    // Type and Code are tested too: a ticked empty one would be written as 0.
    constexpr int kTicked[] = {
        kDscp,     kProtocol,   kType,           kCode,     kSourcePort,      kDestinationPort,
        kFlagBits, kProtocolId, kEnablePriority, kPriority, kReplacePriority, kPermit};
    if (!TickedNotEmpty(kTicked, kEmpty) ||
        !TickedNotEmpty(std::array{int(kReplaceDscp), int(kEnableReplaceDscp)}, kEmpty, false)) {
        return false;
    }
    if (Ticked(kRxRate) && (!TickedNotEmpty(std::array{int(kRxRate)}, kEmpty) ||
                            !RangeOrRefuse(kRxRate, 0, 156249, "RX Rate should between 0-156249"))) {
        return false;
    }
    constexpr int kMasks[] = {kMaskVlan,       kMaskSourceIp,        kMaskDestinationIp,
                              kMaskSourcePort, kMaskDestinationPort, kRowStatus};
    return TickedNotEmpty(kMasks, kEmpty);
}
