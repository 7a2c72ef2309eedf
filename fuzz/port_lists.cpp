// Port-list texts: a received bit list shown as ports, and a typed port text read into a map as
// wide as a template (given, or the one the text itself calls for).
#include "FuzzInput.h"
#include "PortListTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const bool withHex = in.Byte() % 2 == 0;
    const std::string hex = in.Text('\n');
    const std::string ports = in.Rest();
    const std::string shown = BitListToPortText(hex, withHex);
    TextInBrackets(shown);
    TextInBrackets(ports);
    std::string out;
    PortTextToBitList(ports, hex, out);
    const std::string wide = qs::PortTemplateFor(ports);
    if (!wide.empty() && PortTextToBitList(ports, wide, out)) {
        BitListToPortText(out, withHex);
    }
    return 0;
}
