// The framework's own picture of an SNMP value and variable binding. Everything above the
// Net-SNMP adapter works with these types, so only the adapter knows the SNMP library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qs {

using OidVector = std::vector<std::uint32_t>;

// The BER tag a value travels with. The framework's syntax codes are not tags; the value
// conversion picks one of these for each syntax.
enum class SnmpType : std::uint8_t {
    Null = 0x05,
    Integer = 0x02,
    OctetString = 0x04,
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

struct SnmpValue {
    SnmpType type = SnmpType::Null;
    std::int32_t integer = 0;        // Integer
    std::uint32_t unsigned32 = 0;    // Counter32, Gauge32, TimeTicks
    std::uint64_t counter64 = 0;     // Counter64
    std::vector<std::uint8_t> bytes; // OctetString, Opaque, IpAddress (4 octets)
    OidVector oid;                   // ObjectId

    static SnmpValue null() { return {}; }
    static SnmpValue exception(SnmpType t) {
        SnmpValue v;
        v.type = t;
        return v;
    }
    static SnmpValue fromInt(std::int32_t i) {
        SnmpValue v;
        v.type = SnmpType::Integer;
        v.integer = i;
        return v;
    }
    static SnmpValue fromUnsigned(SnmpType t, std::uint32_t u) {
        SnmpValue v;
        v.type = t;
        v.unsigned32 = u;
        return v;
    }
    static SnmpValue fromCounter64(std::uint64_t u) {
        SnmpValue v;
        v.type = SnmpType::Counter64;
        v.counter64 = u;
        return v;
    }
    static SnmpValue fromBytes(SnmpType t, std::vector<std::uint8_t> b) {
        SnmpValue v;
        v.type = t;
        v.bytes = std::move(b);
        return v;
    }
    static SnmpValue fromOid(OidVector o) {
        SnmpValue v;
        v.type = SnmpType::ObjectId;
        v.oid = std::move(o);
        return v;
    }

    // Null and the SNMPv2 exceptions carry no value: they read as "missing".
    bool hasValue() const {
        return type != SnmpType::Null && type != SnmpType::NoSuchObject && type != SnmpType::NoSuchInstance &&
               type != SnmpType::EndOfMibView;
    }

    bool operator==(const SnmpValue&) const = default;
};

struct SnmpVarBind {
    OidVector oid;
    SnmpValue value;

    bool operator==(const SnmpVarBind&) const = default;
};

// Dotted decimal without a leading dot and without names: "1.3.6.1.2.1.1.5.0".
std::string OidToText(const OidVector& oid);
// Parses dotted decimal (a leading dot is allowed). Returns false on anything else, an
// empty text, or a sub-identifier above 2^32-1.
bool OidFromText(const std::string& text, OidVector& out);

} // namespace qs
