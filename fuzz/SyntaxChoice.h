// Every syntax code the framework knows, for harnesses that pick one from their input: the value
// syntaxes first, then those of parts inside an octet string.
#pragma once

#include "FuzzInput.h"
#include "QsSNMPVar.h"

#include <array>

namespace qs::fuzz {

inline constexpr std::array<std::uint32_t, 28> kSyntaxes = {
    SYN_BOOLEAN,    SYN_INTEGER,     SYN_BITSTR,  SYN_OCTETSTR,    SYN_NULL,     SYN_OBJECTID,
    SYN_IPADDRESS,  SYN_COUNTER,     SYN_GUAGE,   SYN_TIMETICKS,   SYN_OPAQUE,   SYN_NSAPADDR,
    SYN_COUNTER64,  SYN_UINTEGER,    SYN_DOUBLE,  SYN_MACADDRESS,  SYN_DATETIME, SYN_BCDATETIME,
    SYN_DISPLAYSTR, SYN_IPV6ADDRESS, SYN_BITLIST, SYN_INETADDRESS, SYN_BOOL8,    SYN_INT8,
    SYN_UINT8,      SYN_BOOL16,      SYN_INT16,   SYN_UINT16};
inline constexpr std::size_t kValueSyntaxCount = 22;

// Any syntax code, or with valueOnly one of the value syntaxes.
inline std::uint32_t PickSyntax(FuzzInput& in, bool valueOnly) {
    return kSyntaxes[in.Byte() % (valueOnly ? kValueSyntaxCount : kSyntaxes.size())];
}

} // namespace qs::fuzz
