// krs-sim's data files: any text read as a walk file and, when it loads, written back and read
// again.
#include "FuzzInput.h"
#include "WalkFile.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    krssim::MibStore store;
    std::string error;
    if (!krssim::loadWalk(in, "fuzz.walk", store, error)) {
        return 0;
    }
    std::ostringstream out;
    krssim::saveWalk(out, store);
    std::istringstream again(out.str());
    krssim::MibStore reread;
    krssim::loadWalk(again, "saved.walk", reread, error);
    return 0;
}
