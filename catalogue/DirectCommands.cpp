#include "DirectCommands.h"

#include "AgentMib.h"
#include "QsSNMPTarget.h"

namespace qs {

namespace {

constexpr std::uint8_t kSnmpV1 = 0;
constexpr std::uint8_t kSnmpV2c = 1;

} // namespace

VersionOverride::VersionOverride(bool active) {
    if (active && DefaultSecurity.version == kSnmpV1) {
        DefaultSecurity.version = kSnmpV2c;
        changed_ = true;
    }
}

VersionOverride::~VersionOverride() {
    if (changed_) {
        DefaultSecurity.version = kSnmpV1;
    }
}

std::optional<bool> RmonToolsEnabled(const std::string& stateText) {
    if (stateText == "disabled") {
        return false;
    }
    if (stateText == "enabled") {
        return true;
    }
    return std::nullopt;
}

void RunReboot(const std::function<bool(const std::string& text, const std::string& caption)>& askYesNo,
               const std::function<void(const ScalarSet& set)>& send) {
    if (!askYesNo(kRebootQuestion, kRebootCaption)) {
        return;
    }
    try {
        send({kSystemResetOid, SYN_INTEGER, kSystemResetWarmStart, kRebootTimeout});
    } catch (...) {
        // The device restarts or does not answer; neither is reported.
    }
}

} // namespace qs
