// A value held by the simulated device, with the walk-text form that data files use
// ("INTEGER: 5", "STRING: \"core-sw-1\"", "Hex-STRING: 00 1A", "Timeticks: (100) 0:00:01.00").
#pragma once

#include "Oid.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace krssim {

// The BER tags of the SNMP types and of the v2 exception values.
enum class Type : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

struct Value {
    Type type = Type::Null;
    std::uint64_t number = 0; // INTEGER (two's complement), Counter32, Gauge32, TimeTicks, Counter64
    std::string bytes;        // OCTET STRING, Opaque, IpAddress (4 octets)
    Oid oid;                  // OBJECT IDENTIFIER

    std::int64_t integer() const { return static_cast<std::int64_t>(number); }
    bool operator==(const Value&) const = default;

    static Value ofInteger(std::int64_t i) { return {Type::Integer, static_cast<std::uint64_t>(i), {}, {}}; }
    static Value ofBytes(std::string b) { return {Type::OctetString, 0, std::move(b), {}}; }
    static Value ofUnsigned(Type t, std::uint64_t u) { return {t, u, {}, {}}; }
    static Value exception(Type t) { return {t, 0, {}, {}}; }
};

// The type's name as the journal and the data file write it ("INTEGER", "Counter64", ...).
std::string typeName(Type type);

// Parses the text after " = " of a walk line. On failure returns false and says why.
bool parseValue(std::string_view text, Value& value, std::string& error);

// The walk-text form; parseValue reads it back to the same value.
std::string formatValue(const Value& value);

// Only the value part, without the type prefix (for the journal).
std::string valueText(const Value& value);

} // namespace krssim
