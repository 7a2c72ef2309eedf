#include "SnmpdAgent.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qs::test {
namespace {

const char* kConfig = "rocommunity public 127.0.0.1\n"
                      "rwcommunity private 127.0.0.1\n"
                      "createUser noauthuser\n"
                      "createUser authuser MD5 \"authpass123\"\n"
                      "createUser privuser SHA \"authpass123\" DES \"privpass123\"\n"
                      "rouser noauthuser noauth\n"
                      "rwuser authuser auth\n"
                      "rwuser privuser priv\n";

bool Answers(const SnmpTarget& t) {
    const SnmpVarBind sysDescr{{1, 3, 6, 1, 2, 1, 1, 1, 0}, SnmpValue::null()};
    SnmpTarget probe = t;
    probe.timeout = 10;
    probe.retries = 0;
    return SendBlocking(probe, PduKind::Get, {sysDescr}).status == status::Success;
}

} // namespace

std::uint16_t FreeUdpPort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    socklen_t len = sizeof(a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

SnmpdAgent::SnmpdAgent() {
    char pattern[] = "/tmp/krs-snmpd-XXXXXX";
    dir_ = ::mkdtemp(pattern);
    std::ofstream(dir_ + "/snmpd.conf") << kConfig;
    port_ = FreeUdpPort();
    const std::string endpoint = "udp:127.0.0.1:" + std::to_string(port_);
    const std::string conf = dir_ + "/snmpd.conf";
    const std::string pidFile = dir_ + "/snmpd.pid";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlive the test, even when it crashes
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::setenv("SNMP_PERSISTENT_DIR", dir_.c_str(), 1);
        ::setenv("MIBS", "", 1);
        ::execl("/usr/sbin/snmpd", "snmpd", "-f", "-Lf", "/dev/null", "-C", "-c", conf.c_str(), "-p",
                pidFile.c_str(), endpoint.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Answers(target())) {
            return;
        }
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

SnmpdAgent::~SnmpdAgent() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

SnmpTarget SnmpdAgent::target(int version) const {
    SnmpTarget t;
    t.host = "127.0.0.1";
    t.port = port_;
    t.version = version;
    t.readCommunity = "public";
    t.writeCommunity = "private";
    t.timeout = 50;
    t.retries = 1;
    return t;
}

SnmpTarget SnmpdAgent::v3Target(const std::string& user, int level) const {
    SnmpTarget t = target(3);
    t.securityModel = 3;
    t.securityLevel = level;
    t.securityName = user;
    if (level >= 2) {
        t.authProtocol = user == "privuser" ? 3 : 2;
        t.authPassPhrase = "authpass123";
    }
    if (level == 3) {
        t.privProtocol = 2;
        t.privPassPhrase = "privpass123";
    }
    return t;
}

} // namespace qs::test
