#include "CPUUserMaskInfoForm.h"

#include "ComboBox.h"
#include "SharedOptions.h"

TCPUUserMaskInfoForm* CPUUserMaskInfoForm = nullptr;

namespace {

using qs::RuleField;
using M = TCPUUserMaskInfoForm;

#define CPU_USER_MASK "1.3.6.1.4.1.58613.12.9.4.3.1."

// The offset masks are bound out of name order: Edit5, Edit3, Edit4, Edit6, Edit7.
const RuleField kUserMaskFields[] = {
    {CPU_USER_MASK "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "Edit1", "%i{n1x3}", nullptr,
     "Profile ID", 0, 0},
    {CPU_USER_MASK "2", "Offset Mask (0-15)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit5", "%s{l32}",
     nullptr, "Offset Mask (0-15)", 0, 0},
    {CPU_USER_MASK "3", "Offset Mask (16-31)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit3", "%s{l32}",
     nullptr, "Offset Mask (16-31)", 0, 0},
    {CPU_USER_MASK "4", "Offset Mask (32-47)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit4", "%s{l32}",
     nullptr, "Offset Mask (32-47)", 0, 0},
    {CPU_USER_MASK "5", "Offset Mask (48-63)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit6", "%s{l32}",
     nullptr, "Offset Mask (48-63)", 1, 0},
    {CPU_USER_MASK "6", "Offset Mask (64-79)", SYN_OCTETSTR, ACC_READWRITE, nullptr, "Edit7", "%s{l32}",
     nullptr, "Offset Mask (64-79)", 1, 0},
    {CPU_USER_MASK "7", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "ComboBox1", nullptr,
     nullptr, "Row Status", 1, RuleField::kHidden},
};

#undef CPU_USER_MASK

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
    {"OperButton", "Edit", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"CPUUserMaskInfoForm",
                                   "Packet Content Mask (CPU Interface Filtering)",
                                   kButtons,
                                   "Static",
                                   "0",
                                   qs::PickerPlace::None,
                                   144,
                                   270}; // an offset of 32 hex digits

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = M::kRowStatus,
    .duplicateMessage = "Payload Entry ID must be different.",
};

const qs::OffsetColumn kOffsetMessages[] = {
    {M::kOffset0, "Filtered Port(s) [0 to 15] can not contain invalid character(s)."},
    {M::kOffset16, "Filtered Port(s) [16 to 31] can not contain invalid character(s)."},
    {M::kOffset32, "Filtered Port(s) [32 to 47] can not contain invalid character(s)."},
    {M::kOffset48, "Filtered Port(s) [48 to 63] can not contain invalid character(s)."},
    {M::kOffset64, "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
};

} // namespace

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(TComponent* owner)
    : RuleEditorForm(owner, kLayout, kUserMaskFields, kRules) {}

void TCPUUserMaskInfoForm::InitialSelections() {
    ComboOf(kRowStatus)->SetItemIndex(1);
}

bool TCPUUserMaskInfoForm::ValidateEditors() {
    return !Empty(kProfile) || Refuse(QStringLiteral("Payload Entry ID must be set."), EditorOf(kProfile));
}

bool TCPUUserMaskInfoForm::CheckBeforeSend(Write write) {
    // An empty offset is left out of the write; a filled one must be hex digits.
    return OffsetsOrRefuse(kOffsetMessages, write);
}
