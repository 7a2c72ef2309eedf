#include "SnmpTools.h"

#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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

std::string exchangeDatagram(int port, const std::string& bytes, int waitMs) {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) {
        return "";
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) >= 0) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, waitMs) > 0) {
            char buf[65536];
            auto n = recv(fd, buf, sizeof buf, 0);
            reply.assign(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
        }
    }
    close(fd);
    return reply;
}

std::string sysNameGetPacket() {
    const unsigned char packet[] = {0x30, 0x29,                                   // message
                                    0x02, 0x01, 0x01,                             // version 2c
                                    0x04, 0x06, 'l',  'u',  'm',  'p',  'e', 't', // community
                                    0xa0, 0x1c,                                   // GetRequest-PDU
                                    0x02, 0x04, 0x00, 0x00, 0x00, 0x01,           // request-id 1
                                    0x02, 0x01, 0x00, 0x02, 0x01, 0x00,           // error-status, error-index
                                    0x30, 0x0e, 0x30, 0x0c,                       // varbind list, varbind
                                    0x06, 0x08, 0x2b, 6,    1,    2,    1,   1,   5, 0, // 1.3.6.1.2.1.1.5.0
                                    0x05, 0x00};                                        // NULL
    return std::string(reinterpret_cast<const char*>(packet), sizeof packet);
}

} // namespace krssim::test
