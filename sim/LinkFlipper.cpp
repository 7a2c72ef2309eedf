#include "LinkFlipper.h"

#include <array>

namespace krssim {
namespace {

constexpr std::array<int, 5> kFlippingPorts{3, 8, 13, 21, 26};
constexpr char kCopperGreen = 0x02;
constexpr char kComboCopperGreen = 0x23;
constexpr std::int64_t kIfUp = 1;
constexpr std::int64_t kIfDown = 2;

} // namespace

Oid frontPanelOid() {
    return {1, 3, 6, 1, 4, 1, 58613, 11, 113, 1, 6, 3, 1, 1, 1, 2, 1};
}

LinkFlipper::LinkFlipper(MibStore& store, int seconds)
    : store_(store), period_(seconds), last_(std::chrono::steady_clock::now()) {}

bool LinkFlipper::tick(std::chrono::steady_clock::time_point now) {
    if (period_.count() <= 0 || now - last_ < period_) {
        return false;
    }
    last_ = now;
    flip();
    return true;
}

void LinkFlipper::flip() {
    const Value* panel = store_.find(frontPanelOid());
    if (!panel || panel->type != Type::OctetString) {
        return;
    }
    Value updated = *panel;
    for (int port : kFlippingPorts) {
        auto pos = portBytePosition(port);
        if (pos >= updated.bytes.size()) {
            continue;
        }
        char& byte = updated.bytes[pos];
        bool goingDown = byte != 0;
        if (goingDown) {
            saved_[port] = byte;
            byte = 0;
        } else {
            auto it = saved_.find(port);
            byte = it != saved_.end() ? it->second : (port > 24 ? kComboCopperGreen : kCopperGreen);
        }
        Oid operStatus{1, 3, 6, 1, 2, 1, 2, 2, 1, 8, static_cast<std::uint32_t>(port)};
        if (store_.find(operStatus)) {
            store_.set(operStatus, Value::ofInteger(goingDown ? kIfDown : kIfUp));
        }
    }
    store_.set(frontPanelOid(), updated);
}

} // namespace krssim
