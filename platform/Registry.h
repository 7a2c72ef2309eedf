// The few registry values the program reads. On Linux there is no registry, so the keys live
// in a small settings file: $KRS_REGISTRY_FILE when set, else
// $XDG_CONFIG_HOME/krs5400em/registry.ini (~/.config/... without XDG_CONFIG_HOME).
// The file is read as the profile files are (section "[HKEY_LOCAL_MACHINE]", lines
// "SOFTWARE\...\Key\Name=value", no escaping, "," and ";" ordinary characters in values).
// Values are only read; the one write is creating a missing key when asked to, which adds one
// line and leaves every other byte of the file as it was.
#pragma once

#include <optional>
#include <string>

namespace qs {

class RegistryKey {
public:
    // Opens a key below HKEY_LOCAL_MACHINE, such as "\SOFTWARE\Torvik\Modules\HelpPath".
    // With create, a missing key is created (empty); otherwise a missing key does not open. A
    // name the file cannot hold on one line (a line break, "=", a leading blank, ";" or "[") is
    // never created: it does not open.
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
