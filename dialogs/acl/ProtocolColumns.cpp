#include "ProtocolColumns.h"

#include "AccessMarks.h"

namespace qs {

void ExcludeProtocolColumns(AccessMarks& marks, std::span<const ProtocolColumns> table, int position) {
    if (position >= 0 && position < static_cast<int>(table.size())) {
        marks.Exclude(table[static_cast<std::size_t>(position)].leftOut);
    }
}

} // namespace qs
