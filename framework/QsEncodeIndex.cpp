// Key value text -> the sub-identifiers it contributes to a row's instance suffix.
#include "QsValueTexts.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "OctetTexts.h"
#include "SnmpErrors.h"
#include "TextNumbers.h"

namespace {

using qs::OidVector;

void AddOctets(OidVector& out, const QsOctets& octets, bool withLength) {
    if (withLength) {
        out.push_back(static_cast<std::uint32_t>(octets.size()));
    }
    out.insert(out.end(), octets.begin(), octets.end());
}

void AddHigh64(OidVector& out, std::uint64_t v, bool lowFirst) {
    const auto high = static_cast<std::uint32_t>(v >> 32);
    const auto low = static_cast<std::uint32_t>(v);
    out.push_back(lowFirst ? low : high);
    out.push_back(lowFirst ? high : low);
}

// Four dotted parts 0-255; an empty text (a key not yet read) gives nothing.
void AddIPv4(OidVector& out, const std::string& text, bool withLength) {
    if (text.empty()) {
        return;
    }
    QsOctets octets;
    if (!qs::ParseIPv4Text(text, octets)) {
        qs::RaiseFrameworkError(qs::kBadIPv4Text);
    }
    AddOctets(out, octets, withLength);
}

void AddInet(OidVector& out, const std::string& text) {
    QsOctets address;
    std::uint32_t zone = 0;
    if (text.size() <= 15) {
        AddIPv4(out, text, true);
    } else if (text.size() >= 33 && text.size() <= 69 && qs::SplitZoneText(text, address, zone)) {
        out.push_back(17);
        AddOctets(out, address, false);
        out.push_back(zone);
    } else {
        AddOctets(out, ParseHexText(text), true);
    }
}

void AddOid(OidVector& out, const std::string& text, bool withLength) {
    OidVector oid;
    if (!text.empty() && !qs::OidFromText(text, oid)) {
        qs::RaiseFrameworkError(qs::kBadOidText);
    }
    if (withLength) {
        out.push_back(static_cast<std::uint32_t>(oid.size()));
    }
    out.insert(out.end(), oid.begin(), oid.end());
}

// A MAC key that has been read or typed must give exactly six octets; an empty one (no row
// read yet) gives nothing.
void AddMac(OidVector& out, const std::string& text) {
    QsOctets octets;
    if (text.empty()) {
        return;
    }
    if (!qs::ParseMacText(text, octets)) {
        qs::RaiseFrameworkError(qs::kBadMacText);
    }
    AddOctets(out, octets, false);
}

// The first 16 octets, no length, fewer giving nothing; an implied last key is every octet, as
// a row's instance read gives it.
void AddIPv6(OidVector& out, const std::string& text, bool implied) {
    const QsOctets octets = ParseHexText(text);
    if (implied) {
        AddOctets(out, octets, false);
    } else if (octets.size() >= 16) {
        AddOctets(out, QsOctets(octets.begin(), octets.begin() + 16), false);
    }
}

void AddDateNumber(OidVector& out, const std::string& text) {
    double d = 0;
    if (text.empty()) {
        return;
    }
    if (!qs::TextToDateTimeNumber(text, d)) {
        qs::RaiseFrameworkError(qs::err::BindValue);
    }
    AddHigh64(out, qs::DoubleBits(d), true);
}

OidVector EncodeKey(std::uint32_t syntax, const std::string& text, bool lengthFirst) {
    OidVector out;
    switch (syntax) {
    case SYN_BOOLEAN:
        out.push_back(text == "true" ? 1 : 0);
        break;
    case SYN_NULL:
        break;
    case SYN_OBJECTID:
        AddOid(out, text, lengthFirst);
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        AddIPv4(out, text, false);
        break;
    case SYN_TIMETICKS:
        out.push_back(ParseTicksText(text));
        break;
    case SYN_COUNTER64:
        AddHigh64(out, qs::AtolUint64(text), false);
        break;
    case SYN_DOUBLE:
        AddHigh64(out, qs::DoubleBits(qs::StrToDouble(text)), true);
        break;
    case SYN_BCDATETIME:
        AddDateNumber(out, text);
        break;
    case SYN_MACADDRESS:
        AddMac(out, text);
        break;
    case SYN_DATETIME:
        AddOctets(out, qs::DateTimeTextToOctets(text), false);
        break;
    case SYN_DISPLAYSTR:
        AddOctets(out, QsOctets(text.begin(), text.end()), lengthFirst);
        break;
    case SYN_IPV6ADDRESS:
        AddIPv6(out, text, !lengthFirst);
        break;
    case SYN_INETADDRESS:
        AddInet(out, text);
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_BITLIST:
        AddOctets(out, ParseHexText(text), lengthFirst);
        break;
    default: // integer, counter, guage, uinteger
        out.push_back(qs::AtolUint32(text));
        break;
    }
    return out;
}

} // namespace

std::string EncodeIndexPart(const QsSNMPVarList& list, int k) {
    const QsSNMPVar& var = *list.GetVar(k);
    qs::CheckValueSyntax(var.Syntax);
    const std::string text = var.OptionList != nullptr ? var.OptionList->TextToValue(var.Value) : var.Value;
    const bool lastAndImplied = k == list.PKeyCount - 1 && list.IsImplied(k);
    return qs::OidToText(EncodeKey(var.Syntax, text, !lastAndImplied));
}
