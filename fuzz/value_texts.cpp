// The value texts of every syntax: a received value of any type read by a variable of any syntax,
// its text sent back, an arbitrary text sent, and the byte forms of both. Round trips: a received
// value's text, sent and read again, gives the same text; its byte form, turned into text and
// back, gives the same bytes.
#include "FuzzInput.h"
#include "QsByteForms.h"
#include "QsException.h"
#include "QsValueTexts.h"
#include "SyntaxChoice.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

using qs::SnmpType;
using qs::SnmpValue;

constexpr std::array<SnmpType, 13> kTypes = {
    SnmpType::Null,        SnmpType::Integer,   SnmpType::OctetString,  SnmpType::ObjectId,
    SnmpType::IpAddress,   SnmpType::Counter32, SnmpType::Gauge32,      SnmpType::TimeTicks,
    SnmpType::Opaque,      SnmpType::Counter64, SnmpType::NoSuchObject, SnmpType::NoSuchInstance,
    SnmpType::EndOfMibView};

// A value as the adapter could hand it over: any type, with any payload.
SnmpValue ValueFrom(qs::fuzz::FuzzInput& in) {
    SnmpValue v;
    v.type = kTypes[in.Byte() % kTypes.size()];
    v.integer = static_cast<std::int32_t>(in.Uint32());
    v.unsigned32 = in.Uint32();
    v.counter64 = (static_cast<std::uint64_t>(in.Uint32()) << 32) | in.Uint32();
    v.bytes = in.Bytes(in.Byte());
    const std::size_t subIds = in.Byte() % 16;
    for (std::size_t i = 0; i < subIds; ++i) {
        v.oid.push_back(in.Uint32());
    }
    return v;
}

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "value texts: %s\n", what);
        std::abort();
    }
}

// The text sent, read back as the value that went out, reads as the text (for a text that a
// received value gave; the empty text of a value too short for its syntax is no value to send).
void SendText(QsSNMPVar& var, const std::string& text, bool received) {
    var.Value = text;
    try {
        const SnmpValue sent = FillVb(var);
        Expect(!received || text.empty() || StoreVbText(var, sent) == text,
               "a received value's text sent reads the same");
    } catch (const QsException&) {
    }
    try {
        const QsOctets octets = TextToOctets(text, var.Syntax);
        const std::string again = OctetsToText(octets, var.Syntax);
        // For a received value's text; any other text may have no byte form that reads back (an
        // inetaddress text that is no dotted address, a plain text cut at a zero character).
        Expect(!received || text.find('\0') != std::string::npos || TextToOctets(again, var.Syntax) == octets,
               "a byte form's text reads back as the bytes");
    } catch (const QsException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    QsSNMPVar var;
    var.Syntax = qs::fuzz::PickSyntax(in, false);
    const int position = in.Byte();
    const SnmpValue value = ValueFrom(in);
    try {
        SendText(var, StoreVbText(var, value), true);
    } catch (const QsException&) {
    }
    try {
        OctetsToText(value.bytes, var.Syntax);
        ExtractPart(value.bytes, position, var.Syntax);
    } catch (const QsException&) {
    }
    SendText(var, in.Rest(), false);
    return 0;
}
