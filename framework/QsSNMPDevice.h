// The agent a request talks to: its address text and UDP port.
#pragma once

#include <cstdint>
#include <string>

struct QsSNMPDevice {
    std::string host; // dotted IPv4 address or a host name
    std::uint16_t port = 0;
};
