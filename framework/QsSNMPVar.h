// MIB variable descriptors: the syntax codes, the access flags, the static descriptor row and
// the run-time variable that a list owns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QsOptionList;

// Syntax codes. 2-6 and 64-71 are the SNMP BER tags of those types; the others are our own.
// 193-198 describe parts inside an octet string and are understood only by the binding driver.
enum QsSNMPSyntax : std::uint32_t {
    SYN_BOOLEAN = 1,
    SYN_INTEGER = 2,
    SYN_BITSTR = 3,
    SYN_OCTETSTR = 4,
    SYN_NULL = 5,
    SYN_OBJECTID = 6,
    SYN_IPADDRESS = 64,
    SYN_COUNTER = 65,
    SYN_GUAGE = 66,
    SYN_TIMETICKS = 67,
    SYN_OPAQUE = 68,
    SYN_NSAPADDR = 69,
    SYN_COUNTER64 = 70,
    SYN_UINTEGER = 71,
    SYN_DOUBLE = 72,
    SYN_MACADDRESS = 73,
    SYN_DATETIME = 74,
    SYN_BCDATETIME = 75,
    SYN_DISPLAYSTR = 76,
    SYN_IPV6ADDRESS = 77,
    SYN_BITLIST = 78,
    SYN_INETADDRESS = 81,
    SYN_BOOL8 = 193,
    SYN_INT8 = 194,
    SYN_UINT8 = 195,
    SYN_BOOL16 = 196,
    SYN_INT16 = 197,
    SYN_UINT16 = 198,
};

// Access flags, tested bit by bit; ACC_INVALID always wins.
enum QsSNMPAccess : std::uint32_t {
    ACC_NOTACCESS = 1, // index column: value comes from the row's instance suffix
    ACC_READONLY = 2,  // read by GET and GET-NEXT
    ACC_WRITEONLY = 4, // written by SET
    ACC_READWRITE = 6,
    ACC_DERIVED = 8,  // a list-view column that is not read
    ACC_HIDDEN = 16,  // only a zero-width list-view column
    ACC_INVALID = 32, // left out of the next GET, SET and list view
    ACC_IMPLIED = 64, // variable-length index without a leading length
};

// The OID text of an index column in a descriptor table: one blank, never sent.
inline constexpr const char* kIndexOid = " ";

// One row of a static descriptor table (read-only data). A table ends at the first row whose
// Oid is null:
//   static const QsSNMPVarDesc kTable[] = {{"1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
//                                          {nullptr}};
struct QsSNMPVarDesc {
    const char* Oid;
    const char* Name;
    std::uint32_t Syntax;
    std::uint32_t Access;
    const QsOptionList* OptionList; // shared, owned by the MIB dictionary
    const char* GetFormula;
    const char* SetFormula;
    const char* Reserved;
    const char* Value;      // optional initial value text
    const char* CurrentOid; // optional initial current OID
};

// One variable owned by a list. Formulas and the reserved text may be absent, which is not the
// same as empty; the value and the current OID always exist.
struct QsSNMPVar {
    std::string Oid;
    std::string Name;
    std::uint32_t Syntax = 0;
    std::uint32_t Access = 0;
    const QsOptionList* OptionList = nullptr;
    std::optional<std::string> GetFormula;
    std::optional<std::string> SetFormula;
    std::optional<std::string> Reserved;
    std::string Value;
    std::string CurrentOid;

    QsSNMPVar() = default;
    explicit QsSNMPVar(const QsSNMPVarDesc& row);
};
