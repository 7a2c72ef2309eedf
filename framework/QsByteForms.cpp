#include "QsByteForms.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "Exceptions.h"
#include "QsSNMPVar.h"
#include "QsValueTexts.h"
#include "SnmpErrors.h"
#include "TextNumbers.h"

#include <QString>
#include <vector>

namespace {

constexpr int kRest = -1; // part width: every remaining byte

QsOctets LittleEndian(std::uint64_t value, int count) {
    QsOctets out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return out;
}

std::uint64_t ReadLittleEndian(const QsOctets& bytes, std::size_t from, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        const std::size_t at = from + static_cast<std::size_t>(i);
        value = (value << 8) | (at < bytes.size() ? bytes[at] : 0u);
    }
    return value;
}

QsOctets BigEndian16(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

// The dotted components read as atol numbers (low 32 bits); an empty text is one component.
std::vector<std::uint32_t> DottedNumbers(const std::string& text) {
    std::vector<std::uint32_t> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        out.push_back(qs::AtolUint32(text.substr(start, dot == std::string::npos ? dot : dot - start)));
        if (dot == std::string::npos) {
            return out;
        }
        start = dot + 1;
    }
}

// Each component's low 8 bits as one byte.
QsOctets DottedBytes(const std::string& text) {
    QsOctets out;
    for (const std::uint32_t n : DottedNumbers(text)) {
        out.push_back(static_cast<std::uint8_t>(n));
    }
    return out;
}

// Each sub-identifier as a 4-byte little-endian integer; the empty text has none. Any other text
// that is not a dotted OID raises the OID error rather than give sub-identifiers nobody typed.
QsOctets OidBytes(const std::string& text) {
    QsOctets out;
    qs::OidVector oid;
    if (text.empty()) {
        return out;
    }
    if (!qs::OidFromText(text, oid)) {
        qs::RaiseFrameworkError(qs::kBadOidText);
    }
    for (const std::uint32_t n : oid) {
        const QsOctets sub = LittleEndian(n, 4);
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

// Texts with "-" or "." separators must give exactly six octets; plain hex is read as it is.
QsOctets MacBytes(const std::string& text) {
    if (text.find_first_of("-.") == std::string::npos) {
        return ParseHexText(text);
    }
    QsOctets out;
    if (!qs::ParseMacText(text, out)) {
        qs::RaiseFrameworkError(qs::kBadMacText);
    }
    return out;
}

std::string OidText(const QsOctets& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        text += (i == 0 ? "" : ".") + std::to_string(ReadLittleEndian(bytes, i, 4));
    }
    return text;
}

std::string DottedText(const QsOctets& bytes) {
    return qs::FormatIPv4(bytes.data());
}

QsOctets BcDateTimeBytes(const std::string& text) {
    double d = 0;
    if (!qs::TextToDateTimeNumber(text, d)) {
        throw EConvertError(
            QStringLiteral("'%1' is not a valid date and time").arg(QString::fromStdString(text)));
    }
    return qs::DoubleOctets(d);
}

QsOctets Flag(const std::string& text, int count, bool bigEndian) {
    const std::uint64_t v = text == "true" ? 1 : 0;
    return bigEndian ? BigEndian16(static_cast<std::uint32_t>(v)) : LittleEndian(v, count);
}

QsOctets InetBytes(const std::string& text) {
    if (text != qs::kNullText && text.size() <= 16) {
        return DottedBytes(text);
    }
    return ParseHexText(text);
}

// The fewest bytes OctetsToText reads for the syntax.
std::size_t MinimumBytes(std::uint32_t syntax) {
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
    case SYN_TIMETICKS:
    case SYN_INETADDRESS:
        return 4;
    case SYN_COUNTER64:
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return 8;
    case SYN_MACADDRESS:
        return 6;
    case SYN_DATETIME:
        return 11;
    case SYN_IPV6ADDRESS:
        return 16;
    case SYN_BOOL16:
    case SYN_INT16:
    case SYN_UINT16:
        return 2;
    default:
        return 1;
    }
}

int PartWidth(std::uint32_t syntax, std::size_t total) {
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_BITLIST:
    case SYN_OBJECTID:
    case SYN_DISPLAYSTR:
        return kRest;
    case SYN_NULL:
        return 0;
    case SYN_INETADDRESS:
        return total > 15 ? 16 : 4;
    default:
        return static_cast<int>(MinimumBytes(syntax));
    }
}

