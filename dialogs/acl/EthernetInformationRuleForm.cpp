#include "EthernetInformationRuleForm.h"

#include "ComboBox.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TEthernetInformationRuleForm;

#define ETH_RULE "1.3.6.1.4.1.58613.12.9.3.1.1."

const RuleField kEthernetRuleFields[] = {
    {ETH_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "MaskIDEdit", "%i{n1x512l3}", nullptr,
     "Profile ID", 0, 0},
    {ETH_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "AccessEdit", "%i{n0x65535l5}", nullptr,
     "Access ID (0 = auto_assign)", 0, 0},
    {ETH_RULE "3", "Rule VLAN", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "VlanRuleEdit", "%s{l32}", "cbxVlan",
     "VLAN Rule", 0, 0},
    {ETH_RULE "4", "Rule Source MAC Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, "SourceMACEdit",
     "%s{l12}", "cbxSource", "Source MAC Address Rule", 0, 0},
    {ETH_RULE "5", "Rule Destination MAC Address", SYN_MACADDRESS, ACC_READWRITE, nullptr, "DestMACEdit",
     "%s{l12}", "cbxDestination", "Destination MAC Address Rule", 0, 0},
    {ETH_RULE "6", "Rule 802.1p", SYN_INTEGER, ACC_READWRITE, nullptr, "IEEE8021pEdit", "%i{n0x7}",
     "cbxIEEE802dot1P", "802.1p Rule", 0, 0},
    {ETH_RULE "7", "Rule Ethernet Type", SYN_OCTETSTR, ACC_READWRITE, nullptr, "EthTypeEdit", "%s{l4}",
     "cbxEtherType", "Ethernet Type Rule", 0, 0},
    {ETH_RULE "8", "Rule Enable Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "EnablePriorityComboBox", nullptr, "cbxEablePriority", "Enable Priority", 0, 0},
    {ETH_RULE "9", "Rule Priority", SYN_INTEGER, ACC_READWRITE, nullptr, "PriorityEdit", "%i{n0x7}",
     "cbxPriority", "Priority Rule", 0, 0},
    {ETH_RULE "10", "Rule Replace Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "ReplacePriorityComboBox", nullptr, "cbxReplacePriority", "Replace Priority Rule", 1, 0},
    {ETH_RULE "11", "Rule Enable Replace Dscp", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "cbbEnableReplaceDscp", nullptr, "cbxEnableReplaceDscp", "Replace DSCP State", 1, 0},
    {ETH_RULE "12", "Rule Replace Dscp", SYN_INTEGER, ACC_READWRITE, nullptr, "edtReplaceDscp", "%i{n0x63l2}",
     "cbxRuleRepDscp", "Replace DSCP", 1, 0},
    {ETH_RULE "13", "Permit Rule", SYN_INTEGER, ACC_READWRITE, qs::AccessRulePermitOptions, "PermitComboBox",
     nullptr, "cbxPermit", "Permit", 1, 0},
    {ETH_RULE "14", "Rule Port", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
     0},
    {ETH_RULE "15", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowComboBox", nullptr,
     "cbxRow", "Row Status", 1, 0},
    {ETH_RULE "17", "Rule RX Rate", SYN_INTEGER, ACC_READWRITE, nullptr, "RxRateEdit", "%s{n64x1024000}",
     "cbxRxRate", "RX Rate", 1, 0},
    {ETH_RULE "22", "Mask VLAN", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_MaskVlan", "%h{l4f}",
     "chk_MaskVlan", "Mask VLAN", 1, RuleField::kSticky},
    {ETH_RULE "23", "Mask Source MAC", SYN_MACADDRESS, ACC_READWRITE, nullptr, "edt_MaskSrcMac", "%s{M}",
     "chk_MaskSrcMac", "Mask Source MAC", 1, RuleField::kSticky},
    {ETH_RULE "24", "Mask Destination MAC", SYN_MACADDRESS, ACC_READWRITE, nullptr, "edt_MaskDstMac", "%s{M}",
     "chk_MaskDstMac", "Mask Destination MAC", 1, RuleField::kSticky},
};

#undef ETH_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"Button1", "Stop", qs::ButtonRole::Stop, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"AddCheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"btnClearChecks", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"btnClose", "Close", qs::ButtonRole::Close, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"EthernetInformationRuleForm",
                                   "Ethernet Information Rule",
                                   kButtons,
                                   "StaticText1",
                                   "0",
                                   qs::PickerPlace::Panel,
                                   150};

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .addActive = qs::ActiveFlag::Set,
    .deleteActive = qs::ActiveFlag::Set,
    .comboReset = qs::ComboReset::NoSelection,
    .uncheckOnReset = true,
    .duplicateMessage =
        "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
};

constexpr int kTickedOrder[] = {R::kVlan,
                                R::kSourceMac,
                                R::kDestinationMac,
                                R::k8021p,
                                R::kEtherType,
                                R::kEnablePriority,
                                R::kPriority,
                                R::kReplacePriority,
                                R::kEnableReplaceDscp,
                                R::kReplaceDscp,
                                R::kPermit,
                                R::kRxRate,
                                R::kRowStatus,
                                R::kMaskVlan,
                                R::kMaskSourceMac,
                                R::kMaskDestinationMac};

} // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(TComponent* owner)
    : RuleEditorForm(owner, kLayout, kEthernetRuleFields, kRules) {}

void TEthernetInformationRuleForm::InitialSelections() {
    ComboOf(kPermit)->SetItemIndex(1);
    ComboOf(kRowStatus)->SetItemIndex(1);
}

bool TEthernetInformationRuleForm::ValidateEditors() {
    if (!KeysSet("Mask ID must be set.", "Access ID must be set.") ||
        !TickedNotEmpty(kTickedOrder, QStringLiteral("Some check field is empty"))) {
        return false;
    }
    return (!Ticked(kSourceMac) || MacOrRefuse(kSourceMac, "Invalid MAC Address")) &&
           (!Ticked(kDestinationMac) || MacOrRefuse(kDestinationMac, "Invalid MAC Address")) &&
           (!Ticked(kEtherType) || HexOrRefuse(kEtherType, 4, "Invalid Ethernet Type")) &&
           (!Ticked(kPriority) || RangeOrRefuse(kPriority, 0, 7, "Priority value should between 0-7")) &&
           (!Ticked(kRxRate) || RangeOrRefuse(kRxRate, 0, 156249, "Rx Rate should between 0-156249"));
}
