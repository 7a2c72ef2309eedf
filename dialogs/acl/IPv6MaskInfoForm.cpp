#include "IPv6MaskInfoForm.h"

#include "AccessMarks.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "SharedOptions.h"

TIPv6MaskInfoForm* IPv6MaskInfoForm = nullptr;

namespace {

using F = TIPv6MaskInfoForm;
using qs::RuleField;

const QsOption ClassOptions[] = {{1, "enable"}, {2, "disable"}, {}};
const QsOption MaskStateOptions[] = {{1, "other"}, {3, "src-ipv6-addr"}, {}};
const QsOption ProtocolOptions[] = {{1, "none"}, {2, "tcp"}, {3, "udp"}, {}};
const QsOption PortOptionOptions[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {}};

#define IPV6_MASK "1.3.6.1.4.1.58613.12.9.2.4.1."

// Row Status (.7) stands before the protocol columns (.11 on), so a SET sends it in between. The
// port masks are hexadecimal: the h conversion keeps anything else out of them.
const RuleField kFields[] = {
    {IPV6_MASK "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "edtMaskID", "%i{n1x512l3}", nullptr,
     "Profile ID", 0, 0},
    {IPV6_MASK "2", "Class", SYN_INTEGER, ACC_READWRITE, ClassOptions, "cbxMaskClass", nullptr, nullptr,
     "Mask Class", 0, 0},
    {IPV6_MASK "3", "Flow label", SYN_INTEGER, ACC_READWRITE, ClassOptions, "cbxMaskFlowlabel", nullptr,
     nullptr, "Mask Flow label", 0, 0},
    {IPV6_MASK "4", "IP Address Mask State", SYN_INTEGER, ACC_READWRITE, MaskStateOptions, "cbxMaskState",
     nullptr, nullptr, "Address Mask State", 0, 0},
    {IPV6_MASK "5", "Source IPv6 Mask", SYN_IPV6ADDRESS, ACC_READWRITE, nullptr, "edtSrcMask", "%h{l32}",
     nullptr, "Source IPv6 Mask", 0, 0},
    {IPV6_MASK "7", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusOptions, "cbxStatus", nullptr, nullptr,
     "Row Status", 1, RuleField::kHidden},
    {IPV6_MASK "11", "Use Proto Type", SYN_INTEGER, ACC_READWRITE, ProtocolOptions, "ProtoTypeCombo", nullptr,
     nullptr, "Protocol Type", 1, 0},
    {IPV6_MASK "12", "TCP Option", SYN_INTEGER, ACC_READWRITE, PortOptionOptions, "TCPOptionCombo", nullptr,
     nullptr, "TCP Option", 1, 0},
    {IPV6_MASK "13", "UDP Option", SYN_INTEGER, ACC_READWRITE, PortOptionOptions, "UDPOptionCombo", nullptr,
     nullptr, "UDP Option", 1, 0},
    {IPV6_MASK "14", "TCP or UDP Source Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "SourcePortEdit",
     "%h{l4f}", nullptr, "Source Port Mask", 1, 0},
    {IPV6_MASK "15", "TCP or UDP Destination Port Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "DstPortEdit",
     "%h{l4f}", nullptr, "Destination Port Mask", 1, 0},
};

#undef IPV6_MASK

const qs::RuleButton kButtons[] = {
    {"GetButton", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddButton", "Add", qs::ButtonRole::Add, true},
    {"DeleteButton", "Delete", qs::ButtonRole::Delete, true},
    {"Button1", "Stop", qs::ButtonRole::Stop, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
    {"EditButton", "Edit", qs::ButtonRole::Edit, false},
};

// The editors are wide enough for a whole IPv6 mask of 32 hex digits.
const qs::RuleEditorLayout kLayout{
    "IPv6MaskInfoForm", "IPv6 Mask Information", kButtons, "Static", "0", qs::PickerPlace::None, 150, 250};

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = F::kRowStatus,
    .addActive = qs::ActiveFlag::Set,
    .deleteActive = qs::ActiveFlag::Set,
    .duplicateMessage = "There is already a record with the same IPv6 Mask ID. Please modify it.",
    .rowStatusMessage = "Row Status must be createAndGo.",
    .createPosition = 3,
    .destroyPosition = 5,
};

// Positions in the combo boxes.
constexpr int kDisable = 1;
constexpr int kCreateAndGo = 3;
constexpr int kOther = 0;
constexpr int kNone = 0;
constexpr int kTcp = 1;
constexpr int kUdp = 2;

// Where the engine's editor rows stand, and the two rows added below them.
constexpr int kRowHeight = 26;
const int kSideWidth = 22 + 215 + kLayout.editorWidth + 16;
constexpr int kFirstExtraRow = 5;

bool UsesSource(const QString& option) {
    return option == QLatin1String("src-addr") || option == QLatin1String("dst-src-addr");
}

bool UsesDestination(const QString& option) {
    return option == QLatin1String("dst-addr") || option == QLatin1String("dst-src-addr");
}

} // namespace

TIPv6MaskInfoForm::TIPv6MaskInfoForm(TComponent* owner) : RuleEditorForm(owner, kLayout, kFields, kRules) {
    BuildUnboundControls();
    for (int c : {kProtocol, kTcpOption, kUdpOption}) {
        ComboOf(c)->OnChange = [this](TObject*) { Handle([this] { ApplyProtocolRule(); }); };
    }
    ComboOf(kMaskState)->OnChange = [this](TObject*) { Handle([this] { ApplyMaskStateRule(); }); };
}

void TIPv6MaskInfoForm::BuildUnboundControls() {
    auto* panel = findChild<TPanel*>(QStringLiteral("EditorPanel"));
    const int extra = 2 * kRowHeight;
    panel->SetHeight(panel->Height() + extra);
    SetClientHeight(ClientHeight() + extra);
    struct Place {
        const char* label;
        const char* caption;
        int side;
        int row;
    };
    const Place places[] = {{"Label_NameEdit", "IPv6 Mask Name", 0, 0},
                            {"Label_edtDstMask", "Destination Mask", 1, 0},
                            {"Label_EntiesEdit", "Unused Rule Entries\n", 0, 1},
                            {"Label_cbxOwner", "Owner", 1, 1}};
    TWinControl* editors[4];
    editors[0] = NameEdit = Make<TEdit>(panel, "NameEdit");
    editors[1] = edtDstMask = Make<TEdit>(panel, "edtDstMask");
    editors[2] = EntiesEdit = Make<TEdit>(panel, "EntiesEdit");
    editors[3] = cbxOwner = Make<TComboBox>(panel, "cbxOwner");
    for (int i = 0; i < 4; ++i) {
        const int left = 8 + places[i].side * kSideWidth;
        const int top = 8 + (kFirstExtraRow + places[i].row) * kRowHeight;
        auto* label = Make<TLabel>(panel, places[i].label);
        label->SetCaption(QString::fromLatin1(places[i].caption).trimmed());
        label->SetBounds(left + 22, top + 4, 209, 18);
        editors[i]->SetBounds(left + 22 + 215, top, kLayout.editorWidth, 22);
    }
    EntiesEdit->SetEnabled(false);
    cbxOwner->SetEnabled(false);
}

void TIPv6MaskInfoForm::SetUsable(TWinControl* control, bool usable) {
    control->SetEnabled(usable);
    const TColor color = usable ? clWindow : clBtnFace;
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->SetColor(color);
    } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        combo->SetColor(color);
    }
}

