// PDU building and binding decoding for the SNMP adapter.
#include "SnmpAdapterLib.h"
#include "SnmpStandIn.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstring>

namespace qs::detail {
namespace {

std::vector<oid> ToLibraryOid(const OidVector& in) {
    return std::vector<oid>(in.begin(), in.end());
}

int PduCommand(PduKind kind) {
    switch (kind) {
    case PduKind::Get:
        return SNMP_MSG_GET;
    case PduKind::GetNext:
        return SNMP_MSG_GETNEXT;
    case PduKind::Set:
        break;
    }
    return SNMP_MSG_SET;
}

// Appends one binding with its value; false when the library refuses it.
bool AddBinding(snmp_pdu* pdu, const SnmpVarBind& vb) {
    const std::vector<oid> name = ToLibraryOid(vb.oid);
    const SnmpValue& v = vb.value;
    netsnmp_variable_list* added = nullptr;
    switch (v.type) {
    case SnmpType::Integer: {
        long i = v.integer;
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &i, sizeof(i));
        break;
    }
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks: {
        unsigned long u = v.unsigned32;
        added =
            snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.type), &u, sizeof(u));
        break;
    }
    case SnmpType::Counter64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.counter64 >> 32);
        c.low = static_cast<u_long>(v.counter64 & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof(c));
        break;
    }
    case SnmpType::OctetString:
    case SnmpType::Opaque:
    case SnmpType::IpAddress:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.type),
                                      v.bytes.data(), v.bytes.size());
        break;
    case SnmpType::ObjectId: {
        const std::vector<oid> value = ToLibraryOid(v.oid);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                      value.size() * sizeof(oid));
        break;
    }
    default:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

std::uint32_t Unsigned32(const netsnmp_variable_list* var) {
    return var->val.integer ? static_cast<std::uint32_t>(*var->val.integer) : 0u;
}

std::vector<std::uint8_t> Octets(const netsnmp_variable_list* var) {
    if (!var->val.string || var->val_len == 0) {
        return {};
    }
    return std::vector<std::uint8_t>(var->val.string, var->val.string + var->val_len);
}

SnmpValue DecodeValue(const netsnmp_variable_list* var) {
    switch (var->type) {
    case ASN_INTEGER:
        return SnmpValue::fromInt(var->val.integer ? static_cast<std::int32_t>(*var->val.integer) : 0);
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        return SnmpValue::fromUnsigned(static_cast<SnmpType>(var->type), Unsigned32(var));
    case ASN_UINTEGER:
        return SnmpValue::fromUnsigned(SnmpType::Gauge32, Unsigned32(var));
    case ASN_COUNTER64: {
        if (!var->val.counter64 || var->val_len < sizeof(counter64)) {
            return SnmpValue::null();
        }
        const auto high = static_cast<std::uint64_t>(var->val.counter64->high & 0xFFFFFFFFu);
        const auto low = static_cast<std::uint64_t>(var->val.counter64->low & 0xFFFFFFFFu);
        return SnmpValue::fromCounter64((high << 32) | low);
    }
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        return SnmpValue::fromBytes(static_cast<SnmpType>(var->type), Octets(var));
    case ASN_OBJECT_ID: {
        OidVector o;
        const std::size_t n = var->val.objid ? var->val_len / sizeof(oid) : 0;
        for (std::size_t i = 0; i < n; ++i) {
            o.push_back(static_cast<std::uint32_t>(var->val.objid[i]));
        }
        return SnmpValue::fromOid(std::move(o));
    }
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        return SnmpValue::exception(static_cast<SnmpType>(var->type));
    default:
        return SnmpValue::null();
    }
}

} // namespace

snmp_pdu* BuildPdu(PduKind kind, const std::vector<SnmpVarBind>& vbs) {
    snmp_pdu* pdu = snmp_pdu_create(PduCommand(kind));
    if (!pdu) {
        return nullptr;
    }
    for (const SnmpVarBind& vb : vbs) {
        if (vb.oid.empty() || vb.oid.size() > MAX_OID_LEN || !AddBinding(pdu, vb)) {
            snmp_free_pdu(pdu);
            return nullptr;
        }
    }
    return pdu;
}

std::vector<SnmpVarBind> DecodeVarBinds(const variable_list* vars) {
    std::vector<SnmpVarBind> out;
    for (const netsnmp_variable_list* var = vars; var; var = var->next_variable) {
        SnmpVarBind vb;
        if (var->name) {
            vb.oid.assign(var->name, var->name + var->name_length);
        }
        vb.value = DecodeValue(var);
        out.push_back(std::move(vb));
    }
    return out;
}

std::vector<SnmpVarBind> NamesOnly(const std::vector<SnmpVarBind>& vbs) {
    std::vector<SnmpVarBind> out;
    out.reserve(vbs.size());
    for (const SnmpVarBind& vb : vbs) {
        out.push_back(SnmpVarBind{vb.oid, SnmpValue::null()});
    }
    return out;
}

} // namespace qs::detail

namespace qs {

SnmpReply ReplyOfResponse(long errorStatus, long errorIndex, std::vector<SnmpVarBind> vbs) {
    SnmpReply reply;
    reply.status =
        errorStatus >= 0 && errorStatus <= 18 ? static_cast<int>(errorStatus) : status::UnknownAgentError;
    const auto count = static_cast<long>(vbs.size());
    reply.errorIndex = errorIndex >= 0 && errorIndex <= count ? static_cast<int>(errorIndex) : 0;
    reply.vbs = std::move(vbs);
    return reply;
}

} // namespace qs
