#include "SnmpTools.h"

#include <cstdio>

namespace krssim::test {

std::string runCommand(const std::string& command) {
    std::string output;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        return "cannot run: " + command;
    }
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) {
        output.append(buf, n);
    }
    pclose(pipe);
    return output;
}

std::string snmp(const std::string& tool, const std::string& args) {
    // No MIB files: output and input stay numeric, whatever the machine has installed.
    return runCommand("MIBS= MIBDIRS=/nonexistent " + tool + " -On -t 1 -r 0 " + args);
}

} // namespace krssim::test
