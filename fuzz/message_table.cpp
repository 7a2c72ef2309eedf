// Message files: any contents split into entries, loaded into a table and every entry read.
#include "FuzzInput.h"
#include "MessageTable.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<const char*, 2> kBuiltIn = {"first", "second"};
    const std::string content(reinterpret_cast<const char*>(data), size);
    qs::SplitMessageLines(content);
    const qs::fuzz::TempFile file("table.msg", content);
    qs::MessageTable table(kBuiltIn);
    LoadMessageTable(table, file.Name());
    for (int entry = -1; entry <= static_cast<int>(table.Size()); ++entry) {
        table.Text(entry);
    }
    return 0;
}
