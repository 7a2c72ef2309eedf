// Objects whose values come from the running agent rather than from the data file:
// sysUpTime, the SNMP group's counters, snmpEngine, snmpMPDStats and usmStats.
#pragma once

#include "MibStore.h"

#include <chrono>

namespace krssim {

void refreshLiveObjects(MibStore& store, std::chrono::steady_clock::duration uptime);

} // namespace krssim