QsOctets NumberBytes(const std::string& text, std::uint32_t syntax) {
    switch (syntax) {
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return LittleEndian(qs::AtolUint32(text), 4);
    case SYN_TIMETICKS:
        return LittleEndian(ParseTicksText(text), 4);
    case SYN_COUNTER64:
        return LittleEndian(qs::AtolUint64(text), 8);
    case SYN_DOUBLE:
        return qs::DoubleOctets(qs::StrToDouble(text));
    case SYN_INT8:
    case SYN_UINT8:
        return LittleEndian(qs::AtolUint32(text), 1);
    default: // int16, uint16
        return BigEndian16(qs::AtolUint32(text));
    }
}

std::string NumberText(const QsOctets& b, std::uint32_t syntax) {
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8:
    case SYN_BOOL16:
        return ReadLittleEndian(b, 0, static_cast<int>(MinimumBytes(syntax))) != 0 ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(static_cast<std::int32_t>(ReadLittleEndian(b, 0, 4)));
    case SYN_TIMETICKS:
        return FormatTicksText(static_cast<std::uint32_t>(ReadLittleEndian(b, 0, 4)));
    case SYN_COUNTER64:
        return std::to_string(ReadLittleEndian(b, 0, 8));
    case SYN_INT8:
        return std::to_string(static_cast<std::int8_t>(b[0]));
    case SYN_UINT8:
        return std::to_string(b[0]);
    case SYN_INT16:
    case SYN_UINT16:
        return std::to_string((b[0] << 8) | b[1]);
    default: // counter, guage, uinteger
        return std::to_string(ReadLittleEndian(b, 0, 4));
    }
}

std::string InetText(const QsOctets& bytes) {
    return bytes.size() >= 16 ? FormatHexText(bytes) : DottedText(bytes);
}

void CheckByteForm(std::uint32_t syntax) {
    if (!qs::HasByteForm(syntax)) {
        qs::RaiseFrameworkError(qs::err::BadSyntax);
    }
}

} // namespace

namespace qs {

bool HasByteForm(std::uint32_t syntax) {
    return IsValueSyntax(syntax) || (syntax >= SYN_BOOL8 && syntax <= SYN_UINT16);
}

} // namespace qs

QsOctets TextToOctets(const std::string& text, std::uint32_t syntax) {
    CheckByteForm(syntax);
    if (text == qs::kNotDoneText || (text == qs::kNullText && syntax != SYN_INETADDRESS)) {
        return {};
    }
    switch (syntax) {
    case SYN_BOOLEAN:
        return Flag(text, 4, false);
    case SYN_BOOL8:
        return Flag(text, 1, false);
    case SYN_BOOL16:
        return Flag(text, 2, true);
    case SYN_NULL:
        return {};
    case SYN_OBJECTID:
        return OidBytes(text);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return DottedBytes(text);
    case SYN_MACADDRESS:
        return MacBytes(text);
    case SYN_DATETIME:
        return qs::DateTimeTextToOctets(text);
    case SYN_BCDATETIME:
        return BcDateTimeBytes(text);
    case SYN_DISPLAYSTR:
        return QsOctets(text.begin(), text.end());
    case SYN_INETADDRESS:
        return InetBytes(text);
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_BITLIST:
    case SYN_IPV6ADDRESS:
        return ParseHexText(text);
    default:
        return NumberBytes(text, syntax);
    }
}

std::string OctetsToText(const QsOctets& bytes, std::uint32_t syntax) {
    CheckByteForm(syntax);
    if (syntax == SYN_DISPLAYSTR && bytes.empty()) {
        return {};
    }
    if (syntax == SYN_NULL || bytes.empty()) {
        return qs::kNullText;
    }
    if (bytes.size() < MinimumBytes(syntax)) {
        qs::RaiseFrameworkError(qs::err::BindValue);
    }
    switch (syntax) {
    case SYN_OBJECTID:
        return OidText(bytes);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return DottedText(bytes);
    case SYN_DOUBLE:
        return qs::DoubleToText(qs::DoubleFromBits(ReadLittleEndian(bytes, 0, 8)));
    case SYN_BCDATETIME:
        return qs::DateTimeNumberToText(qs::DoubleFromBits(ReadLittleEndian(bytes, 0, 8)));
    case SYN_DATETIME:
        return qs::DateTimeOctetsToText(bytes);
    case SYN_DISPLAYSTR:
        return FormatPlainText(bytes);
    case SYN_INETADDRESS:
        return InetText(bytes);
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_BITLIST:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        return FormatHexText(bytes);
    default:
        return NumberText(bytes, syntax);
    }
}

QsOctets ExtractPart(const QsOctets& bytes, int position, std::uint32_t syntax) {
    CheckByteForm(syntax);
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int width = PartWidth(syntax, bytes.size());
    const int end = width == kRest ? size : position + width;
    if (position < 0 || position >= size || end > size) {
        qs::RaiseFrameworkError(qs::err::BindIndex);
    }
    return QsOctets(bytes.begin() + position, bytes.begin() + end);
}
