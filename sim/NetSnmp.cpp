#include "NetSnmp.h"

namespace krssim {

std::vector<VarBind> fromVariables(const netsnmp_variable_list* vars) {
    std::vector<VarBind> out;
    for (auto* v = vars; v; v = v->next_variable) {
        VarBind vb;
        vb.oid.assign(v->name, v->name + v->name_length);
        vb.value.type = static_cast<Type>(v->type);
        switch (v->type) {
        case ASN_INTEGER:
            vb.value.number = static_cast<std::uint64_t>(static_cast<std::int64_t>(*v->val.integer));
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            vb.value.number = static_cast<std::uint64_t>(*v->val.integer) & 0xffffffffu;
            break;
        case ASN_COUNTER64:
            vb.value.number =
                (static_cast<std::uint64_t>(v->val.counter64->high) << 32) | v->val.counter64->low;
            break;
        case ASN_OBJECT_ID:
            vb.value.oid.assign(v->val.objid, v->val.objid + v->val_len / sizeof(oid));
            break;
        case ASN_OCTET_STR:
        case ASN_IPADDRESS:
        case ASN_OPAQUE:
        case ASN_BIT_STR:
            vb.value.bytes.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
            break;
        default:
            break;
        }
        out.push_back(std::move(vb));
    }
    return out;
}

void appendVariable(netsnmp_variable_list** list, const VarBind& vb) {
    std::vector<oid> name(vb.oid.begin(), vb.oid.end());
    const Value& value = vb.value;
    auto type = static_cast<u_char>(value.type);
    long integer = static_cast<long>(value.integer());
    unsigned long unsigned32 = static_cast<unsigned long>(value.number & 0xffffffffu);
    counter64 c64{static_cast<u_long>(value.number >> 32), static_cast<u_long>(value.number & 0xffffffffu)};
    std::vector<oid> objid(value.oid.begin(), value.oid.end());
    const void* data = nullptr;
    std::size_t len = 0;
    switch (value.type) {
    case Type::Integer:
        data = &integer, len = sizeof integer;
        break;
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks:
        data = &unsigned32, len = sizeof unsigned32;
        break;
    case Type::Counter64:
        data = &c64, len = sizeof c64;
        break;
    case Type::ObjectId:
        data = objid.data(), len = objid.size() * sizeof(oid);
        break;
    case Type::OctetString:
    case Type::IpAddress:
    case Type::Opaque:
        data = value.bytes.data(), len = value.bytes.size();
        break;
    default:
        break;
    }
    snmp_varlist_add_variable(list, name.data(), name.size(), type, data, len);
}

} // namespace krssim
