// The menu tree: top-level order, exact captions, object names, hidden items, command counts
// per menu, tool command lines and dialog entries against their classes.
#include "CatalogueWalk.h"

#include "DialogClasses.h"
#include "MibTools.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using qs::CommandKind;
using qs::MenuEntry;

TEST(MenuTree, TopLevelItemsInMenuOrder) {
    std::string captions;
    for (const MenuEntry& e : qs::MainMenuItems()) {
        captions += std::string(e.caption) + "|";
    }
    EXPECT_EQ(
        captions,
        "Basic Configuration|RMON|Bridge|VLAN|SNMP v3|Security|Layer 2|Layer 3|Single IP|Help|Refresh|");
    const MenuEntry* rmon = qs::FindMenuEntry(qs::MainMenuItems(), "Menu_RMON");
    ASSERT_NE(rmon, nullptr);
    EXPECT_EQ(rmon->kind, CommandKind::Direct);
    EXPECT_EQ(rmon->direct, qs::DirectCommand::RmonStateRead);
    EXPECT_FALSE(rmon->children.empty());
}

TEST(MenuTree, ObjectNamesAreUniqueAndSeparatorsAreMarked) {
    std::set<std::string> names;
    for (const PlacedEntry& e : AllMenuEntries()) {
        ASSERT_NE(e.entry->objectName, nullptr) << e.place.path;
        EXPECT_TRUE(names.insert(e.entry->objectName).second) << "duplicate " << e.entry->objectName;
        EXPECT_EQ(e.entry->kind == CommandKind::Separator, std::string(e.entry->caption) == "-")
            << e.place.path;
    }
}

