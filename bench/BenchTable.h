// What the walk benchmarks share: the six-column table they walk on krs-sim, the simulator
// serving it, and the run over the row counts given on the command line.
#pragma once

#include "SimProcess.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qs::bench {

// The table's entry OID; columns 2 to 7 are read, column 1 is the index.
inline const std::string kBenchEntry = ".1.3.6.1.4.1.99999.30.1";

// What column 3 holds: a 4-octet port list (a list view shows it as port text) or an integer.
enum class ThirdColumn { PortList, Integer };

// Writes `rows` rows of the table in krs-sim's data format.
void WriteBenchTable(const std::string& file, int rows, ThirdColumn third);

// krs-sim serving a fresh table of `rows` rows; null, with a message, when it did not start.
std::unique_ptr<qs::test::SimProcess> StartBenchSim(const std::string& folder, int rows, ThirdColumn third);

// Wall time of Net-SNMP's `snmpwalk -v1` of the table entry on the agent at 127.0.0.1:port (one
// request per cell), its output to /dev/null.
double TimeSnmpwalk(std::uint16_t port);

// The process's peak resident memory so far, in MB.
long PeakMegabytes();

// Starts the SNMP session (its boot counter in a fresh folder) and runs bench(rows, folder) for
// each row count on the command line, 1,000 and 10,000 without any; returns the exit code.
int RunBenches(int argc, char** argv, const std::function<void(int rows, const std::string& folder)>& bench);

} // namespace qs::bench
