// Object identifiers as the simulator keeps them: a vector of sub-identifiers, ordered
// lexicographically, which is exactly the order GET-NEXT walks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krssim {

using Oid = std::vector<std::uint32_t>;

// Parses ".1.3.6.1" or "1.3.6.1"; nothing when the text is not a dotted OID.
std::optional<Oid> parseOid(std::string_view text);

// Formats with a leading dot, as snmpwalk -On prints.
std::string formatOid(const Oid& oid);

bool startsWith(const Oid& oid, const Oid& prefix);

} // namespace krssim