// Captions that keep their blanks, line feeds and spellings, found by object name.
TEST(MenuTree, CaptionsAndPathsAreExact) {
    const std::map<std::string, std::string> paths = {
        {"FLASHUtilizationTable1", "Basic Configuration > Agent Management > Flash Utilization Table\n"},
        {"STPControl1", "Bridge > Spanning Tree > STP Control "},
        {"GratuitousARPManagementInfomation1", "Basic Configuration > Agent Management > Gratuitous ARP "
                                               "Management > Gratuitous ARP Management Infomation"},
        {"MoudleBasicConfiguration1", "Basic Configuration > Moudle Basic Configuration"},
        {"TrafficSegmentationTable1", "Layer 2 > Traffic Segmentation Table "},
        {"LoopbackDetection1", "Layer 2 > Loopback Detection "},
        {"AlarmEvent1", "RMON > Alarm/Event"},
        {"Statistics1", "RMON > Statistics"},
        {"History1", "RMON > History"},
        {"VACM1", "SNMP v3"},
        {"Refresh1", "Refresh"},
        {"Reboot1", "Basic Configuration > Reboot"},
        {"Dot3Statistics1", "Basic Configuration > EtherLike-MIB > Dot3 Statistics"},
        {"TrouceControlTable1", "Basic Configuration > Trace Route > Control Table"},
        {"Information1", "Bridge > 802.1D > Information"},
        {"SecurityManagement1", "Security"},
        {"LoginInformation1", "Security > AAC  > APP Authtication Method Group\\n"},
        {"StatisticTable1",
         "Security > 802.1X > MAC_Based Authentication > EAP Over Land  Frames Statistic Table"},
        {"DHCPOfferPermitEntrySettings1",
         "Security > DHCP Server Screening > DHCP Offer Permit Entry Settings "},
        {"BulwarkControl2", "Security > Bulwark_Engine > Bulwark Control"},
        {"N8021QVLAN1", "VLAN > 802.1Q > 802.1Q VLAN "},
        {"StaticFiltering1", "VLAN > 802.1Q > Static Filtering "},
        {"DoubleVLANControlTable1", "VLAN > Double VLAN > Double VLAN Control  Table"},
        {"VlLANMultiplyManagement1", "VLAN > VLAN Multiply Management\n"},
        {"GVRP1", "VLAN > 802.1p > GARP"},
        {"VlanStaticTable1", "VLAN > 802.1Q > 802.1Q VLAN  > Static Table"},
        {"CommunityTargetAddressTable", "SNMP v3 > SNMP Target MIB > Target Address Table"},
        {"TargetAddressTable1", "SNMP v3 > Community > Target Address Table"},
        {"Statistics2", "SNMP v3 > User-based Security Mode > Statistics"},
        {"IGMPInformation1", "Layer 2 > IGMP Snooping > IGMP Information "},
        {"IPManagment1", "Layer 3 > IP Managment"},
        {"DHCPRelayUnused1", "Layer 3 > DHCP Relay > "},
        {"DeviceControl2", "Layer 2 > Layer 2 Device Global Settings"},
        {"PortSecurityControl1", "Layer 2 > Port Management > Port Security Table > Port Security Control"},
        {"AggreatorPortTable1", "Layer 2 > 802.3 ad > Aggregator Port Table"},
        {"NeighborCacheDeleteSettings", "Layer 3 > IPv6 Management > Neighbor Cache Delete Settings"},
        {"EthernetMask1", "Layer 2 > ACL > Ethernet Mask "},
        {"PacketContentRuleOffsets1", "Layer 2 > ACL > Packet Content Rule > Offsets Table"},
        {"IPv6RuleCPUFilter1", "Layer 2 > CPU Interface Filtering > IPv6 Rule(CPU Interface Filtering)"},
        {"CoSPriorityTable1", "Layer 2 > CoS Management > Priority Table\n"},
        {"CosSMacBasePRITable1", "Layer 2 > CoS Management > MAC_Base PRI Table\n"},
        {"CoSDHCPPRITable1", "Layer 2 > CoS Management > DSCP PRI Table"},
        {"PoEPortInformation1", "Layer 2 > PoE > PoE Port information"},
        {"PortTablle1", "Layer 2 > LLDP > LLDP-Dot3 > Local Data Table > Port Table"},
        {"ProtocolTable2", "Layer 2 > LLDP > LLDP-Dot1 > Local Data > Protocol VLAN Table"},
        {"CounterTotalRxQueryTable1", "Layer 2 > MLD Snooping > Counter Total Rx Query\n Table"},
        {"PPPoE1", "Layer 2 > PPPoE Circuit ID Insertion"},
        {"MDTableNextIndex2", "Layer 2 > CFM > MD > Next Index"},
        {"DatabaseTable2", "Layer 2 > CFM > MEP > Data Table"},
        {"GlobalSettings1", "Layer 2 > ERPS > Global Settings"},
        {"SMTPGlobalSettings1", "Basic Configuration > SMTP Management > Global Settings"},
    };
    std::map<std::string, std::string> found;
    for (const PlacedEntry& e : AllMenuEntries()) {
        if (paths.count(e.entry->objectName) != 0) {
            found[e.entry->objectName] = e.place.path;
        }
    }
    EXPECT_EQ(found, paths);
}

