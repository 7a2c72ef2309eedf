#include "ERPSVLANUnitForm.h"

#include "SharedOptions.h"

TERPSVLANUnitForm* ERPSVLANUnitForm = nullptr;

namespace {

constexpr QsOption kPortStates[] = {{1, "fowarding"}, {2, "blocking"}, {3, "signalfail"}, {}};
constexpr QsOption kRplPorts[] = {{1, "none"}, {2, "west"}, {3, "east"}, {}};
constexpr QsOption kRingStates[] = {{1, "begin"}, {2, "init"}, {3, "idle"}, {4, "protection"}, {}};
constexpr QsOption kOwnerStates[] = {{1, "active"}, {2, "inactive"}, {3, "disabled"}, {}};

const QsSNMPVarDesc* RingVars() {
    static const QsOptionList westState(kPortStates, OVT_INT);
    static const QsOptionList eastState(kPortStates, OVT_INT);
    static const QsOptionList rplPort(kRplPorts, OVT_INT);
    static const QsOptionList owner(EnabledDisabledOptions, OVT_INT);
    static const QsOptionList ringState(kRingStates, OVT_INT);
    static const QsOptionList ownerState(kOwnerStates, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.78.3.1.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.2", "West Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.3", "West Port State", SYN_INTEGER, ACC_READONLY, &westState},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.4", "East Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.5", "East Port State", SYN_INTEGER, ACC_READONLY, &eastState},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.6", "RPL Port", SYN_INTEGER, ACC_READWRITE, &rplPort},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.7", "RPL Owner", SYN_INTEGER, ACC_READWRITE, &owner},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.9", "Ring MEL", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.10", "Holdoff Time", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.11", "Guard Time", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.12", "WTR Time", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.13", "Ring State", SYN_INTEGER, ACC_READONLY, &ringState},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.15", "RPL Owner Operate State", SYN_INTEGER, ACC_READONLY,
         &ownerState},
        {"1.3.6.1.4.1.58613.12.78.3.1.1.100", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using Col = qs::BlockColumn;
using On = qs::BlockColumn::OnRow;

enum Group { kRule, kPermit, kOther, kRanges };

constexpr qs::BlockGroup kGroups[] = {
    {"grpRule", "VLAN ID", 1},
    {"grpPermit", "Port State", 2},
    {"grpOther", "Other", 2},
    {"grpOption", "VLAN Range List", 2},
};

constexpr Col kColumns[] = {
    {"VIDEdit", false, "%i{n1x4096l4}", "chkVID", "", kRule, On::Disabled, true},
    {"WestPortEdit", false, "%i{n0x65535l5}", "cbxWestPort", "  West Port", kPermit},
    {"WestPortPComboBox", true, nullptr, "WestportCheckBox", "  West Port State", kPermit, On::Face, true},
    {"EstPortEdit", false, "%i{n0x65535l5}", "CheckBoxEstPort", "  Eest Port", kPermit},
    {"EstPortComboBox", true, nullptr, "estportCheckBox", "  Eest Port State", kPermit, On::Face, true},
    {"RPLPortComboBox", true, nullptr, "CheckBoxRPLPort", "  RPL Port", kPermit},
    {"ComboBoxRPLOWner", true, nullptr, "CheckBoxRPLOwner", "RPL Owner Admin State", kOther},
    {"RingMELEdit", false, "%i{n0x7l1}", "CheckBoxRingMEL", "Ring MEL", kOther},
    {"holdofftimeEdit", false, "%i{n0x10000l5}", "CheckBoxholdofftime", "Holdoff Time", kOther},
    {"guardTimeEdit", false, "%i{n10x2000l4}", "CheckBoxguardtime", "Guard Time", kOther},
    {"WTRtimeEdit", false, "%i{n5x12l5}", "CheckBoxWTRTime", "WTR Time", kOther},
    {"ComboBoxRingState", true, nullptr, "CheckBoxRingState", "Ring State", kOther, On::Face, true},
    {"OwneroperaComboBox", true, nullptr, "cbxRPLOwneroperstate", "RPL Owner Operate State", kOther, On::Face,
     true},
    {"RowComboBox", true, nullptr, "cbxRow", "Row Status", -1},
};

constexpr const char* kNeverChecked[] = {"WestportCheckBox", "estportCheckBox", "cbxRPLOwneroperstate",
                                         "CheckBoxRingState"};

const qs::VlanBlockTableConfig kConfig = {
    "ERPSVLANUnitForm",
    "ERPS VLAN Table",
    RingVars,
    "1.3.6.1.4.1.58613.12.78.3.1.1.16",
    kColumns,
    kGroups,
    TERPSVLANUnitForm::kFirstBlock,
    kRanges,
    TERPSVLANUnitForm::kRowStatus,
    "The R-APS VLAN already exists.",
    -1,
    kNeverChecked,
};

} // namespace

ERPSNewRequestEdits::ERPSNewRequestEdits(qs::VlanBlockTableForm* form)
    : VlanBlockRequest(form, TERPSVLANUnitForm::kFirstBlock) {}

TERPSVLANUnitForm::TERPSVLANUnitForm(TComponent* owner) : VlanBlockTableForm(owner, kConfig) {}

std::unique_ptr<qs::VlanBlockRequest> TERPSVLANUnitForm::MakeRequest() {
    return std::make_unique<ERPSNewRequestEdits>(this);
}
