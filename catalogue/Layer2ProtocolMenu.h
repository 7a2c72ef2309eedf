// The Layer 2 submenus of the protocol areas: loopback detection, multicast filter, MLD
// snooping, traffic segmentation, BPDU tunnel and protection, ARP spoofing prevention, ERPS,
// NLB, PPPoE circuit ID insertion, 802.3 OAM and CFM.
#pragma once

#include "CatalogueTypes.h"

namespace qs {

std::span<const MenuEntry> MulticastFilterItems();
std::span<const MenuEntry> MldSnoopingItems();
std::span<const MenuEntry> LoopbackDetectionItems();
std::span<const MenuEntry> BpduTunnelItems();
std::span<const MenuEntry> BpduProtectionItems();
std::span<const MenuEntry> ErpsItems();
std::span<const MenuEntry> NlbItems();
std::span<const MenuEntry> Dot3OamItems();
std::span<const MenuEntry> CfmItems();

// The Layer 2 items that are commands themselves.
MenuEntry TrafficSegmentationItem();
MenuEntry ArpSpoofingPreventItem();
MenuEntry PppoeItem();

} // namespace qs
