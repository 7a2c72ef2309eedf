#include "Ipv6RuleForm.h"

#include "AccessMarks.h"
#include "AddressEdits.h"
#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "FailureReport.h"
#include "Label.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "RuleOptions.h"
#include "SharedOptions.h"

#include <QElapsedTimer>
#include <QPalette>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <array>

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

using qs::RuleField;
using R = TIpv6RuleForm;

const QsOption ProtocolOptions[] = {{1, "none"}, {2, "tcp"}, {3, "udp"}, {}};

#define IPV6_RULE "1.3.6.1.4.1.58613.12.9.3.4.1."

// Row Status (.12) stands before the DSCP columns (.15, .16). The masks are hexadecimal: the h
// conversion keeps anything else out of them.
const RuleField kFields[] = {
    {IPV6_RULE "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "edtRuleID", "%i{n1x512l3}", nullptr,
     "Prifile ID", 0, 0},
    {IPV6_RULE "2", "Access ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "edtRuleAccessID", "%i{n0x65535l5}",
     nullptr, "Access ID", 0, 0},
    {IPV6_RULE "3", "Class", SYN_INTEGER, ACC_READWRITE, nullptr, "edtRuleClass", "%i{n0x255l3}",
     "cbxRuleClass", " Class (0-255)", 0, 0},
    {IPV6_RULE "4", "Flow label", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edtRuleFlowlabel", "%s",
     "cbxRuleFlowlabel", "Flowlabel", 0, 0},
    {IPV6_RULE "5", "Source IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE, nullptr, "edtRuleSrcIpv6addr",
     "%s{l32}", "cbxRuleSrcIpv6addr", "Rule Source IPv6 Address", 0, 0},
    {IPV6_RULE "7", "Enable Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "PriorityComboBox",
     nullptr, "cbxEnablePriority", "Enable Priority", 1, 0},
    {IPV6_RULE "8", "Priority", SYN_INTEGER, ACC_READWRITE, nullptr, "PriorityEdit", "%i{n0x7l1}",
     "cbxPriority", "Priority", 1, 0},
    {IPV6_RULE "9", "Replace Priority", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "ReplaceComboBox",
     nullptr, "cbxReplacePriority", "Replace Priority", 1, 0},
    {IPV6_RULE "10", "Permit", SYN_INTEGER, ACC_READWRITE, qs::AccessRulePermitOptions, "PermitComboBox",
     nullptr, "cbxPermit", "Permit", 1, 0},
    {IPV6_RULE "11", "Port", SYN_BITSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0},
    {IPV6_RULE "12", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusOptions, "RowComboBox", nullptr,
     "cbxRow", "Row Status", 1, 0},
    {IPV6_RULE "15", "Enable Replace DSCP", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "EnableReplaceDSCPComboBox", nullptr, "cbxEnableReplaceDSCP", " Enable Replace DSCP", 1, 0},
    {IPV6_RULE "16", "Replace DSCP", SYN_INTEGER, ACC_READWRITE, nullptr, "DSCPEdit", "%i{n0x63l2}",
     "cbxEnableDSCPValue", " Replace DSCP Value", 1, 0},
    {IPV6_RULE "20", "Protocol", SYN_INTEGER, ACC_READWRITE, ProtocolOptions, "RuleProtoCombox", nullptr,
     "RuleProtoChx", " Rule Protocol", 0, 0},
    {IPV6_RULE "21", "Source Port", SYN_INTEGER, ACC_READWRITE, nullptr, "SrcPortEdit", "%i{n0x65535l5}",
     "SrcPortChx", " Source Port", 0, 0},
    {IPV6_RULE "22", "Destination Port", SYN_INTEGER, ACC_READWRITE, nullptr, "DesPortEdit", "%i{n0x65535l5}",
     "DesPortChx", " Destination Port", 0, 0},
    {IPV6_RULE "23", "Mask Sourec IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE, nullptr, "edt_MaskSrcIp",
     "%h{l32f}", "chk_MaskSrcIp", " Mask Source IPv6 Address", 0, 0},
    {IPV6_RULE "25", "Mask Source Port", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_MaskSrcPort", "%h{l4f}",
     "chk_MaskSrcPort", " Mask Source Port", 1, 0},
    {IPV6_RULE "26", "Mask Destination Port", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_MaskDstPort",
     "%h{l4f}", "chk_MaskDstPort", " Mask Destination Port", 1, 0},
};

