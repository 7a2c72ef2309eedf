// The framework's name lists. Nothing looks names up in them; they name the codes for
// diagnostics and tools.
#include "QsSNMPVarList.h"

namespace {

const QsOption kItemTypeNames[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {}};

const QsOption kSyntaxNames[] = {{SYN_INTEGER, "integer"},
                                 {SYN_BITSTR, "bitstr"},
                                 {SYN_OCTETSTR, "octetstr"},
                                 {SYN_NULL, "null"},
                                 {SYN_OBJECTID, "objectid"},
                                 {SYN_IPADDRESS, "ipaddress"},
                                 {SYN_COUNTER, "counter"},
                                 {SYN_GUAGE, "guage"},
                                 {SYN_TIMETICKS, "timeticks"},
                                 {SYN_OPAQUE, "opaque"},
                                 {SYN_COUNTER64, "counter64"},
                                 {SYN_BOOLEAN, "boolean"},
                                 {SYN_NSAPADDR, "nsapaddr"},
                                 {SYN_UINTEGER, "uinteger"},
                                 {SYN_DOUBLE, "double"},
                                 {SYN_MACADDRESS, "macaddress"},
                                 {SYN_DATETIME, "datetime"},
                                 {SYN_BCDATETIME, "bcdatetime"},
                                 {SYN_DISPLAYSTR, "displaystr"},
                                 {SYN_BOOL8, "bool8"},
                                 {SYN_INT8, "int8"},
                                 {SYN_UINT8, "uint8"},
                                 {SYN_BOOL16, "bool16"},
                                 {SYN_INT16, "int16"},
                                 {SYN_UINT16, "uint16"},
                                 {SYN_IPV6ADDRESS, "ipv6address"},
                                 {SYN_BITLIST, "bitlist"},
                                 {SYN_INETADDRESS, "inetaddress"},
                                 {}};

const QsOption kAccessNames[] = {{ACC_NOTACCESS, "notaccess"}, {ACC_READONLY, "readonly"},
                                 {ACC_WRITEONLY, "writeonly"}, {ACC_READWRITE, "readwrite"},
                                 {ACC_DERIVED, "derived"},     {ACC_HIDDEN, "hidden"},
                                 {ACC_INVALID, "invalid"},     {}};

} // namespace

const QsOptionList& ItemTypeNames() {
    static const QsOptionList list(kItemTypeNames, OVT_INT);
    return list;
}

const QsOptionList& SyntaxNames() {
    static const QsOptionList list(kSyntaxNames, OVT_INT);
    return list;
}

const QsOptionList& AccessNames() {
    static const QsOptionList list(kAccessNames, OVT_INT);
    return list;
}
