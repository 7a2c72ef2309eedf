// The registry file: any contents, a key named by the input opened (and created when missing,
// which writes the file) and a value read from it.
#include "Registry.h"
#include "FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const bool create = in.Byte() % 2 == 0;
    const std::string path = in.Text('\n');
    const std::string name = in.Text('\n');
    const qs::fuzz::TempFile file("registry.ini", in.Rest());
    ::setenv("KRS_REGISTRY_FILE", file.Name().c_str(), 1);
    if (const auto key = qs::RegistryKey::Open(path, create)) {
        key->ReadString(name);
    }
    if (const auto key = qs::RegistryKey::Open("\\SOFTWARE\\Torvik\\Modules\\HelpPath", false)) {
        key->ReadString("Path");
    }
    return 0;
}