TEST(MenuTree, PageTitlesAreExact) {
    const std::map<std::string, std::string> titles = {
        {"L2DeviceAlarmLinkChange1", "Device Alarm Link Settings"},
        {"GratuitousARPManagementInfomation1", "Gratuitous ARP Management Information"},
        {"GratuitousARPTable1", "Gratuitous ARP Management Table"},
        {"DeleteAllState1", "Delete All Trusted Host"},
        {"SystemLogState1", "System Log Mangement"},
        {"FLASHUtilizationTable1", "Flash Utilization Table"},
        {"PortUtilization1", "Port Utilization Table"},
        {"CableDiagnostics1", "Cable Diagnostics Table"},
        {"MaxConcurrentRequests2", "Trace Route Max Concurrent Requests"},
        {"TraceRouteResultTable1", "Trace Route Results Table"},
        {"RMONSetting1", "RMON State"},
        {"NetConfiguration1", "Net Configuration Table"},
        {"Information1", "802.1D Information"},
        {"PortMSTPInformation1", "Port MSTP Information"},
        {"LoginInformation1", "APP Authentication Method Group"},
        {"StatisticTable1", "MAC EAP Over Land  Frames Statistic Table"},
        {"RadiusServerTabl1", "RADIUS Server"},
        {"AuthenticationServer1", "Authentication Information"},
        {"ServerGroup1", "AAC Server Table"},
        {"DOSPrevertionControlTable1", "DoS Prevertion Control Table"},
        {"PortInformation3", "IP-MAC Binding Port Table"},
        {"GlobalSettings3", "DHCP Server Screening Global Settings"},
        {"BasicConfigure2", "802.1p Basic Configure"},
        {"BasicConfigure", "802.1Q VLAN Basic Configuration"},
        {"GroupTable1", "Protocol VLAN Group Table"},
        {"ProtocolPortEntryTable1", "Protocol VLAN Port Group Priority Table"},
        {"PVIDAutoAssignmentState1", "PVID Auto Assignment State Settings"},
        {"VlLANMultiplyManagement1", "VLAN Multiply Management"},
        {"MessageProcessingandDispatching1", "Message Processing And Dispatching"},
        {"NotifyFilterEntryTable1", "Notify Filter Table"},
        {"CommunityStringTable1", "SNMP Community Table"},
        {"SingleIPControl1", "Single IP Control"},
        {"MyInformation1", "My Information"},
        {"CandidateSwitch1", "Single IP Candidate Switch Management"},
        {"NeighborCacheDeleteSettings", "IPv6 Neighbor Cache Delete Action"},
        {"Management1", "DHCP Relay Management"},
        {"TrunkBasicInformation1", "Trunk Information"},
        {"IGMPGlobalSettings1", "IGMP Snooping Global Settings Table"},
        {"IGMPGeneral1", "IGMP Management Information"},
        {"IGMPControlTable1", "IGMP Control"},
        {"PacketStormControl1", "Packet Storm Control"},
        {"AggregatorPortList1", "Aggregator Port List Table"},
        {"AggreatorPortTable1", "Aggregator Port"},
        {"MeterTable1", "ACL Meter Table"},
        {"PayloadMaskInformation1", "Packet Content Mask"},
        {"IPv6maskCPUACLfilter1", "IPv6 Mask (CPU Interface Filtering)"},
        {"ManagementAddressTable1", "Management Address Table"},
        {"ManagementAddressTable2", "Management Address Table"},
        {"PortVLANTable1", "Port VLAN Status"},
        {"ProtocolTable2", "Local Protocol VLAN Table"},
        {"CoSDHCPPRITable1", "CoS DSCP PRI Table"},
        {"PoESysteminformation1", "PoE System information"},
        {"GlobalSettings1", "EPRS Global Settings"},
        {"PortTable7", "BPDU Protection Port Table"},
        {"CounterTotalRxQueryTable1", "MLD Snooping Counter Total RX Query Table"},
        {"MulticastFilterPortMaxGroupTable1", "Multicast Filter Port Max Group Table"},
        {"Infomation1", "BPDU Tunnel Information"},
        {"DatabaseTable2", "CFM MEP Data Table"},
        {"EventLogTable1", "Dot3 OAM Event Log Table"},
    };
    for (const auto& [name, title] : titles) {
        const MenuEntry* e = qs::FindMenuEntry(qs::MainMenuItems(), name);
        ASSERT_NE(e, nullptr) << name;
        ASSERT_EQ(e->kind, CommandKind::Page) << name;
        EXPECT_EQ(e->page->title, title) << name;
    }
}

