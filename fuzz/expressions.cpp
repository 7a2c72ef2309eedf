// Row conditions and variable formulas after the values an agent sent have been put in: any
// text evaluated both ways.
#include "Expressions.h"
#include "FuzzInput.h"
#include "QsException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        EvalCondition(text);
    } catch (const QsException&) {
    }
    EvalArithmetic(text);
    qs::FormatGeneral(qs::LeadingReal(text));
    return 0;
}
