// The main menu's tree: the top-level items in menu order, each with its submenu.
#pragma once

#include "CatalogueTypes.h"

#include <functional>
#include <string>

namespace qs {

std::span<const MenuEntry> MainMenuItems();

// The submenus of the feature areas, in menu order.
std::span<const MenuEntry> BasicConfigurationItems();
std::span<const MenuEntry> RmonItems();
std::span<const MenuEntry> BridgeItems();
std::span<const MenuEntry> SecurityItems();
std::span<const MenuEntry> VlanItems();
std::span<const MenuEntry> SnmpV3Items();
std::span<const MenuEntry> HelpItems();
std::span<const MenuEntry> PortManagementItems();
std::span<const MenuEntry> QosItems();
std::span<const MenuEntry> IgmpSnoopingItems();
std::span<const MenuEntry> PacketStormItems();
std::span<const MenuEntry> LinkAggregationItems();
std::span<const MenuEntry> Layer3Items();
std::span<const MenuEntry> SingleIpItems();
std::span<const MenuEntry> CosItems();
std::span<const MenuEntry> AclItems();
std::span<const MenuEntry> CpuFilterItems();
std::span<const MenuEntry> TimeRangeItems();
std::span<const MenuEntry> LldpItems();
std::span<const MenuEntry> PoeItems();

// Where an entry stands: its captions from the top joined by " > ", and whether it or one of
// its parents is hidden.
struct MenuPlace {
    std::string path;
    bool hidden = false;
};

// Visits every entry below items, parents before their children.
void ForEachMenuEntry(std::span<const MenuEntry> items,
                      const std::function<void(const MenuEntry&, const MenuPlace&)>& visit);

// The entry whose object name is name, or null.
const MenuEntry* FindMenuEntry(std::span<const MenuEntry> items, const std::string& name);

} // namespace qs
