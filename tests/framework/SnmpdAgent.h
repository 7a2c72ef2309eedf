// Debian's snmpd started on a free loopback port with a private configuration, for the
// adapter tests: communities "public" (read) and "private" (read-write), and the SNMPv3 users
// "noauthuser" (noAuthNoPriv), "authuser" (MD5 "authpass123") and "privuser" (SHA
// "authpass123", DES "privpass123").
#pragma once

#include "SnmpAdapter.h"

#include <string>

namespace qs::test {

class SnmpdAgent {
public:
    SnmpdAgent();
    ~SnmpdAgent();
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    bool running() const { return pid_ > 0; }
    std::uint16_t port() const { return port_; }
    // A v1 target with the agent's communities, 0.5 s time-out and one retry.
    SnmpTarget target(int version = 0) const;
    SnmpTarget v3Target(const std::string& user, int level) const;

private:
    std::string dir_;
    std::uint16_t port_ = 0;
    int pid_ = -1;
};

// A UDP port on 127.0.0.1 that was free a moment ago.
std::uint16_t FreeUdpPort();

} // namespace qs::test
