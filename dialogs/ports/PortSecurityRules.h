// The port numbering of the port-security entry deletion: the device names a port by one number,
// (unit - 1) * 64 + port, up to 768 (12 units of 64 ports); the dialog shows and takes the unit
// and the port. Also the MAC text the deletion accepts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

inline constexpr int kPortsPerUnit = 64;
inline constexpr int kMostUnits = 12;

struct UnitPort {
    int unit = 0;
    int port = 0;
    bool operator==(const UnitPort&) const = default;
};

// The unit and port of a combined number; 0 gives unit 0, port 0.
UnitPort SplitPortNumber(int number);
int CombinePortNumber(const UnitPort& unitPort);

// One record of the unit table the typed unit and port are checked against.
struct UnitInfo {
    int unit = 0;
    int portCount = 0;
    std::string model;
};

// The port count of the unit's record; -1 when the unit is below 1 or above 64, or the table
// holds no record for it.
int UnitPortCount(const std::vector<UnitInfo>& units, int unit);

// What the unit and port check decides: accepted, or which edit gets the focus and whether both
// edits are reset to "0" first.
enum class UnitPortVerdict { Accepted, UnitFocus, UnitReset, PortFocus, PortReset };

// Unit below 1: unit focus. Unit above 12: reset, unit focus. Port below 1: port focus. Port
// above the unit's port count (50 for a unit without a record): reset, port focus.
UnitPortVerdict CheckUnitPort(const std::vector<UnitInfo>& units, int unit, int port);

} // namespace qs
