// The edit-format language: any text split into formats and each parsed, with the bounds it
// gives written as the exit messages write them.
#include "EditFormat.h"
#include "FuzzInput.h"
#include "QsException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> formats = qs::SplitEditFormat(text);
    formats.push_back(text);
    for (const std::string& format : formats) {
        try {
            const qs::EditFormat f = qs::ParseEditFormat(format);
            qs::FormatBound(f.minimum);
            qs::FormatBound(f.maximum);
        } catch (const QsException&) {
        }
    }
    return 0;
}
