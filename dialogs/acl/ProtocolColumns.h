// The protocol rule of the IPv4 rule editors: by the position of the rule's protocol, the
// protocol columns that do not belong to it and are left out of a write.
#pragma once

#include <span>
#include <vector>

namespace qs {

class AccessMarks;

struct ProtocolColumns {
    std::vector<int> leftOut;
};

// Leaves out the columns of table[position]; a position outside the table leaves out nothing.
void ExcludeProtocolColumns(AccessMarks& marks, std::span<const ProtocolColumns> table, int position);

} // namespace qs
