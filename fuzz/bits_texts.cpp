// BITS texts: a received octet-string value text read as names with each name table, and a
// name text turned back into a value.
#include "FuzzInput.h"
#include "LldpBitSets.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<const qs::LldpNameTable*, 5> kTables = {
        &qs::PortTlvNames, &qs::Dot3TlvNames, &qs::LinkAggStatusNames, &qs::LocalCapabilityNames,
        &qs::RemoteCapabilityNames};
    qs::fuzz::FuzzInput in(data, size);
    const qs::LldpNameTable& names = *kTables[in.Byte() % kTables.size()];
    const std::string text = in.Rest();
    qs::HexTextToInt(text);
    qs::NameTextToBits(qs::BitsToNameText(text, names), names);
    qs::NameTextToBits(text, names);
    return 0;
}
