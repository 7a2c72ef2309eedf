// Runs Net-SNMP's command-line tools against a krs-sim instance.
#pragma once

#include <string>

namespace krssim::test {

// Runs a shell command and returns its standard output and error together.
std::string runCommand(const std::string& command);

// "snmpget -On -t 1 -r 0 <args>" and friends; `tool` is "snmpget", "snmpwalk", "snmpset", ...
std::string snmp(const std::string& tool, const std::string& args);

} // namespace krssim::test
