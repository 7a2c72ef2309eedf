// The SNMP v3 menu: the agent's engine, targets, users, access control, notifications and
// communities. The main window enables it only for SNMPv3 sessions.
#include "MainMenu.h"
#include "MenuMakers.h"
#include "SnmpV3Pages.h"

namespace qs {

namespace {

constexpr MenuEntry kTargetMib[] = {
    PageItem("General Information", "GeneralInformation1", SnmpTargetInfoPage),
    PageItem("Target Address Table", "CommunityTargetAddressTable", SnmpTargetAddrPage),
    PageItem("Target Parameters", "TargetParameters1", SnmpTargetParamsPage),
};

constexpr MenuEntry kUserSecurity[] = {
    PageItem("Statistics", "Statistics2", UsmStatsPage),
    PageItem("User Table", "UserTable1", UsmUserPage),
};

constexpr MenuEntry kViewAccess[] = {
    PageItem("Security Group Table", "SecurityTable1", VacmSecurityGroupPage),
    PageItem("Access Table", "AccessTable1", VacmAccessPage),
    PageItem("View MIB Tree Family Table", "ViewTable1", VacmViewTreePage),
};

constexpr MenuEntry kNotifications[] = {
    PageItem("Notify Table", "NotifyTable1", SnmpNotifyPage),
    PageItem("Notify Filter Profile Table", "NotifyFilterProfileTale1", SnmpNotifyFilterProfilePage),
    PageItem("Notify Filter Entry Table", "NotifyFilterEntryTable1", SnmpNotifyFilterPage),
};

constexpr MenuEntry kCommunity[] = {
    PageItem("Community String Table", "CommunityStringTable1", SnmpCommunityPage),
    PageItem("Target Address Table", "TargetAddressTable1", SnmpTargetAddrExtPage),
};

constexpr MenuEntry kSnmpV3[] = {
    PageItem("SNMP Engine", "snmpEngine1", SnmpEnginePage),
    Placeholder("Snmp Framework MIB", "SnmpFrameworkMIB1", kHidden),
    PageItem("Message Processing and Dispatching", "MessageProcessingandDispatching1", SnmpMpdStatsPage),
    Submenu("SNMP Target MIB", "SNMPTargetMIB1", kTargetMib),
    Submenu("User-based Security Mode", "UserbasedSecurityMode1", kUserSecurity),
    Submenu("View-based Access Control Mode", "ViewbasedAccessControlMode1", kViewAccess),
    Submenu("Notifications", "Notifications1", kNotifications),
    Submenu("Community", "Community1", kCommunity),
};

} // namespace

std::span<const MenuEntry> SnmpV3Items() {
    return kSnmpV3;
}

} // namespace qs
