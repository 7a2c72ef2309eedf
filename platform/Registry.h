// The few registry values the program reads. On Linux there is no registry, so the keys live
// in a small settings file: $KRS_REGISTRY_FILE when set, else
// $XDG_CONFIG_HOME/krs5400em/registry.ini (~/.config/... without XDG_CONFIG_HOME).
// Values are only read; the one write is creating a missing key when asked to.
#pragma once

#include <optional>
#include <string>

namespace qs {

class RegistryKey {
public:
    // Opens a key below HKEY_LOCAL_MACHINE, such as "\SOFTWARE\Torvik\Modules\HelpPath".
    // With create, a missing key is created (empty); otherwise a missing key does not open.
    static std::optional<RegistryKey> Open(const std::string& path, bool create);

    // The string value of that name; empty when the key has no such value.
    std::string ReadString(const std::string& name) const;

    // Where the registry file is.
    static std::string FileName();

private:
    explicit RegistryKey(std::string group) : group_(std::move(group)) {}
    std::string group_;
};

} // namespace qs
