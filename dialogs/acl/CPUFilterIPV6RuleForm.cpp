#include "CPUFilterIPV6RuleForm.h"

#include "ComboBox.h"
#include "Panel.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm = nullptr;

namespace {

using F = TCPUFilterIPV6RuleForm;
using qs::RuleEditor;

const QsSNMPVarDesc* RuleVars() {
    static const QsOptionList permit(qs::CpuRulePermitOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.9.5.4.1.1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.2", "Access ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.3", "Class", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.4", "Flowlabel", SYN_OCTETSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.5", "Source IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.6", "Destination IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.7", "Permit", SYN_INTEGER, ACC_READWRITE, &permit},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.8", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {"1.3.6.1.4.1.58613.12.9.5.4.1.9", "Port", SYN_BITSTR, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

constexpr int kPermitPosition = 1;      // "permit"
constexpr int kCreateAndGoPosition = 3; // "createAndGo"

const qs::IncludeRuleConfig& RuleConfig() {
    static const qs::IncludeRuleConfig config{
        "CPUFilterIPV6RuleForm",
        QSize(820, 560),
        RuleVars(),
        {
            {RuleEditor::Key, "ProfileIDEdit", "%i{n1x200}", nullptr, "Profile ID", false, 0, 0, 0},
            {RuleEditor::Key, "AccessEdit", "%i{n1x5}", nullptr, "Access ID", false, 0, 1, 0},
            {RuleEditor::Edit, "ClassEdit", "%i{n0x255}", "cbxClass", "Class", false, 1, 0, 0},
            {RuleEditor::Edit, "FlowLabelEdit", "%h{l8f}", "cbxFlowLabel", "Flow Label", false, 1, 1, 0},
            {RuleEditor::Edit, "SourceIPV6Edit", "%h{l32f}", "cbxSource", "Rule Source IPv6 Address", false,
             2, 0, 270},
            {RuleEditor::Edit, "DestIPV6Edit", "%h{l32f}", "cbxDestination", "Rule Destination IPv6 Address",
             false, 3, 0, 270},
            {RuleEditor::Combo, "PermitComboBox", "", "cbxPermit", "Permit", false, 4, 0, 0},
            {RuleEditor::Combo, "RowComboBox", "", "cbxRow", "Row Status", false, 4, 1, 0},
            {RuleEditor::Ports, nullptr, "", nullptr, nullptr, false, 0, 0, 0},
        },
        F::kRowStatus,
        F::kPermit,
        "ListView1",
        "StaticText1",
        "StatusBar1",
        "StackingPortPanel",
        nullptr,
        {"GetButton", "AddButton", "EditButton", nullptr, "DeleteButton", "AddCheckButton", "CleanCheButton",
         "CloseButton"},
        true,  // blocking
        true,  // Edit changes a listed rule
        false, // the Permit box is tested after the key pair
        false,
        true, // resets empty the key edits
        false,
        true, // Refresh enables the key edits
        {F::kClass, F::kSource, F::kDestination, F::kFlowLabel, F::kPermit, F::kRowStatus},
        {{F::kPermit, kPermitPosition}, {F::kRowStatus, kCreateAndGoPosition}},
        {},
        {F::kClass, F::kSource, F::kDestination, F::kFlowLabel, F::kPermit, F::kRowStatus},
    };
    return config;
}

} // namespace

TCPUFilterIPV6RuleForm::TCPUFilterIPV6RuleForm(TComponent* owner) : IncludeRuleForm(owner, RuleConfig()) {
    RuleOwnerComboBox = Make<TComboBox>(EditorPanel, "RuleOwnerComboBox");
    RuleOwnerComboBox->SetEnabled(false);
    RuleOwnerComboBox->SetVisible(false);
}
