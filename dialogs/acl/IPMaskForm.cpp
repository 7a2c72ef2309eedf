#include "IPMaskForm.h"

#include "AccessMarks.h"
#include "AddressValidators.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4Text.h"

namespace qs {

namespace {
bool Shows(const QString& text, std::initializer_list<const char*> any) {
    for (const char* t : any) {
        if (text == QLatin1String(t)) {
            return true;
        }
    }
    return false;
}
} // namespace

IPMaskForm::IPMaskForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                       const RuleEditorRules& rules, bool cpuFilter)
    : RuleEditorForm(owner, layout, fields, rules), cpuFilter_(cpuFilter) {}

bool IPMaskForm::Type(const char* type) const {
    return TextOf(kProtocolType) == QLatin1String(type);
}

bool IPMaskForm::SourceAddressSent() const {
    return Shows(TextOf(kAddressState), {"src-ip-addr", "dst-src-ip-addr"}) && !Empty(kSourceMask);
}

bool IPMaskForm::DestinationAddressSent() const {
    return Shows(TextOf(kAddressState), {"dst-ip-addr", "dst-src-ip-addr"}) && !Empty(kDestinationMask);
}

bool IPMaskForm::PortMaskSent(int column) const {
    if (!(Type("tcp") || Type("udp")) || Empty(column)) {
        return false;
    }
    const char* own = column == kSourcePortMask ? "src-port" : "dst-port";
    const bool named =
        Shows(TextOf(kTcpOption), {own, "dst-src-port"}) || Shows(TextOf(kUdpOption), {own, "dst-src-port"});
    return (PositionOf(kTcpOption) != 0 && PositionOf(kUdpOption) != 0) || named;
}

bool IPMaskForm::FlagMaskSent() const {
    const QString option = TextOf(kTcpFlagBit);
    const bool on = cpuFilter_ ? option == QLatin1String("enable") : option != QLatin1String("disable");
    return Type("tcp") && on && !Empty(kTcpFlagBitMask);
}

bool IPMaskForm::ProtocolMaskSent() const {
    return Type("protocolId") && !Empty(kProtocolMask);
}

bool IPMaskForm::UserMaskSent() const {
    return cpuFilter_ && Type("protocolId") && TextOf(kProtocolIdOption) == QLatin1String("enable") &&
           !Empty(kLastMask);
}

bool IPMaskForm::AddressValid(int column) {
    const bool valid = cpuFilter_
                           ? IsValidIPv4Control(EditOf(column))
                           : IsValidIPv4Text(TextOf(column), QStringLiteral("Please input a valid ip"));
    if (!valid) {
        FocusOn(EditorOf(column)); // the check has shown its message
    }
    return valid;
}

bool IPMaskForm::ProtocolMaskValid() {
    if (cpuFilter_) {
        return RangeOrRefuse(kProtocolMask, 0, 255, "Please input a valid value");
    }
    // Fewer than four characters holding a whole number 0 to 255; anything else is refused with
    // the dialog's message, also a text that is no number.
    const QString text = TextOf(kProtocolMask);
    bool number = false;
    const long v = text.toLong(&number);
    return (text.size() < 4 && number && v >= 0 && v <= 255) ||
           Refuse(QStringLiteral("Invalid Mask!"), EditorOf(kProtocolMask));
}

bool IPMaskForm::ValidateEditors() {
    if (Empty(kProfile)) {
        return Refuse(QStringLiteral("IP Mask ID must be set."), EditorOf(kProfile));
    }
    if ((SourceAddressSent() && !AddressValid(kSourceMask)) ||
        (DestinationAddressSent() && !AddressValid(kDestinationMask))) {
        return false;
    }
    if (cpuFilter_ && UserMaskSent() && !HexOrRefuse(kLastMask, 8, "Invalid Mask!")) {
        return false;
    }
    if (ProtocolMaskSent() && !ProtocolMaskValid()) {
        return false;
    }
    for (int column : {kDestinationPortMask, kSourcePortMask}) {
        if (PortMaskSent(column) && !HexOrRefuse(column, 4, "Invalid Mask!")) {
            return false;
        }
    }
    return !FlagMaskSent() || RangeOrRefuse(kTcpFlagBitMask, 0, 63, "Please input a valid value");
}

void IPMaskForm::ExcludeColumns(AccessMarks& marks, Write) {
    const auto leaveOutUnless = [&marks](int column, bool sent) {
        if (!sent) {
            marks.Exclude({column});
        }
    };
    leaveOutUnless(kAddressState, TextOf(kAddressState) != QLatin1String("other"));
    leaveOutUnless(kSourceMask, SourceAddressSent());
    leaveOutUnless(kDestinationMask, DestinationAddressSent());
    leaveOutUnless(kProtocolType, !Type("none"));
    leaveOutUnless(kIcmpOption,
                   Type("icmp") && !(cpuFilter_ && TextOf(kIcmpOption) == QLatin1String("none")));
    leaveOutUnless(kIgmpOption, Type("igmp"));
    leaveOutUnless(kTcpOption, Type("tcp") && TextOf(kTcpOption) != QLatin1String("other"));
    leaveOutUnless(kUdpOption, Type("udp") && TextOf(kUdpOption) != QLatin1String("other"));
    leaveOutUnless(kSourcePortMask, PortMaskSent(kSourcePortMask));
    leaveOutUnless(kDestinationPortMask, PortMaskSent(kDestinationPortMask));
    leaveOutUnless(kTcpFlagBit, Type("tcp"));
    leaveOutUnless(kTcpFlagBitMask, FlagMaskSent());
    leaveOutUnless(kProtocolIdOption, Type("protocolId"));
    leaveOutUnless(kProtocolMask, ProtocolMaskSent());
    if (cpuFilter_) {
        leaveOutUnless(kLastMask, UserMaskSent());
    }
}

} // namespace qs

namespace qs {
const QsOption IPAddressMaskStateOptions[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {}};
const QsOption ProtocolTypeOptions[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                        {5, "udp"},  {6, "protocolId"}, {}};
const QsOption IcmpOptionOptions[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {}};
const QsOption PortOptionOptions[] = {
    {1, "other"}, {2, "dst-port"}, {3, "src-port"}, {4, "dst-src-port"}, {}};
} // namespace qs
