// The demo's living front panel: every few seconds a few ports lose or regain their link,
// in the front-panel status object and in ifOperStatus.
#pragma once

#include "MibStore.h"

#include <chrono>
#include <map>

namespace krssim {

class LinkFlipper {
public:
    LinkFlipper(MibStore& store, int seconds);
    // Flips when the period has passed; returns true when it did.
    bool tick(std::chrono::steady_clock::time_point now);
    void flip();

private:
    MibStore& store_;
    std::chrono::seconds period_;
    std::chrono::steady_clock::time_point last_;
    std::map<int, char> saved_; // port -> link byte while the port is down
};

// The front-panel status object (instance 1) and the byte position of a port in it.
Oid frontPanelOid();
constexpr std::size_t portBytePosition(int port) {
    return static_cast<std::size_t>(31 + port);
}

} // namespace krssim
