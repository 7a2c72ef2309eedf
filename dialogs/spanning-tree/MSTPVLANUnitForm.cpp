#include "MSTPVLANUnitForm.h"

#include "SharedOptions.h"

TMSTPVLANUnitForm* MSTPVLANUnitForm = nullptr;

namespace {

constexpr QsOption kTypes[] = {{0, "cist"}, {1, "msti"}, {}};
constexpr QsOption kStates[] = {{1, "enabled"}, {2, "disabled"}, {}};

const QsSNMPVarDesc* InstanceVars() {
    static const QsOptionList types(kTypes, OVT_INT);
    static const QsOptionList states(kStates, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.15.2.3.1.1", "MSTP Instance ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.10", "Type", SYN_INTEGER, ACC_READONLY, &types},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.11", "Status", SYN_INTEGER, ACC_READONLY, &states},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.12", "Priority", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.13", "Designated Root Bridge", SYN_OCTETSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.14", "External Root Cost", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.15", "Regional Root Bridge", SYN_OCTETSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.16", "Internal Root Cost", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.17", "Designated Bridge", SYN_OCTETSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.18", "Root Port", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.19", "Max Age", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.20", "Forward Delay", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.21", "Last Topology Change", SYN_TIMETICKS, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.22", "Topology Changes Count", SYN_COUNTER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.23", "Remain Hops", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.15.2.3.1.24", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using Col = qs::BlockColumn;
using On = qs::BlockColumn::OnRow;

enum Group { kRule, kRanges, kOther };

constexpr qs::BlockGroup kGroups[] = {
    {"grpRule", "VLAN ID", 1},
    {"grpOption", "VLAN Range List", 2},
    {"grpOther", "Other", 2},
};

constexpr Col kColumns[] = {
    {"VIDEdit", false, "%i{n1x4096l4}", "chkVID", "", kRule, On::Disabled, true},
    {"TypeComboBox", true, nullptr, "cbxType", "Type", kOther, On::Face, true},
    {"StateComboBox", true, nullptr, "cbxState", "State", kOther, On::Face, true},
    {"PriorityEdit", false, "%i{n0x61440l5}", "CheckBoxPriority", "Priority", kOther},
    {"Edit1", false, "%s", "CheckBox1", "Designated Root Bridge", kOther, On::Disabled, true},
    {"Edit2", false, "%i", "CheckBox2", "External Root Cost", kOther, On::Disabled, true},
    {"Edit3", false, "%s", "CheckBox3", "Regional Root Bridge", kOther, On::Disabled, true},
    {"Edit4", false, "%i", "CheckBox4", "Internal Root Cost", kOther, On::Disabled, true},
    {"Edit5", false, "%s", "CheckBox5", "Designated Bridge", kOther, On::Disabled, true},
    {"Edit6", false, "%i", "CheckBox6", "Root Port", kOther, On::Disabled, true},
    {"Edit7", false, "%i", "CheckBox7", "Max Age", kOther, On::Disabled, true},
    {"Edit8", false, "%i", "CheckBox8", "Forward Delay", kOther, On::Disabled, true},
    {"Edit9", false, "%s", "CheckBox9", "Last Topology Change", kOther, On::Disabled, true},
    {"Edit10", false, "%i", "CheckBox10", "Topology Changes Count", kOther, On::Disabled, true},
    {"Edit11", false, "%i", "CheckBox11", "Remain Hops", kOther, On::Disabled, true},
    {"RowComboBox", true, nullptr, "cbxRow", "Row Status", -1},
};

const qs::VlanBlockTableConfig kConfig = {
    "MSTPVLANUnitForm",
    "MSTP VLAN Table",
    InstanceVars,
    "1.3.6.1.4.1.58613.12.15.2.3.1.2",
    kColumns,
    kGroups,
    TMSTPVLANUnitForm::kFirstBlock,
    kRanges,
    TMSTPVLANUnitForm::kRowStatus,
    nullptr,
    TMSTPVLANUnitForm::kPriority,
    {},
};

} // namespace

MSTPNewRequestEdits::MSTPNewRequestEdits(qs::VlanBlockTableForm* form)
    : VlanBlockRequest(form, TMSTPVLANUnitForm::kFirstBlock) {}

TMSTPVLANUnitForm::TMSTPVLANUnitForm(TComponent* owner) : VlanBlockTableForm(owner, kConfig) {}

std::unique_ptr<qs::VlanBlockRequest> TMSTPVLANUnitForm::MakeRequest() {
    return std::make_unique<MSTPNewRequestEdits>(this);
}
