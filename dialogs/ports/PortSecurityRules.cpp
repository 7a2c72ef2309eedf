#include "PortSecurityRules.h"

#include <algorithm>

namespace qs {

namespace {
constexpr int kMostUnitNumber = 64;
constexpr int kUnknownUnitPorts = 50;
constexpr std::size_t kMacDigits = 12;
} // namespace

UnitPort SplitPortNumber(int number) {
    if (number == 0) {
        return {};
    }
    return {(number - 1) / kPortsPerUnit + 1, (number - 1) % kPortsPerUnit + 1};
}

int CombinePortNumber(const UnitPort& unitPort) {
    return (unitPort.unit - 1) * kPortsPerUnit + unitPort.port;
}

int UnitPortCount(const std::vector<UnitInfo>& units, int unit) {
    if (unit < 1 || unit > kMostUnitNumber) {
        return -1;
    }
    const auto it =
        std::find_if(units.begin(), units.end(), [unit](const UnitInfo& u) { return u.unit == unit; });
    return it == units.end() ? -1 : it->portCount;
}

UnitPortVerdict CheckUnitPort(const std::vector<UnitInfo>& units, int unit, int port) {
    if (unit < 1) {
        return UnitPortVerdict::UnitFocus;
    }
    if (unit > kMostUnits) {
        return UnitPortVerdict::UnitReset;
    }
    if (port < 1) {
        return UnitPortVerdict::PortFocus;
    }
    const int count = UnitPortCount(units, unit);
    if (port > (count == -1 ? kUnknownUnitPorts : count)) {
        return UnitPortVerdict::PortReset;
    }
    return UnitPortVerdict::Accepted;
}

} // namespace qs
