// The SNMPv3 engine-boots file: any contents, and two engine IDs (as agents send them, any
// octets) whose counts are saved and read back. A saved count reads back as saved, the other
// engine's count survives a save of the first, and an entry of a third engine already in the file
// reads the same after both saves.
#include "BootCounterFile.h"
#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace {

namespace bc = qs::bootcounter;

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "boot counter: %s\n", what);
        std::abort();
    }
}

std::string EngineId(qs::fuzz::FuzzInput& in) {
    const std::vector<std::uint8_t> octets = in.Bytes(in.Byte() % 36);
    return {octets.begin(), octets.end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const std::string first = EngineId(in);
    const std::string second = EngineId(in);
    const std::string third = EngineId(in);
    const unsigned firstBoots = in.Uint32();
    const unsigned secondBoots = in.Uint32();
    const qs::fuzz::TempFile file("snmpv3_boot_counter", in.Rest());
    unsigned thirdBefore = 0;
    const int thirdRead = bc::Read(file.Name(), third, thirdBefore);

    const int savedFirst = bc::Save(file.Name(), first, firstBoots);
    const int savedSecond = bc::Save(file.Name(), second, secondBoots);
    unsigned boots = 0;
    if (savedSecond == bc::Ok) {
        Expect(bc::Read(file.Name(), second, boots) == bc::Ok && boots == secondBoots,
               "a saved count reads back as saved");
    }
    if (savedFirst == bc::Ok && savedSecond == bc::Ok && first != second) {
        Expect(bc::Read(file.Name(), first, boots) == bc::Ok && boots == firstBoots,
               "a save keeps the other engines' counts");
    }
    if (third != first && third != second && savedFirst == bc::Ok && savedSecond == bc::Ok) {
        unsigned thirdAfter = 0;
        Expect(bc::Read(file.Name(), third, thirdAfter) == thirdRead && thirdAfter == thirdBefore,
               "an engine's entry reads the same after saves of others");
    }
    std::remove((file.Name() + ".tmp").c_str());
    return 0;
}
