#include "PacketContentRuleForm.h"

#include "RuleOptions.h"
#include "SharedOptions.h"

TPacketContentRuleForm* PacketContentRuleForm = nullptr;

namespace {

using F = TPacketContentRuleForm;
using qs::RuleEditor;

const QsSNMPVarDesc* RuleVars() {
    static const QsOptionList enablePriority(EnabledDisabledOptions, OVT_INT);
    static const QsOptionList replacePriority(EnabledDisabledOptions, OVT_INT);
    static const QsOptionList enableReplaceDscp(EnabledDisabledOptions, OVT_INT);
    static const QsOptionList permit(qs::AccessRulePermitOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.3", "Source MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.4", "Destination MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.5", "CTag", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.6", "STag", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.7", "Enable Priority", SYN_INTEGER, ACC_READWRITE, &enablePriority},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.8", "Priority", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.9", "Replace Priority", SYN_INTEGER, ACC_READWRITE,
         &replacePriority},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.10", "Enable Replace DSCP", SYN_INTEGER, ACC_READWRITE,
         &enableReplaceDscp},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.11", "Replace DSCP", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.12", "Permit", SYN_INTEGER, ACC_READWRITE, &permit},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.13", "Port", SYN_BITSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.21", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.22", "Mask Source MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.23", "Mask Destination MAC", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.24", "Mask CTag", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.3.10.1.1.25", "Mask STag", SYN_OCTETSTR, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

// The tags and their masks are hexadecimal: the h conversion keeps anything else out of them.
const qs::IncludeRuleConfig& RuleConfig() {
    static const qs::IncludeRuleConfig config{
        "PacketContentRuleForm",
        QSize(860, 620),
        RuleVars(),
        {
            {RuleEditor::Key, "edtProfileID", "%i", nullptr, "Profile ID", false, 0, 0, 0},
            {RuleEditor::Key, "edtAccessID", "%i{n0x65535l5}", nullptr, "Access ID", false, 0, 1, 60},
            {RuleEditor::Edit, "edtSrcMac", "%s{M}", "chkSourceMac", "Source MAC", false, 1, 0, 0},
            {RuleEditor::Edit, "edtDstMac", "%s{M}", "chkDstMac", "Destination MAC", false, 2, 0, 0},
            {RuleEditor::Edit, "edtCTag", "%h{l4f}", "chkCTag", "CTag", false, 3, 0, 0},
            {RuleEditor::Edit, "edtSTag", "%h{l4f}", "chkSTag", "STag", false, 4, 0, 0},
            {RuleEditor::Combo, "cbb_EnablePrio", "", "chk_EnablePrio", "Enable Priority", false, 5, 0, 0},
            {RuleEditor::Edit, "edtPriorityEdit", "%i{n0x7}", "chkPriority", "Priority", false, 5, 1, 0},
            {RuleEditor::Combo, "cbbReplaceComboBox", "", "chkReplacePriority", "Replace Priority", false, 6,
             0, 0},
            {RuleEditor::Combo, "cbbEnableReplaceDSCPComboBox", "", "chkEnableReplaceDSCP",
             "  Enable Replace DSCP", true, 7, 0, 0},
            {RuleEditor::Edit, "edtDSCPEdit", "%i{n0x63}", "chkEnableDSCPValue", "  Replace DSCP Value", true,
             7, 1, 0},
            {RuleEditor::Combo, "cbbPermitComboBox", "", "chkPermit", "Permit", false, 6, 1, 0},
            {RuleEditor::Ports, nullptr, "", nullptr, nullptr, false, 0, 0, 0},
            {RuleEditor::Combo, "cbbRowComboBox", "", "chkRow", "Row Status", false, 8, 0, 0},
            {RuleEditor::Edit, "edt_maskSrcMask", "%s{M}", "chk_maskSrMAC", "Mask Source MAC", false, 1, 1,
             0},
            {RuleEditor::Edit, "edt_maskDstMAC", "%s{M}", "chk_MaskDstMac", "Mask Destination MAC", false, 2,
             1, 0},
            {RuleEditor::Edit, "edt_MaskCTag", "%h{l4f}", "chk_MaskCTag", "Mask CTag", false, 3, 1, 0},
            {RuleEditor::Edit, "edt_MaskSTag", "%h{l4f}", "chk_MaskSTag", "Mask STag", false, 4, 1, 0},
        },
        F::kRowStatus,
        F::kPermit,
        "ListView1",
        "txt1",
        "stat1",
        "pnlStackingPortPanel",
        "0 = auto_assign",
        {"btnGetButton", "btnAddButton", "btnEditButton", "btnStopButton", "btnDeleteButton", nullptr,
         nullptr, "btnCloseButton"},
        false, // asynchronous
        false, // no Edit
        true,  // the Permit box is part of the input check
        true,
        false, // the key edits keep their text
        true,
        false, // Refresh leaves the key edits as they are
        {F::kPermit, F::kRowStatus, F::kSrcMac, F::kDstMac, F::kCTag, F::kSTag, F::kEnablePriority,
         F::kPriority, F::kReplacePriority, F::kEnableReplaceDscp, F::kDscp, F::kMaskSrcMac, F::kMaskDstMac,
         F::kMaskCTag, F::kMaskSTag},
        {},
        {{F::kEnablePriority, 1, F::kPriority}, {F::kEnableReplaceDscp, 1, F::kDscp}},
        {},
    };
    return config;
}

} // namespace

TPacketContentRuleForm::TPacketContentRuleForm(TComponent* owner) : IncludeRuleForm(owner, RuleConfig()) {}
