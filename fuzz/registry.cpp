// The registry file: any contents, a key named by the input opened (and created when missing,
// which writes the file) and a value read from it. A key that opens, or was created, opens again
// from the file; creating it changes no value a key held.
#include "Registry.h"
#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kHelpKey = "\\SOFTWARE\\Torvik\\Modules\\HelpPath";

void Expect(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "registry: %s\n", what);
        std::abort();
    }
}

std::string HelpPath() {
    const auto key = qs::RegistryKey::Open(kHelpKey, false);
    return key ? key->ReadString("Path") : "(none)";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const bool create = in.Byte() % 2 == 0;
    const std::string path = in.Text('\n');
    const std::string name = in.Text('\n');
    const qs::fuzz::TempFile file("registry.ini", in.Rest());
    ::setenv("KRS_REGISTRY_FILE", file.Name().c_str(), 1);
    const std::string helpBefore = HelpPath();
    const bool existed = qs::RegistryKey::Open(path, false).has_value();
    if (const auto key = qs::RegistryKey::Open(path, create)) {
        key->ReadString(name);
        Expect(qs::RegistryKey::Open(path, false).has_value(), "a key opened or created opens again");
    } else {
        Expect(!existed, "a key that opens still opens with create");
    }
    if (helpBefore != "(none)") {
        Expect(HelpPath() == helpBefore, "creating a key changes no value a key held");
    }
    return 0;
}
