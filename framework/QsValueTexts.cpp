#include "QsValueTexts.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "OctetTexts.h"
#include "SnmpErrors.h"
#include "TextNumbers.h"

namespace {

using qs::SnmpType;
using qs::SnmpValue;

const char kNullText[] = "(NULL)";

bool IsOctetType(SnmpType t) {
    return t == SnmpType::OctetString || t == SnmpType::Opaque;
}

bool IsUnsignedType(SnmpType t) {
    return t == SnmpType::Counter32 || t == SnmpType::Gauge32 || t == SnmpType::TimeTicks;
}

// Whether a received value of this type can be read for the syntax.
bool Readable(std::uint32_t syntax, const SnmpValue& v) {
    if (!v.hasValue()) {
        return false;
    }
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
        return v.type == SnmpType::Integer;
    case SYN_OBJECTID:
        return v.type == SnmpType::ObjectId;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return v.type == SnmpType::IpAddress && v.bytes.size() == 4;
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
    case SYN_TIMETICKS:
        return IsUnsignedType(v.type);
    case SYN_COUNTER64:
        return v.type == SnmpType::Counter64;
    case SYN_INETADDRESS:
        return IsOctetType(v.type) || v.type == SnmpType::IpAddress;
    default:
        return IsOctetType(v.type);
    }
}

bool MissingIsEmpty(std::uint32_t syntax) {
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
    case SYN_BITLIST:
    case SYN_INETADDRESS:
    case SYN_DISPLAYSTR:
        return true;
    default:
        return false;
    }
}

std::string InetText(const qs::SnmpValue& v) {
    if (v.bytes.size() >= 16) {
        return FormatHexText(v.bytes);
    }
    return v.bytes.size() >= 4 ? qs::FormatIPv4(v.bytes.data()) : std::string();
}

std::string DoubleText(const QsOctets& octets, bool asDateTime) {
    double d = 0;
    if (!qs::DoubleFromOctets(octets, d)) {
        return {};
    }
    return asDateTime ? qs::DateTimeNumberToText(d) : qs::DoubleToText(d);
}

// The text of a value already known to be readable for the syntax.
std::string ReadText(std::uint32_t syntax, const SnmpValue& v) {
    switch (syntax) {
    case SYN_BOOLEAN:
        return v.integer != 0 ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(v.integer);
    case SYN_OBJECTID:
        return qs::OidToText(v.oid);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return qs::FormatIPv4(v.bytes.data());
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return std::to_string(v.unsigned32);
    case SYN_TIMETICKS:
        return FormatTicksText(v.unsigned32);
    case SYN_COUNTER64:
        return std::to_string(v.counter64);
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return DoubleText(v.bytes, syntax == SYN_BCDATETIME);
    case SYN_DATETIME:
        return qs::DateTimeOctetsToText(v.bytes);
    case SYN_DISPLAYSTR:
        return FormatPlainText(v.bytes);
    case SYN_INETADDRESS:
        return InetText(v);
    default: // bitstr, octetstr, opaque, macaddress, ipv6address, bitlist
        return FormatHexText(v.bytes);
    }
}

} // namespace

namespace qs {

bool IsValueSyntax(std::uint32_t syntax) {
    return (syntax >= SYN_BOOLEAN && syntax <= SYN_OBJECTID) ||
           (syntax >= SYN_IPADDRESS && syntax <= SYN_BITLIST) || syntax == SYN_INETADDRESS;
}

void CheckValueSyntax(std::uint32_t syntax) {
    if (!IsValueSyntax(syntax)) {
        RaiseFrameworkError(err::BadSyntax);
    }
}

} // namespace qs

std::string StoreVbText(const QsSNMPVar& var, const qs::SnmpValue& value) {
    qs::CheckValueSyntax(var.Syntax);
    std::string text;
    if (var.Syntax == SYN_NULL) {
        text = kNullText;
    } else if (Readable(var.Syntax, value)) {
        text = ReadText(var.Syntax, value);
    } else {
        text = MissingIsEmpty(var.Syntax) ? "" : kNullText;
    }
    return var.OptionList != nullptr ? var.OptionList->ValueToText(text) : text;
}

void StoreVb(QsSNMPVar& var, const qs::SnmpValue& value) {
    var.Value = StoreVbText(var, value);
}
