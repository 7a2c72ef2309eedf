// The parts of the direct commands and the page command that hold no GUI: the SNMPv2c override
// of a page's request, the RMON menu's rule, and the texts and settings of Reboot.
#pragma once

#include "QsSNMPError.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qs {

// While it lives, the framework's default target speaks SNMPv2c where SNMPv1 is configured;
// the saved version comes back when it goes, also when the page build throws.
class VersionOverride {
public:
    explicit VersionOverride(bool active);
    ~VersionOverride();
    VersionOverride(const VersionOverride&) = delete;
    VersionOverride& operator=(const VersionOverride&) = delete;

private:
    bool changed_ = false; // the configured version was SNMPv1
};

struct PageDef;

// A page command: open builds, shows and deletes the page; a page that reads with SNMPv2c runs
// it under a VersionOverride.
void RunPageCommand(const PageDef& page, const std::function<void(const PageDef&)>& open);

// The RMON menu's tool items, enabled only while the device's RMON engine runs.
inline constexpr std::array<const char*, 3> kRmonToolItems = {"Statistics1", "History1", "AlarmEvent1"};
// The hidden text that keeps the last RMON state read, and its text before the first read.
inline constexpr const char* kRmonStateHolder = "ST_RmonState";

// Whether the RMON tool items are to be enabled after a read that left stateText in the holder;
// no value when the items keep their state.
std::optional<bool> RmonToolsEnabled(const std::string& stateText);

// Reboot asks before it sets the device's reset object to warm start.
inline constexpr const char* kRebootQuestion = "Are you sure to reboot the device?";
inline constexpr const char* kRebootCaption = "Reboot";
inline constexpr int kRebootTimeout = 500; // hundredths of a second

// One blocking SET of a single scalar: OID without instance, syntax, value text, time-out.
struct ScalarSet {
    const char* oid;
    std::uint32_t syntax;
    const char* value;
    int timeout;
};

// Sends set with a request that copies the default target, blocking; returns the outcome (code 0
// when the device took it).
QsSNMPError SendScalarSet(const ScalarSet& set);

// Reboot: asks with askYesNo (text, caption); on Yes sends the warm start through send. A device
// that restarts does not answer, so a time-out stays silent; a refusal (an error reply) or a SET
// that could not be sent is not a reboot and goes to report.
void RunReboot(const std::function<bool(const std::string& text, const std::string& caption)>& askYesNo,
               const std::function<QsSNMPError(const ScalarSet& set)>& send,
               const std::function<void(const std::string& message)>& report);

} // namespace qs