#undef IPV6_RULE

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"CheckButton", "Check All", qs::ButtonRole::CheckAll, true},
    {"UncheckButton", "Clear Checks", qs::ButtonRole::ClearChecks, true},
    {"StopButton", "Stop", qs::ButtonRole::Stop, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"Ipv6RuleForm",         "IPv6 Rule", kButtons, "StaticText1", "0",
                                   qs::PickerPlace::Panel, 130,         270};

const qs::RuleEditorRules kRules{
    .keyCount = 2,
    .rowStatus = R::kRowStatus,
    .portColumn = R::kPorts,
    .blocking = false,
    .addActive = qs::ActiveFlag::Set,
    .deleteActive = qs::ActiveFlag::Set,
    .duplicateMessage =
        "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
    .rowStatusMessage = "Row State must be checked and set to createAndGo.",
    .rowStatusNeedsTick = true,
    .createPosition = 3,
    .destroyPosition = 5,
};

const char* const kNotComplete = "Get data not complete!";
const QString kEmpty = QStringLiteral("Some checked field is empty");
// A wait for a write's reply ends with the reply or the framework's time-out; this only keeps a
// lost reply from holding the dialog for ever.
constexpr int kWaitLimitMs = 30000;

bool HexText(const QString& text, int n) {
    return qs::HexDigitsExact(text, n);
}

} // namespace

TIpv6RuleForm::TIpv6RuleForm(TComponent* owner) : RuleEditorForm(owner, kLayout, kFields, kRules) {
    // Set before the binding, which keeps them and calls them after its own work.
    ComboOf(kEnablePriority)->OnChange = [this](TObject*) { Handle([this] { PriorityComboBoxChange(); }); };
    ComboOf(kEnableReplaceDscp)->OnChange = [this](TObject*) {
        Handle([this] { EnableReplaceDSCPComboBoxChange(); });
    };
    ComboOf(kProtocol)->OnChange = [this](TObject*) { Handle([this] { RuleProtoComboxChange(); }); };
    const std::pair<qs::ButtonRole, void (TIpv6RuleForm::*)()> handlers[] = {
        {qs::ButtonRole::Refresh, &TIpv6RuleForm::GetButtonClick},
        {qs::ButtonRole::Add, &TIpv6RuleForm::AddButtonClick},
        {qs::ButtonRole::Delete, &TIpv6RuleForm::DeleteButtonClick},
        {qs::ButtonRole::CheckAll, &TIpv6RuleForm::CheckButtonClick},
        {qs::ButtonRole::ClearChecks, &TIpv6RuleForm::UncheckButtonClick},
        {qs::ButtonRole::Stop, &TIpv6RuleForm::StopButtonClick},
        {qs::ButtonRole::Close, &TIpv6RuleForm::CloseButtonClick},
    };
    for (const auto& [role, handler] : handlers) {
        ButtonOf(role)->OnClick = [this, handler](TObject*) {
            Handle([this, handler] { (this->*handler)(); });
        };
    }
    SetCloseGate([this] { return CloseAllowed(); });
    // The red note beside the Access ID's label.
    const TLabel* access = findChild<TLabel*>(QStringLiteral("Label_edtRuleAccessID"));
    auto* note = Make<TLabel>(access->Parent(), "AutoAssignLabel");
    note->SetCaption(QStringLiteral("0 = auto_assign"));
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(palette);
    note->SetBounds(access->Left() + 80, access->Top(), 110, 18);
    OnCreate = [this](TObject*) { FormCreate(); };
}

void TIpv6RuleForm::FormCreate() {
    Run(&TIpv6RuleForm::Open);
}

void TIpv6RuleForm::Run(void (TIpv6RuleForm::*operation)()) {
    (this->*operation)();
    // The flag is down only while a walk is under way: a walk that was not sent or an exception
    // on the way must not leave it down for good.
    if (!walkComplete_ && (Request == nullptr || !Request->Busy)) {
        walkComplete_ = true;
    }
}

bool TIpv6RuleForm::Ready() {
    if (walkComplete_) {
        return true;
    }
    ShowMessage(QString::fromLatin1(kNotComplete));
    return false;
}

void TIpv6RuleForm::GetButtonClick() {
    if (RequestsEnded() || !Ready()) {
        return;
    }
    Request->Request.Active = true;
    walkComplete_ = false; // before the walk starts: its end may be reported at once
    Run(&TIpv6RuleForm::RefreshClick);
}

