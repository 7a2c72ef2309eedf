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
    EXPECT_TRUE((counts["Help"] == Count{0, 0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE((counts["Security"] == Count{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_TRUE((counts["Refresh"] == Count{0, 0, 0, 0, 0, 1, 0}));
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
        "PhysicalTable1",     "LogicalTable1",      "Mapping1",        "Dot3Collision1",
        "ProbeHistoryTable1", "ProbeHistoryTable2", "RouteHopsTable1", "ProbeBasicInformation1",
        "NetConfiguration1",  "NetDefaultGateway1", "VLANTable2",      "MDTableNextIndex2",
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

} // namespace
