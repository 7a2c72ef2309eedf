#include "LinkFlipper.h"

#include <gtest/gtest.h>

namespace krssim {
namespace {

Oid operStatus(std::uint32_t port) {
    return {1, 3, 6, 1, 2, 1, 2, 2, 1, 8, port};
}

TEST(LinkFlipperTest, FlipsLinksAndOperStatusAndBringsThemBack) {
    MibStore store;
    std::string panel(60, '\0');
    panel[portBytePosition(3)] = 0x01;  // port 3 linked (orange)
    panel[portBytePosition(26)] = 0x23; // combo port 26 linked on copper
    store.set(frontPanelOid(), Value::ofBytes(panel));
    store.set(operStatus(3), Value::ofInteger(1));
    store.set(operStatus(8), Value::ofInteger(2));

    LinkFlipper flipper(store, 5);
    flipper.flip();
    const std::string& down = store.find(frontPanelOid())->bytes;
    EXPECT_EQ(down[portBytePosition(3)], 0);
    EXPECT_EQ(down[portBytePosition(26)], 0);
    EXPECT_EQ(down[portBytePosition(8)], 0x02); // an idle port comes up green
    EXPECT_EQ(store.find(operStatus(3))->integer(), 2);
    EXPECT_EQ(store.find(operStatus(8))->integer(), 1);

    flipper.flip();
    const std::string& up = store.find(frontPanelOid())->bytes;
    EXPECT_EQ(up[portBytePosition(3)], 0x01);
    EXPECT_EQ(up[portBytePosition(26)], 0x23);
    EXPECT_EQ(up[portBytePosition(8)], 0);
    EXPECT_EQ(store.find(operStatus(3))->integer(), 1);
    EXPECT_EQ(up.size(), 60u);
}

TEST(LinkFlipperTest, TicksOnlyAfterItsPeriod) {
    MibStore store;
    store.set(frontPanelOid(), Value::ofBytes(std::string(60, '\0')));
    LinkFlipper flipper(store, 2);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(flipper.tick(start + std::chrono::milliseconds(1500)));
    EXPECT_TRUE(flipper.tick(start + std::chrono::milliseconds(2100)));
    EXPECT_FALSE(flipper.tick(start + std::chrono::milliseconds(3000)));
}

} // namespace
} // namespace krssim
