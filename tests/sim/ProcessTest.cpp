// krs-sim as a process: start-up errors, --save, malformed datagrams, IPv6 and the demo flips.
#include "SnmpTools.h"

#include <csignal>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using krssim::test::exchangeDatagram;
using krssim::test::snmp;
using krssim::test::sysNameGetPacket;
using qs::test::SimProcess;
using testing::HasSubstr;

namespace {

const std::string kSysName = ".1.3.6.1.2.1.1.5.0";

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

TEST(StartUpTest, BadDataFileNamesFileAndLine) {
    qs::test::TempFolder folder;
    std::string path = folder.path() + "/broken.walk";
    writeFile(path, ".1.3.6.1.2.1.1.5.0 = STRING: \"ok\"\n.1.3.6.1.2.1.1.6.0 = Float: 2.5\n");
    auto result = qs::test::runSimToExit({"--port", "0", "--data", path});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.errorOutput, HasSubstr(path + ":2: unknown type \"Float\""));
    EXPECT_TRUE(result.output.empty());

    auto missing = qs::test::runSimToExit({"--port", "0", "--data", folder.path() + "/none.walk"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_THAT(missing.errorOutput, HasSubstr("none.walk: cannot be opened"));
}

TEST(StartUpTest, CommandLineMistakesShowTheUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--colour", "red"}, {"--port"}, {"--port", "70000"}, {"--user", "eve:MD5:short"}, {"stray"}}) {
        auto result = qs::test::runSimToExit(args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        EXPECT_THAT(result.errorOutput, HasSubstr("usage: krs-sim")) << args[0];
    }
    EXPECT_EQ(qs::test::runSimToExit({"--help"}).exitCode, 0);
}

TEST(SaveTest, WritesTheChangedStateAtExitAndLeavesTheDataFileAlone) {
    std::string data = readAll(qs::test::defaultSimData() + "/krs5400mx28.walk");
    SimProcess sim({{}, {"--save", "{folder}/saved.walk"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string target = "-v2c -c grindel " + sim.address();
    snmp("snmpset", target + " " + kSysName + " s saved-sw .1.3.6.1.2.1.17.7.1.4.3.1.5.30 i 4");
    std::string saved = sim.folder() + "/saved.walk";
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(readAll(qs::test::defaultSimData() + "/krs5400mx28.walk"), data);

    SimProcess again({saved, {}});
    ASSERT_TRUE(again.start()) << again.lastError();
    std::string walk = snmp("snmpwalk", "-v2c -c lumpet " + again.address() + " .1.3.6.1.2.1");
    EXPECT_THAT(walk, HasSubstr(kSysName + " = STRING: \"saved-sw\""));
    EXPECT_THAT(walk, HasSubstr(".1.3.6.1.2.1.17.7.1.4.3.1.5.30 = INTEGER: 1"));
    // The rules come back too: the new row can be destroyed again.
    EXPECT_THAT(snmp("snmpset", "-v2c -c grindel " + again.address() + " .1.3.6.1.2.1.17.7.1.4.3.1.5.30 i 6"),
                testing::Not(HasSubstr("Error")));
}

TEST(MalformedPacketTest, DropsAndCountsThemAndKeepsServing) {
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string good = sysNameGetPacket();
    ASSERT_THAT(exchangeDatagram(sim.port(), good, 2000), HasSubstr("core-sw-1")); // the encoding is right
    std::string hugeLength("\x30\x84\x7f\xff\xff\xff\x02\x01\x01", 9);
    std::string badOidLength = good;
    badOidLength[32] = '\x7f';
    std::string garbage;
    for (int i = 0; i < 300; ++i) {
        garbage += static_cast<char>((i * 151 + 17) % 256);
    }
    const std::vector<std::string> malformed{
        "",
        std::string("\x30", 1),
        good.substr(0, 20),
        hugeLength,
        badOidLength,
        garbage,
        std::string("\x30\x0b\x02\x01\x03\x30\x06\x02\x01\x01\x02\x01\x00", 13)};
    for (const auto& packet : malformed) {
        EXPECT_EQ(exchangeDatagram(sim.port(), packet, 100), "");
    }
    std::string counters =
        snmp("snmpget", "-v2c -c lumpet " + sim.address() + " .1.3.6.1.2.1.11.6.0 " + kSysName);
    EXPECT_THAT(counters, HasSubstr("core-sw-1"));
    EXPECT_THAT(counters, testing::ContainsRegex("11\\.6\\.0 = Counter32: [1-9]"));
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_THAT(sim.errorOutput(), HasSubstr("malformed packet(s)"));
}

bool ipv6LoopbackUsable() {
    int fd = socket(AF_INET6, SOCK_DGRAM, 0);
    sockaddr_in6 addr{};
    addr.sin6_family = AF_INET6;
    addr.sin6_addr = in6addr_loopback;
    bool ok = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return ok;
}

// An SNMPv3 engine-discovery request as Net-SNMP's tools send it (noAuthNoPriv, empty user).
std::string v3ProbePacket() {
    const unsigned char packet[] = {
        0x30, 0x3e, 0x02, 0x01, 0x03, 0x30, 0x11, 0x02, 0x04, 0x42, 0xf6, 0x3d, 0x6b, 0x02, 0x03, 0x00,
        0xff, 0xe3, 0x04, 0x01, 0x04, 0x02, 0x01, 0x03, 0x04, 0x10, 0x30, 0x0e, 0x04, 0x00, 0x02, 0x01,
        0x00, 0x02, 0x01, 0x00, 0x04, 0x00, 0x04, 0x00, 0x04, 0x00, 0x30, 0x14, 0x04, 0x00, 0x04, 0x00,
        0xa0, 0x0e, 0x02, 0x04, 0x10, 0x98, 0x11, 0x63, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x00};
    return std::string(reinterpret_cast<const char*>(packet), sizeof packet);
}

TEST(MalformedPacketTest, SurvivesEveryTruncationAndByteFlipOfRealRequests) {
    SimProcess sim({{}, {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    ASSERT_FALSE(exchangeDatagram(sim.port(), v3ProbePacket(), 2000).empty()); // a report comes back
    for (const auto& seed : {sysNameGetPacket(), v3ProbePacket()}) {
        for (std::size_t at = 0; at < seed.size(); ++at) {
            exchangeDatagram(sim.port(), seed.substr(0, at), 0);
            for (char flip : {'\x00', '\x7f', '\x80', '\xff'}) {
                std::string mutated = seed;
                mutated[at] = flip;
                exchangeDatagram(sim.port(), mutated, 0);
            }
        }
    }
    EXPECT_THAT(snmp("snmpget", "-v2c -c lumpet " + sim.address() + " " + kSysName), HasSubstr("core-sw-1"));
    EXPECT_EQ(sim.stop(), 0);
}

TEST(Ipv6Test, AnswersOnBothLoopbacksWhenAsked) {
    if (!ipv6LoopbackUsable()) {
        GTEST_SKIP() << "this machine has no IPv6 loopback";
    }
    SimProcess sim({{}, {"--ipv6"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string port = std::to_string(sim.port());
    EXPECT_THAT(snmp("snmpget", "-v2c -c lumpet udp6:[::1]:" + port + " " + kSysName),
                HasSubstr("core-sw-1"));
    EXPECT_THAT(snmp("snmpget", "-v2c -c lumpet udp:127.0.0.1:" + port + " " + kSysName),
                HasSubstr("core-sw-1"));
    EXPECT_THAT(sim.journal().front().peer, testing::StartsWith("[::1]:"));
}

// True while the process exists and is not a zombie waiting to be reaped.
bool running(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidText, name, state;
    return stat >> pidText >> name >> state && state != "Z";
}

TEST(SimProcessTest, AgentEndsWhenTheTestProcessDies) {
    // A child stands in for a test that crashes while its agent runs.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SimProcess sim;
        int pid = sim.start() ? sim.pid() : -1;
        (void)!write(fds[1], &pid, sizeof pid);
        _exit(0); // no destructor: the agent is left behind
    }
    close(fds[1]);
    int agent = -1;
    ASSERT_EQ(read(fds[0], &agent, sizeof agent), static_cast<ssize_t>(sizeof agent));
    close(fds[0]);
    waitpid(child, nullptr, 0);
    ASSERT_GT(agent, 0);
    bool gone = false;
    for (int i = 0; i < 200 && !gone; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        gone = !running(agent);
    }
    EXPECT_TRUE(gone) << "krs-sim " << agent << " outlived its test process";
    if (!gone) {
        kill(agent, SIGKILL);
    }
}

TEST(FlipLinksTest, FrontPanelChangesOverTime) {
    SimProcess sim({{}, {"--flip-links", "1"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string get = "-v2c -c lumpet " + sim.address() + " .1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2.1";
    std::string first = snmp("snmpget", get);
    // The first flip is due after a second; a loaded machine may give it later, never never.
    bool changed = false;
    for (int i = 0; i < 100 && !changed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        changed = snmp("snmpget", get) != first;
    }
    EXPECT_TRUE(changed);
}

} // namespace
