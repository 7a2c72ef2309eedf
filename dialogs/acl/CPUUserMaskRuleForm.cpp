#include "CPUUserMaskRuleForm.h"

#include "AccessMarks.h"
#include "ComboBox.h"
#include "RuleOptions.h"
#include "SharedOptions.h"
#include "stackingPortUitFormUnit.h"

TCPUUserMaskRuleForm* CPUUserMaskRuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TCPUUserMaskRuleForm;

#define CPU_USER_RULE "1.3.6.1.4.1.58613.12.9.5.3.1."

// The labels say "Offset Mask" although the columns are the payload octets.
const RuleField kUserRuleFields[] = {
    {CPU_USER_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "ProfileID_Edit", "%i{n1x3}",
     nullptr, "Profile ID", 0, 0},
    {CPU_USER_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "AccessID_Edit", "%i{n1x5}",
     nullptr, "Access ID", 0, 0},
    {CPU_USER_RULE "3", "Payload Offset (0-15)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit1", "%s{l32}",
     "CheckBox1", "Offset Mask (0-15)", 0, 0},
    {CPU_USER_RULE "4", "Payload Offset (16-31)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit2", "%s{l32}",
     "CheckBox2", "Offset Mask (16-31)", 0, 0},
    {CPU_USER_RULE "5", "Payload Offset (32-47)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit3", "%s{l32}",
     "CheckBox3", "Offset Mask (32-47)", 0, 0},
    {CPU_USER_RULE "6", "Payload Offset (48-63)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit4", "%s{l32}",
     "CheckBox4", "Offset Mask (48-63)", 1, 0},
    {CPU_USER_RULE "7", "Payload Offset (64-79)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit5", "%s{l32}",
     "CheckBox5", "Offset Mask (64-79)", 1, 0},
    {CPU_USER_RULE "8", "Permit", SYN_INTEGER, ACC_READWRITE, qs::CpuRulePermitOptions, "PermitComboBox",
     nullptr, "PermitCBox", "Permit", 1, 0},
    {CPU_USER_RULE "9", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "StatusComboBox",
     nullptr, "StatusCBox", "Row Status", 1, 0},
    {CPU_USER_RULE "10", "Port", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
     0},
};

#undef CPU_USER_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"OperButton", "Edit", qs::ButtonRole::Edit, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"UncheckButton", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"CheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"closeButton", "Close", qs::ButtonRole::Close, true},
};

const qs::RuleEditorLayout kLayout{"CPUUserMaskRuleForm",
                                   "Packet Content Rule (CPU Interface Filtering)",
                                   kButtons,
                                   "Static",
                                   "",
                                   qs::PickerPlace::Panel,
                                   150,
                                   270}; // an offset of 32 hex digits

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .uncheckOnReset = true,
    .duplicateMessage =
        "Has already a record with the same Profile Rule ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
};

const qs::OffsetColumn kOffsetMessages[] = {
    {R::kOffset0, "Packet(s) Offset [0 to 15] can not contain invalid character(s)."},
    {R::kOffset16, "Packet(s) Offset [16 to 31] can not contain invalid character(s)."},
    {R::kOffset32, "Packet(s) Offset [32 to 47] can not contain invalid character(s)."},
    {R::kOffset48, "Packet(s) Offset [48 to 63] can not contain invalid character(s)."},
    {R::kOffset64, "Packet(s) Offset [64 to 79] can not contain invalid character(s)."},
};

} // namespace

TCPUUserMaskRuleForm::TCPUUserMaskRuleForm(TComponent* owner)
    : RuleEditorForm(owner, kLayout, kUserRuleFields, kRules) {}

void TCPUUserMaskRuleForm::InitialSelections() {
    ComboOf(kPermit)->SetItemIndex(1);
    ComboOf(kRowStatus)->SetItemIndex(1);
}

bool TCPUUserMaskRuleForm::ValidateEditors() {
    return KeysSet("Profile ID must be set.", "Access ID must be set.", false);
}

bool TCPUUserMaskRuleForm::CheckBeforeSend(Write write) {
    // A ticked offset is written as it stands (an empty one too); a filled one must be hex digits.
    return OffsetsOrRefuse(kOffsetMessages, write);
}

void TCPUUserMaskRuleForm::ExcludeColumns(qs::AccessMarks& marks, Write) {
    if (Ports.Picker() == nullptr || Ports.Picker()->CountCheckedPorts() == 0) {
        marks.Exclude({kPorts});
    }
}
