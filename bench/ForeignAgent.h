// The foreign agent of the foreign-agent bench: Debian's snmpd on a free loopback port with a
// configuration of our own that fills the tables the bench's pages read, its request counters,
// and Net-SNMP's snmpwalk run against it for comparison.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qs::bench {

// The credentials snmpd takes: community "lumpet" (read only), SNMPv3 user "alice" with
// authentication and privacy.
inline constexpr const char* kCommunity = "lumpet";
inline constexpr const char* kUser = "alice";
inline constexpr const char* kAuthPass = "alicepass1";
inline constexpr const char* kPrivPass = "aliceprivpass";

// Debian's snmpd, started in folder (its configuration and persistent state stay there), ended
// with the object. Besides the machine's own tables it serves 16 more SNMPv3 users, groups,
// access entries and 100 views of its access control, and four notification targets.
class Snmpd {
public:
    explicit Snmpd(const std::string& folder);
    ~Snmpd();
    Snmpd(const Snmpd&) = delete;
    Snmpd& operator=(const Snmpd&) = delete;

    // True once it answered a GET (within 5 s of the start).
    bool Ready() const { return ready_; }
    std::uint16_t Port() const { return port_; }
    // Stops the process (SIGSTOP) or lets it go on (SIGCONT): an agent that no longer answers.
    void Pause(bool paused) const;

private:
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
    bool ready_ = false;
};

// What the agent counted so far (SNMPv2-MIB snmpInPkts, snmpInGetRequests, snmpInGetNexts): the
// messages and PDUs anybody sent it, an SNMPv3 discovery probe among the messages only. Reading
// them costs one message with a GET, which the next reading includes.
struct AgentCounters {
    long messages = -1; // -1: not read
    long gets = -1;
    long getNexts = -1;
};
AgentCounters ReadCounters(std::uint16_t port);

// One snmpwalk per column OID, GET-NEXT only (one binding per PDU), with the program's version
// (1 SNMPv2c, 3 SNMPv3 with alice's credentials), time-out and one retry.
struct WalkResult {
    double walkMs = 0;    // snmpwalk's own clock (-Ct): the walks without process start
    double processMs = 0; // the snmpwalk processes from start to exit
    int variables = 0;    // the values printed
    bool failed = false;  // a process did not exit with 0 or printed no traversal time
};
WalkResult Snmpwalk(std::uint16_t port, int version, const std::vector<std::string>& columns,
                    const std::string& folder);

} // namespace qs::bench