void TIPv6MaskInfoForm::ApplyProtocolRule() {
    const int protocol = PositionOf(kProtocol);
    if (protocol == kNone) {
        for (int c : {kTcpOption, kUdpOption, kSourcePortMask, kDestinationPortMask}) {
            SetUsable(EditorOf(c), false);
        }
        return;
    }
    const int used = protocol == kTcp ? kTcpOption : kUdpOption;
    const int other = protocol == kTcp ? kUdpOption : kTcpOption;
    SetUsable(EditorOf(used), true);
    ComboOf(other)->SetItemIndex(kOther);
    SetUsable(EditorOf(other), false);
    const QString option = TextOf(used);
    SetUsable(EditorOf(kSourcePortMask), UsesSource(option));
    SetUsable(EditorOf(kDestinationPortMask), UsesDestination(option));
}

void TIPv6MaskInfoForm::ApplyMaskStateRule() {
    SetUsable(EditorOf(kSourceMask), PositionOf(kMaskState) != kOther);
}

bool TIPv6MaskInfoForm::ValidateEditors() {
    if (Empty(kProfile)) {
        return Refuse(QStringLiteral("IPv6 Mask ID must be set."), EditOf(kProfile));
    }
    return true;
}

// A kept column goes out with whatever its editor holds; the protocol and the mask state decide
// which columns are kept.
void TIPv6MaskInfoForm::ExcludeColumns(qs::AccessMarks& marks, Write) {
    if (PositionOf(kMaskState) == kOther) {
        marks.Exclude({kMaskState, kSourceMask});
    }
    const int protocol = PositionOf(kProtocol);
    if (protocol != kTcp && protocol != kUdp) {
        marks.Exclude({kProtocol, kTcpOption, kUdpOption, kSourcePortMask, kDestinationPortMask});
        return;
    }
    marks.Exclude({protocol == kTcp ? kUdpOption : kTcpOption});
    const QString option = TextOf(protocol == kTcp ? kTcpOption : kUdpOption);
    if (!UsesSource(option)) {
        marks.Exclude({kSourcePortMask});
    }
    if (!UsesDestination(option)) {
        marks.Exclude({kDestinationPortMask});
    }
}

void TIPv6MaskInfoForm::InitialSelections() {
    ApplyProtocolRule();
}

// The initial selections come back with every reset; the two rules do not run here.
void TIPv6MaskInfoForm::AfterReset() {
    for (TEdit* edit : {edtDstMask, EntiesEdit, NameEdit}) {
        edit->SetText(QString());
    }
    const std::pair<int, int> positions[] = {
        {kClass, kDisable}, {kFlowLabel, kDisable}, {kMaskState, kOther}, {kRowStatus, kCreateAndGo},
        {kProtocol, kNone}, {kTcpOption, kOther},   {kUdpOption, kOther}};
    for (const auto& [column, position] : positions) {
        ComboOf(column)->SetItemIndex(position);
    }
}

void TIPv6MaskInfoForm::AfterRowClick(bool selected) {
    if (selected) {
        ApplyProtocolRule();
        ApplyMaskStateRule();
    }
    NameEdit->SetEnabled(!selected);
    ComboOf(kRowStatus)->SetEnabled(!selected);
}
