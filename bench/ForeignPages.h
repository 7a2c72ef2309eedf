// The pages the foreign-agent bench opens: list pages of the main menu whose tables Debian's
// snmpd serves with rows (with the bench's configuration), by their menu items' object names.
#pragma once

#include "MainMenu.h"

#include <array>

namespace qs::bench {

inline constexpr std::array<const char*, 8> kForeignPages = {
    "IFXTable1",                   // IF-MIB ifXTable: the machine's interfaces
    "UserTable1",                  // usmUserTable: 17 users
    "SecurityTable1",              // vacmSecurityToGroupTable
    "AccessTable1",                // vacmAccessTable
    "ViewTable1",                  // vacmViewTreeFamilyTable: over 100 views
    "CommunityTargetAddressTable", // snmpTargetAddrTable: the four trap sinks
    "TargetParameters1",           // snmpTargetParamsTable
    "NotifyTable1",                // snmpNotifyTable
};

// The menu entry of a bench page, or null when the menu has none of that name.
inline const MenuEntry* ForeignPageEntry(const char* objectName) {
    return FindMenuEntry(MainMenuItems(), objectName);
}

// Where the bench page stands in the menu; an empty path when the menu has no such entry.
inline MenuPlace ForeignPagePlace(const char* objectName) {
    const MenuEntry* entry = ForeignPageEntry(objectName);
    MenuPlace found;
    ForEachMenuEntry(MainMenuItems(), [&](const MenuEntry& e, const MenuPlace& place) {
        if (&e == entry) {
            found = place;
        }
    });
    return found;
}

// True for a page of the SNMP v3 menu, which the main window enables only for SNMPv3 sessions.
inline bool InSnmpV3Menu(const char* objectName) {
    return ForeignPagePlace(objectName).path.starts_with("SNMP v3 > ");
}

} // namespace qs::bench
