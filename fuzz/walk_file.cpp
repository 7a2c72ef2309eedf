// krs-sim's data files: any text read as a walk file and, when it loads, written back and read
// again, which must load and hold the same values.
#include "FuzzInput.h"
#include "WalkFile.h"

#include <cstdio>
#include <cstdlib>
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
    if (!krssim::loadWalk(again, "saved.walk", reread, error) || reread.values() != store.values()) {
        std::fprintf(stderr, "walk file: a saved walk does not read back as saved: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
