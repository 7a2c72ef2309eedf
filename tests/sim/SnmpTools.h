// Runs Net-SNMP's command-line tools against a krs-sim instance.
#pragma once

#include "SimProcess.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace krssim::test {

// Runs a shell command and returns its standard output and error together.
std::string runCommand(const std::string& command);

// "snmpget -On -t 1 -r 0 <args>" and friends; `tool` is "snmpget", "snmpwalk", "snmpset", ...
std::string snmp(const std::string& tool, const std::string& args);

// Sends one UDP datagram to 127.0.0.1:port and returns the reply, or "" when none came in time.
std::string exchangeDatagram(int port, const std::string& bytes, int waitMs);

// A v2c GET of sysName.0 with the community "lumpet", encoded by hand (43 octets).
std::string sysNameGetPacket();

// A krs-sim that the tests of one suite share; the suite starts it in SetUpTestSuite.
template <typename Base = testing::Test> class SharedSimTest : public Base {
protected:
    static void startSim(qs::test::SimOptions options = {}) {
        sim_ = std::make_unique<qs::test::SimProcess>(std::move(options));
        ASSERT_TRUE(sim_->start()) << sim_->lastError();
    }
    static void TearDownTestSuite() { sim_.reset(); }
    static qs::test::SimProcess& sim() { return *sim_; }
    static std::string v1(const std::string& community) {
        return "-v1 -c " + community + " " + sim_->address();
    }
    static std::string v2(const std::string& community) {
        return "-v2c -c " + community + " " + sim_->address();
    }

private:
    static inline std::unique_ptr<qs::test::SimProcess> sim_;
};

} // namespace krssim::test
