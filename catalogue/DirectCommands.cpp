#include "DirectCommands.h"

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

} // namespace qs