void TIpv6RuleForm::AddButtonClick() {
    if (RequestsEnded() || !Ready()) {
        return;
    }
    awaitFrom_ = setReplies_;
    Run(&TIpv6RuleForm::AddClick);
}

void TIpv6RuleForm::DeleteButtonClick() {
    if (RequestsEnded() || !Ready()) {
        return;
    }
    awaitFrom_ = setReplies_;
    Run(&TIpv6RuleForm::DeleteClick);
    ResetEditors();
}

void TIpv6RuleForm::StopButtonClick() {
    StopClick();
    walkComplete_ = true;
    writeDone_ = true;
}

void TIpv6RuleForm::CloseButtonClick() {
    StopButtonClick();
    Close();
}

// A close while a write waits for its reply ends the wait and comes again once the handler
// below has unwound, so that nothing it still uses is freed under it.
bool TIpv6RuleForm::CloseAllowed() {
    if (waiting_ == 0) {
        return true;
    }
    closing_ = true;
    walkComplete_ = true;
    writeDone_ = true;
    if (Request) {
        Request->Request.Active = false;
    }
    QTimer::singleShot(20, this, [form = QPointer<TIpv6RuleForm>(this)] {
        if (form) {
            form->Close();
        }
    });
    return false;
}

void TIpv6RuleForm::WalkDone(QsSNMPRequest2Controls* sender, QsSNMPError* error, bool write) {
    if (write) {
        ++setReplies_;
        writeDone_ = true;
        qs::ReportWriteFailure(sender, error); // a refused write is never passed over in silence
    } else {
        qs::ReportReadFailure(sender, error);
    }
    walkComplete_ = true;
}

void TIpv6RuleForm::AfterApply() {
    if (setReplies_ != awaitFrom_) {
        return; // the SET could not be sent: its hook has run already
    }
    walkComplete_ = false;
    writeDone_ = false;
    ++waiting_;
    QElapsedTimer clock;
    clock.start();
    // Only the write's own reply, Stop or Close end the wait: a stopped walk ending meanwhile
    // does not.
    while (!writeDone_ && clock.elapsed() < kWaitLimitMs) {
        Application->ProcessMessages(); // Stop, Close and list clicks work meanwhile
        QThread::msleep(1);
    }
    --waiting_;
    if (closing_) {
        Request->Request.Active = false; // the read that follows sends nothing
    }
    // Down again for the read that follows, unless that read will not be sent.
    walkComplete_ = !Request->Request.Active;
}

void TIpv6RuleForm::InitialSelections() {
    Request->OnGetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        WalkDone(sender, error, false);
    };
    Request->OnSetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        WalkDone(sender, error, true);
    };
    Request->Request.Active = true;
    RuleProtoComboxChange();
    PriorityComboBoxChange();
    EnableReplaceDSCPComboBoxChange();
}

// The dependency handlers do not run here.
void TIpv6RuleForm::AfterReset() {
    const std::pair<int, int> positions[] = {{kEnableReplaceDscp, 1}, {kEnablePriority, 1},
                                             {kReplacePriority, 1},   {kPermit, 1},
                                             {kProtocol, 1},          {kRowStatus, 3}};
    for (const auto& [column, position] : positions) {
        ComboOf(column)->SetItemIndex(position);
    }
    UncheckButtonClick();
}

void TIpv6RuleForm::AfterRowClick(bool selected) {
    if (selected) {
        PriorityComboBoxChange();
        EnableReplaceDSCPComboBoxChange();
        RuleProtoComboxChange();
    }
}

bool TIpv6RuleForm::IsFlowLabelText(const QString& text) {
    return HexText(text, 8);
}

