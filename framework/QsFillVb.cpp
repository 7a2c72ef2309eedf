// Value text -> the value a SET carries. The value's type decides the BER tag: the framework's
// own syntax codes never go on the wire.
#include "QsValueTexts.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "OctetTexts.h"
#include "SnmpErrors.h"
#include "TextNumbers.h"
#include "TypedText.h"

namespace {

using qs::SnmpType;
using qs::SnmpValue;

SnmpValue Octets(QsOctets bytes) {
    return SnmpValue::fromBytes(SnmpType::OctetString, std::move(bytes));
}

SnmpValue IPv4Value(const std::string& text) {
    QsOctets octets;
    if (!qs::ParseIPv4Text(text, octets)) {
        qs::RaiseFrameworkError(qs::kBadIPv4Text);
    }
    return SnmpValue::fromBytes(SnmpType::IpAddress, std::move(octets));
}

SnmpValue InetValue(const std::string& text) {
    if (text.size() > 31) {
        return Octets(ParseHexText(text));
    }
    QsOctets octets;
    if (!qs::ParseIPv4Text(text, octets)) {
        qs::RaiseFrameworkError(qs::kBadIPv4Text);
    }
    return Octets(std::move(octets));
}

SnmpValue OidValue(const std::string& text) {
    qs::OidVector oid;
    if (!qs::OidFromText(text, oid) || !qs::IsEncodableOid(oid)) { // never an error of the library's
        qs::RaiseFrameworkError(qs::kBadOidText);
    }
    return SnmpValue::fromOid(std::move(oid));
}

SnmpValue MacValue(const std::string& text) {
    QsOctets octets;
    if (!qs::ParseMacText(text, octets)) {
        qs::RaiseFrameworkError(qs::kBadMacText);
    }
    return Octets(std::move(octets));
}

SnmpValue BcDateTimeValue(const std::string& text) {
    double d = 0;
    if (!qs::TextToDateTimeNumber(text, d)) {
        qs::RaiseFrameworkError(qs::err::BindValue);
    }
    return Octets(qs::DoubleOctets(d));
}

SnmpValue ValueOf(std::uint32_t syntax, const std::string& text) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return SnmpValue::fromInt(text == "true" ? 1 : 0);
    case SYN_INTEGER:
        return SnmpValue::fromInt(qs::AtolInt32(text));
    case SYN_NULL:
        return SnmpValue::null();
    case SYN_OBJECTID:
        return OidValue(text);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return IPv4Value(text);
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return SnmpValue::fromUnsigned(SnmpType::Gauge32, qs::AtolUint32(text));
    case SYN_TIMETICKS:
        return SnmpValue::fromUnsigned(SnmpType::TimeTicks, ParseTicksText(text));
    case SYN_COUNTER64:
        return SnmpValue::fromCounter64(qs::AtolUint64(text));
    case SYN_DOUBLE:
        return Octets(qs::DoubleOctets(qs::StrToDouble(text)));
    case SYN_MACADDRESS:
        return MacValue(text);
    case SYN_DATETIME:
        return Octets(qs::DateTimeTextToOctets(text));
    case SYN_BCDATETIME:
        return BcDateTimeValue(text);
    case SYN_DISPLAYSTR:
        return Octets(QsOctets(text.begin(), text.end()));
    case SYN_INETADDRESS:
        return InetValue(text);
    default: // bitstr, octetstr, opaque, ipv6address, bitlist
        return Octets(ParseHexText(text));
    }
}

} // namespace

qs::SnmpValue FillVb(const QsSNMPVar& var) {
    qs::CheckValueSyntax(var.Syntax);
    const std::string text = var.OptionList != nullptr ? var.OptionList->TextToValue(var.Value) : var.Value;
    if (text == "(NULL)") {
        return SnmpValue::null();
    }
    return ValueOf(var.Syntax, text);
}
