#include "ForeignAgent.h"

#include "SnmpAdapter.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qs::bench {
namespace {

// A UDP port of the loopback that nobody holds now.
std::uint16_t FreeUdpPort() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    std::uint16_t port = 0;
    if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    if (s >= 0) {
        ::close(s);
    }
    return port;
}

// The configuration: the bench's credentials, and rows for the tables of access control and
// notification. Not named snmpd.conf: snmpd writes its persistent state under that name.
void WriteConfiguration(const std::string& file) {
    std::ofstream out(file);
    out << "rocommunity " << kCommunity << " 127.0.0.1\n"
        << "createUser " << kUser << " MD5 \"" << kAuthPass << "\" DES \"" << kPrivPass << "\"\n"
        << "rouser " << kUser << " priv\n";
    for (int i = 1; i <= 16; ++i) {
        const std::string user = "bench" + std::to_string(i);
        out << "createUser " << user << " SHA \"" << user << "pass\" AES \"" << user << "priv\"\n"
            << "group g" << user << " usm " << user << '\n'
            << "access g" << user << " \"\" usm priv exact v" << i << " none none\n";
    }
    for (int i = 1; i <= 100; ++i) {
        out << "view v" << i << " included .1.3.6.1.4.1." << i << '\n';
    }
    for (int i = 1; i <= 4; ++i) {
        out << "trap2sink 127.0.0.1:9 " << kCommunity << i << '\n'; // the discard port
    }
}

std::uint32_t CounterOf(const SnmpReply& reply, std::size_t i) {
    return i < reply.vbs.size() ? reply.vbs[i].value.unsigned32 : 0;
}

// Environment and credentials of an snmpwalk like the program's request: no MIB files, no
// configuration or state outside folder.
std::string WalkCommand(std::uint16_t port, int version, const std::string& column,
                        const std::string& folder) {
    std::string command = "MIBS= SNMPCONFPATH='" + folder + "' SNMP_PERSISTENT_DIR='" + folder +
                          "/walk' snmpwalk -On -Ct -Cp -t 1 -r 1 ";
    if (version == 3) {
        command += std::string("-v3 -l authPriv -u ") + kUser + " -a MD5 -A " + kAuthPass + " -x DES -X " +
                   kPrivPass;
    } else {
        command += std::string("-v2c -c ") + kCommunity;
    }
    return command + " 127.0.0.1:" + std::to_string(port) + ' ' + column + " 2>&1";
}

} // namespace

Snmpd::Snmpd(const std::string& folder) {
    const std::string conf = folder + "/agent.conf";
    const std::string state = folder + "/agent-state";
    WriteConfiguration(conf);
    ::mkdir(state.c_str(), 0700);
    port_ = FreeUdpPort();
    const std::string endpoint = "udp:127.0.0.1:" + std::to_string(port_);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setenv("SNMP_PERSISTENT_DIR", state.c_str(), 1);
        ::setenv("MIBS", "", 1);
        ::execl("/usr/sbin/snmpd", "snmpd", "-f", "-Lf", "/dev/null", "-C", "-c", conf.c_str(),
                endpoint.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    QElapsedTimer clock;
    clock.start();
    while (pid_ > 0 && !ready_ && clock.elapsed() < 5000) {
        ready_ = ReadCounters(port_).gets >= 0;
        if (!ready_) {
            ::usleep(50000); // a port nobody holds yet may refuse at once
        }
    }
}

Snmpd::~Snmpd() {
    if (pid_ > 0) {
        ::kill(pid_, SIGCONT);
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

void Snmpd::Pause(bool paused) const {
    if (pid_ > 0) {
        ::kill(pid_, paused ? SIGSTOP : SIGCONT);
    }
}

AgentCounters ReadCounters(std::uint16_t port) {
    SnmpTarget target;
    target.host = "127.0.0.1";
    target.port = port;
    target.version = 1;
    target.readCommunity = kCommunity;
    target.timeout = 20;
    target.retries = 0;
    std::vector<SnmpVarBind> asked(3);
    OidFromText("1.3.6.1.2.1.11.1.0", asked[0].oid);  // snmpInPkts
    OidFromText("1.3.6.1.2.1.11.15.0", asked[1].oid); // snmpInGetRequests
    OidFromText("1.3.6.1.2.1.11.16.0", asked[2].oid); // snmpInGetNexts
    const SnmpReply reply = SendBlocking(target, PduKind::Get, asked);
    if (reply.status != status::Success) {
        return {};
    }
    return {static_cast<long>(CounterOf(reply, 0)), static_cast<long>(CounterOf(reply, 1)),
            static_cast<long>(CounterOf(reply, 2))};
}

WalkResult Snmpwalk(std::uint16_t port, int version, const std::vector<std::string>& columns,
                    const std::string& folder) {
    WalkResult result;
    QElapsedTimer clock;
    for (const std::string& column : columns) {
        clock.start();
        FILE* walk = ::popen(WalkCommand(port, version, column, folder).c_str(), "r");
        if (walk == nullptr) {
            result.failed = true;
            continue;
        }
        char line[4096];
        bool timed = false;
        while (std::fgets(line, sizeof(line), walk) != nullptr) {
            // snmpwalk writes the time to standard error, unbuffered: it may land inside a line.
            double seconds = 0;
            int found = 0;
            const char* time = std::strstr(line, "Total traversal time = ");
            const char* count = std::strstr(line, "Variables found: ");
            if (time != nullptr && std::sscanf(time, "Total traversal time = %lf", &seconds) == 1) {
                result.walkMs += seconds * 1000;
                timed = true;
            }
            if (count != nullptr && std::sscanf(count, "Variables found: %d", &found) == 1) {
                result.variables += found;
            }
        }
        result.failed = result.failed || ::pclose(walk) != 0 || !timed;
        result.processMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    return result;
}

} // namespace qs::bench