bool TIpv6RuleForm::ValidateEditors() {
    if (!KeysSet("Rule ID must be set.", "Rule Access ID must be set.") ||
        !TickedNotEmpty(std::array{int(kClass)}, kEmpty)) {
        return false;
    }
    if (Ticked(kFlowLabel) && !Empty(kFlowLabel) && !IsFlowLabelText(TextOf(kFlowLabel))) {
        return Refuse(QStringLiteral("Invalid data!"), EditorOf(kFlowLabel));
    }
    if (!TickedNotEmpty(std::array{int(kFlowLabel)}, kEmpty)) {
        return false;
    }
    // The address in any IPv6 writing, put into the edit as 32 hex digits.
    if (Ticked(kSource) && !Empty(kSource) && !qs::TakeIPv6Edit(EditOf(kSource))) {
        return Refuse(QStringLiteral("Invalid Ipv6 Address value"), EditorOf(kSource));
    }
    constexpr int kTicked[] = {kSource,         kEnablePriority, kPriority,          kReplacePriority,
                               kPermit,         kRowStatus,      kEnableReplaceDscp, kReplaceDscp,
                               kProtocol,       kSourcePort,     kDestinationPort,   kMaskDestinationPort,
                               kMaskSourcePort, kMaskSource};
    if (!TickedNotEmpty(kTicked, kEmpty)) {
        return false;
    }
    // The key pair and then the Permit box, before the Row Status test.
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        const TListItem* row = ListView1->Item(i);
        if (row->Caption() == TextOf(kProfile) && row->SubItem(0) == TextOf(kAccess)) {
            return Refuse(QString::fromLatin1(Rules().duplicateMessage), EditorOf(kProfile));
        }
    }
    if (!Ticked(kPermit)) {
        return Refuse(QStringLiteral("Permit option must be checked."), EditorOf(kPermit));
    }
    return true;
}

void TIpv6RuleForm::ExcludeColumns(qs::AccessMarks& marks, Write) {
    if (!Ticked(kEnablePriority) || TextOf(kEnablePriority) == QLatin1String("disabled")) {
        marks.Exclude({kPriority, kReplacePriority});
    }
}

void TIpv6RuleForm::TickChecks(bool tick) {
    for (int c : {kClass, kFlowLabel, kSource, kEnablePriority, kMaskSource, kMaskSourcePort,
                  kMaskDestinationPort, kPermit, kRowStatus}) {
        IncludeOf(c)->SetChecked(tick);
    }
    for (int c : {kPriority, kReplacePriority}) {
        if (IncludeOf(c)->Enabled()) {
            IncludeOf(c)->SetChecked(tick);
        }
    }
}

void TIpv6RuleForm::CheckButtonClick() {
    TickChecks(true);
    if (TextOf(kEnableReplaceDscp) == QLatin1String("enabled")) {
        for (int c : {kEnableReplaceDscp, kReplaceDscp}) {
            IncludeOf(c)->SetEnabled(true);
            IncludeOf(c)->SetChecked(true);
        }
    }
}

void TIpv6RuleForm::UncheckButtonClick() {
    TickChecks(false);
    IncludeOf(kEnableReplaceDscp)->SetChecked(false);
    IncludeOf(kReplaceDscp)->SetChecked(false);
}

void TIpv6RuleForm::SetUsable(TWinControl* control, bool usable) {
    control->SetEnabled(usable);
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->SetColor(usable ? clWindow : clBtnFace);
    }
}

void TIpv6RuleForm::PriorityComboBoxChange() {
    const QString state = TextOf(kEnablePriority);
    if (state == QLatin1String("enabled") || state == QLatin1String("disabled")) {
        const bool on = state == QLatin1String("enabled");
        for (TWinControl* c :
             {static_cast<TWinControl*>(IncludeOf(kPriority)), EditorOf(kPriority),
              static_cast<TWinControl*>(IncludeOf(kReplacePriority)), EditorOf(kReplacePriority)}) {
            c->SetEnabled(on);
        }
    }
    IncludeOf(kPriority)->SetChecked(false);
    IncludeOf(kReplacePriority)->SetChecked(false);
}

void TIpv6RuleForm::EnableReplaceDSCPComboBoxChange() {
    const QString state = TextOf(kEnableReplaceDscp);
    if (state == QLatin1String("disabled")) {
        EditOf(kReplaceDscp)->SetText(QString());
        SetUsable(EditorOf(kReplaceDscp), false);
        IncludeOf(kReplaceDscp)->SetChecked(false);
        IncludeOf(kReplaceDscp)->SetEnabled(false);
        IncludeOf(kEnableReplaceDscp)->SetChecked(false);
    } else if (state == QLatin1String("enabled")) {
        SetUsable(EditorOf(kReplaceDscp), true);
        IncludeOf(kReplaceDscp)->SetEnabled(true);
        IncludeOf(kEnableReplaceDscp)->SetEnabled(true);
    }
}

void TIpv6RuleForm::RuleProtoComboxChange() {
    const bool on = TextOf(kProtocol) != QLatin1String("none");
    for (int c : {kSourcePort, kDestinationPort}) {
        IncludeOf(c)->SetChecked(false);
        IncludeOf(c)->SetEnabled(on);
        if (!on) {
            EditOf(c)->SetText(QString());
        }
        SetUsable(EditorOf(c), on);
    }
}