// Commands per menu: pages, dialogs, tools and direct commands, and how many of them the
// menu does not show.
TEST(MenuTree, EachMenuHoldsItsCommands) {
    struct Count {
        int pages = 0, hiddenPages = 0, dialogs = 0, tools = 0, hiddenTools = 0, direct = 0, empty = 0;
        bool operator==(const Count&) const = default;
    };
    std::map<std::string, Count> counts;
    // Each entry counts for its top-level menu and, below "Layer 2", for its Layer 2 item too.
    auto add = [&counts](const std::string& area, const PlacedEntry& e) {
        Count& c = counts[area];
        switch (e.entry->kind) {
        case CommandKind::Page:
            ++c.pages;
            c.hiddenPages += e.place.hidden;
            break;
        case CommandKind::Dialog:
            ++c.dialogs;
            break;
        case CommandKind::Tool:
            ++c.tools;
            c.hiddenTools += e.place.hidden;
            break;
        case CommandKind::Direct:
            ++c.direct;
            break;
        case CommandKind::Empty:
            ++c.empty;
            break;
        default:
            break;
        }
    };
    for (const PlacedEntry& e : AllMenuEntries()) {
        const std::string& path = e.place.path;
        add(path.substr(0, path.find(" > ")), e);
        if (path.starts_with("Layer 2 > ")) {
            add(path.substr(0, path.find(" > ", 10)), e);
        }
    }
    EXPECT_TRUE((counts["Basic Configuration"] == Count{35, 4, 9, 15, 3, 1, 0}));
    EXPECT_TRUE((counts["RMON"] == Count{4, 3, 0, 3, 0, 1, 0}));
    EXPECT_TRUE((counts["Bridge"] == Count{5, 0, 3, 2, 0, 0, 0}));
    EXPECT_TRUE((counts["VLAN"] == Count{17, 2, 7, 0, 0, 0, 2}));
    EXPECT_TRUE((counts["SNMP v3"] == Count{15, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Help"] == Count{0, 0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE((counts["Security"] == Count{40, 3, 12, 0, 0, 0, 1}));
    EXPECT_TRUE((counts["Refresh"] == Count{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_TRUE((counts["Layer 3"] == Count{9, 0, 2, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Single IP"] == Count{5, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Layer 2 Device Global Settings"] == Count{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Port Management"] == Count{9, 0, 3, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > QoS"] == Count{5, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > IGMP Snooping"] == Count{9, 2, 6, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Packet Storm"] == Count{2, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > 802.3 ad"] == Count{3, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > ACL"] == Count{7, 0, 7, 0, 0, 0, 1}));
    EXPECT_TRUE((counts["Layer 2 > CPU Interface Filtering"] == Count{2, 0, 7, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Time Range"] == Count{2, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > LLDP"] == Count{24, 0, 9, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > CoS Management"] == Count{5, 2, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > PoE"] == Count{4, 4, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Loopback Detection "] == Count{2, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Multicast Filter"] == Count{4, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > MLD Snooping"] == Count{3, 0, 2, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > Traffic Segmentation Table "] == Count{0, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > BPDU Tunnel"] == Count{3, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > BPDU Protection"] == Count{2, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > ARP Spoofing Prevent"] == Count{0, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > ERPS"] == Count{1, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > NLB"] == Count{0, 0, 2, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > PPPoE Circuit ID Insertion"] == Count{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > 802.3 OAM"] == Count{6, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE((counts["Layer 2 > CFM"] == Count{12, 2, 0, 0, 0, 0, 0}));
}

TEST(MenuTree, HiddenCommandsAreTheOnesTheMenuDoesNotOffer) {
    std::set<std::string> hidden;
    for (const PlacedEntry& e : AllMenuEntries()) {
        const CommandKind k = e.entry->kind;
        if (e.place.hidden && k != CommandKind::None && k != CommandKind::Separator) {
            hidden.insert(e.entry->objectName);
        }
    }
    const std::set<std::string> expected = {
        "PhysicalTable1",
        "LogicalTable1",
        "Mapping1",
        "Dot3Collision1",
        "ProbeHistoryTable1",
        "ProbeHistoryTable2",
        "RouteHopsTable1",
        "ProbeBasicInformation1",
        "NetConfiguration1",
        "NetDefaultGateway1",
        "AccountingServerInformation1",
        "AccountingServerTable1",
        "ServiceTable1",
        "RegeneratedUserPriorities1",
        "PortOutboundAccessPriorities1",
        "GMRP1",
        "GVRP1",
        "IGMPInformation1",
        "IGMPv3Table1",
        "CoSPortPRITable1",
        "CosSMacBasePRITable1",
        "PoESystemControl1",
        "PoESysteminformation1",
        "PoEPortControl1",
        "PoEPortInformation1",
        "VLANTable2",
        "MDTableNextIndex2",
    };
    EXPECT_EQ(hidden, expected);
}

// Every entry the menu shows opens something: a page with its definition, a dialog of a known
// class, a tool with its topic, or a command. Entries of menus still to come are listed here
// until their areas land.
TEST(MenuTree, EveryShownEntryHasItsCommand) {
    const std::set<std::string> awaited = {
        "VLAN1",
        "VACM1",
        "Layer31",
        "SingleIP1",
        "Layer2DeviceGlobalSettings1",
        "PortManagement1",
        "QoS1",
        "IGMPSnooping1",
        "CoSManagement1",
        "PacketStorm1",
        "ACL1",
        "CPUInterfaceFiltering1",
        "TimeRange1",
        "N8023ad1",
        "LLDP1",
    };
    std::set<std::string> without;
    for (const PlacedEntry& e : AllMenuEntries()) {
        const MenuEntry& m = *e.entry;
        switch (m.kind) {
        case CommandKind::Page:
            ASSERT_NE(m.page, nullptr) << e.place.path;
            EXPECT_NE(m.page->title, nullptr) << e.place.path;
            break;
        case CommandKind::Dialog:
            ASSERT_NE(m.dialog, nullptr) << e.place.path;
            EXPECT_NE(qs::FindDialogClass(m.dialog->className), nullptr) << e.place.path;
            break;
        case CommandKind::Tool:
            EXPECT_NE(m.topic, nullptr) << e.place.path;
            break;
        case CommandKind::None:
            if (m.children.empty() && !e.place.hidden) {
                without.insert(m.objectName);
            }
            break;
        default:
            break;
        }
    }
    for (const std::string& name : without) {
        EXPECT_EQ(awaited.count(name), 1u) << name << " opens nothing";
    }
}

TEST(MenuTree, EveryToolTopicBuildsACommandLine) {
    const std::set<std::string> programs = {"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "EntityMIB"};
    TToolArgs args;
    args.ReadCommunity = "public";
    args.WriteCommunity = "private";
    for (const PlacedEntry& e : EntriesOfKind(CommandKind::Tool)) {
        const std::string topic = e.entry->topic;
        const std::string line = qs::BuildMibToolCommandLine(topic, "10.90.90.90", args);
        const std::string program = line.substr(0, line.find(' '));
        EXPECT_EQ(programs.count(program), 1u) << e.place.path << ": " << line;
        EXPECT_EQ(line, program + " /I10.90.90.90 /Rpublic /Wprivate " + topic);
    }
}

TEST(MenuTree, DialogEntriesMatchTheirClasses) {
    for (const PlacedEntry& e : EntriesOfKind(CommandKind::Dialog)) {
        const qs::DialogDef& d = *e.entry->dialog;
        const qs::DialogClassDef* cls = qs::FindDialogClass(d.className);
        ASSERT_NE(cls, nullptr) << e.place.path;
        EXPECT_EQ(cls->hasGlobal, d.global != qs::GlobalPolicy::NoGlobal) << e.place.path;
        EXPECT_TRUE(!cls->globalBeforeShow || d.global == qs::GlobalPolicy::Set) << e.place.path;
        EXPECT_EQ(cls->takesMode, d.mode >= 0) << e.place.path;
    }
}

// Dialog entries of the Security menu: class, caption, owner, global and the method-list mode.
TEST(MenuTree, SecurityDialogEntriesOpenTheirClasses) {
    using enum qs::DialogOwner;
    using enum qs::GlobalPolicy;
    struct Case {
        const char* name;
        qs::DialogDef dialog;
    };
    const Case cases[] = {
        {"GuestVLAN1", {"TGuestVlanForm", "Guest VLAN", MainForm, Set}},
        {"LoginMethodControl1",
         {"TLoginMethodListForm", "AAC Login Method List Table", MainForm, Untouched, 1}},
        {"EnableMethodControl1",
         {"TLoginMethodListForm", "AAC Enable Method List Table", MainForm, Untouched, 0}},
        {"ServerInformation1", {"TServerInformationForm", "Server Information", Application, Set}},
        {"ServerControl1", {"TAAASrvCtrlForm", "AAC Server Control Table", MainForm, Untouched}},
        {"UserControlTable1", {"TSSHUserCtrlList", "SSH User Control Table", Application, Set}},
        {"SSLManagement1", {"TSSLManagementForm", "SSL Management", Application, Set}},
        {"SSLCertificateFile1", {"TCertificateFileForm", "SSL Certificate File", Application, Set}},
        {"BulwarkControl2", {"TBulwarkCtrlForm", "Bulwark Control", MainForm, Set}},
        {"BindingTable1", {"TIPMACBindingForm", "IP-MAC Binding", Application, Set}},
        {"PortGlobalSettings1", {"TMBAControlForm", "MBA Port Global Settings", Application, Set}},
        {"DHCPOfferPermitEntrySettings1",
         {"TFilterDHCPPermitForm", "DHCP Offer Permit Entry Settings", Application, NoGlobal}},
    };
    for (const Case& c : cases) {
        const MenuEntry* e = qs::FindMenuEntry(qs::MainMenuItems(), c.name);
        ASSERT_NE(e, nullptr) << c.name;
        ASSERT_EQ(e->kind, CommandKind::Dialog) << c.name;
        EXPECT_STREQ(e->dialog->className, c.dialog.className) << c.name;
        EXPECT_STREQ(e->dialog->title, c.dialog.title) << c.name;
        EXPECT_EQ(e->dialog->owner, c.dialog.owner) << c.name;
        EXPECT_EQ(e->dialog->global, c.dialog.global) << c.name;
        EXPECT_EQ(e->dialog->mode, c.dialog.mode) << c.name;
    }
}

// Only the SMTP settings and the About box keep their own captions; only STP Control catches.
TEST(MenuTree, DialogCaptionsAndCatches) {
    std::set<std::string> uncaptioned;
    std::set<std::string> catching;
    for (const PlacedEntry& e : EntriesOfKind(CommandKind::Dialog)) {
        if (e.entry->dialog->title == nullptr) {
            uncaptioned.insert(e.entry->dialog->className);
        }
        if (e.entry->dialog->catchToMainStatus) {
            catching.insert(e.entry->dialog->className);
        }
    }
    EXPECT_EQ(uncaptioned, (std::set<std::string>{"TSMTPControlForm", "TAboutForm"}));
    EXPECT_EQ(catching, (std::set<std::string>{"TSTP_Info"}));
}

// Owners and globals where commands differ from the usual (owner the application, global set).
TEST(MenuTree, DialogOwnersAndGlobalsThatDiffer) {
    std::set<std::string> ownedByMainForm;
    std::set<std::string> globalUntouched;
    for (const PlacedEntry& e : EntriesOfKind(CommandKind::Dialog)) {
        if (e.entry->dialog->owner == qs::DialogOwner::MainForm) {
            ownedByMainForm.insert(e.entry->dialog->className);
        }
        if (e.entry->dialog->global == qs::GlobalPolicy::Untouched) {
            globalUntouched.insert(e.entry->dialog->className);
        }
    }
    EXPECT_EQ(ownedByMainForm,
              (std::set<std::string>{
                  "TAAASrvCtrlForm", "TBOOTCtrlTableForm", "TBulwarkCtrlForm", "TCPUFilterIPV6RuleForm",
                  "TGuestVlanForm", "TIPv6MaskInfoForm", "TLoginMethodListForm", "TMSInformationForm",
                  "TMulticastFilterInformationForm", "TUnicastFilterInformationForm", "TVLanCurrentTableForm",
                  "TVlanStaticForm", "TfrmAgentSupportedUpdateFiles", "TfrmNetwroktime"}));
    EXPECT_EQ(
        globalUntouched,
        (std::set<std::string>{"TAAASrvCtrlForm", "TCPUEthernetInformationForm", "TCPUIPMaskInformationForm",
                               "TCPUIPRuleForm", "TEthernetMaskInformationForm", "TIPMaskInformationForm",
                               "TLoginMethodListForm", "TPortMirrorForm", "TSMTPControlForm",
                               "TSystemLogServerForm", "TTrafficSegmentationForm", "TfrmSummerTime"}));
}

} // namespace
