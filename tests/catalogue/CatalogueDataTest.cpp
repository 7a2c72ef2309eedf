// Consistency of every page definition the menu reaches: key counts, index columns, row-status
// texts, edit formats, port-list items and tags.
#include "CatalogueWalk.h"

#include "AgentMib.h"
#include "DeviceSystemMib.h"
#include "EditFormat.h"
#include "IgmpSnoopingPages.h"
#include "Layer2PortPages.h"
#include "Layer3Pages.h"
#include "LldpMib.h"
#include "QBridgeMib.h"
#include "QsOptionList.h"
#include "QsSNMPVarList.h"
#include "RmonBridgePages.h"
#include "VlanPages.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

namespace {

using qs::PageDef;
using qs::PageKind;

bool IsIndexOid(const char* oid) {
    return std::string(oid) == kIndexOid;
}

void ExpectStatusFits(const PanelView& panel, const qs::StatusDef& status, int count) {
    if (status.var < 0) {
        return;
    }
    ASSERT_LT(status.var, count) << panel.where;
    const QsSNMPVarDesc& var = panel.vars[status.var];
    EXPECT_EQ(var.Access & ACC_READWRITE, ACC_READWRITE) << panel.where << ": status column must be writable";
    ASSERT_NE(var.OptionList, nullptr) << panel.where;
    const int index = var.OptionList->IndexOfText(status.text);
    ASSERT_GE(index, 0) << panel.where << ": " << status.text;
    EXPECT_EQ(var.OptionList->GetOption(index).text, status.text) << panel.where << ": spelt differently";
}

// Key-access columns beyond the key count: shown, never read. The RADIUS server's key column
// keeps the shared secret off the screen.
bool IsHiddenKeyColumn(const PanelView& panel, int var) {
    return panel.where == "Security > RADIUS Management > RADIUS Server Table" && var == 2;
}

// Key count, index columns, syntaxes and captions of one panel.
void ExpectKeysFit(const PanelView& panel) {
    static const std::regex dotted("[0-9]+(\\.[0-9]+)+");
    ASSERT_NE(panel.vars, nullptr) << panel.where;
    const int count = VarTableLength(panel.vars);
    EXPECT_GT(count, 0) << panel.where;
    EXPECT_LE(panel.keyCount, count) << panel.where;
    if (panel.itemType == SVT_SV) {
        EXPECT_EQ(panel.keyCount, 0) << panel.where;
    }
    for (int i = 0; i < count; ++i) {
        const QsSNMPVarDesc& var = panel.vars[i];
        const bool isKey = i < panel.keyCount;
        EXPECT_TRUE(IsIndexOid(var.Oid) || std::regex_match(var.Oid, dotted)) << panel.where << " " << i;
        EXPECT_TRUE(!IsIndexOid(var.Oid) || isKey) << panel.where << ": (index) outside the keys, " << i;
        EXPECT_TRUE(!(var.Access & ACC_NOTACCESS) || isKey || IsHiddenKeyColumn(panel, i))
            << panel.where << ": key access on column " << i;
        EXPECT_GE(SyntaxNames().IndexOfValue(std::to_string(var.Syntax)), 0) << panel.where << " " << i;
        EXPECT_NE(var.Name, nullptr) << panel.where << " " << i;
    }
}

void ExpectStatusesFit(const PanelView& panel) {
    const int count = VarTableLength(panel.vars);
    ExpectStatusFits(panel, panel.add, count);
    ExpectStatusFits(panel, panel.del, count);
}

void ExpectFormatsFit(const PanelView& panel) {
    const int count = VarTableLength(panel.vars);
    for (const qs::FormatDef& f : panel.formats) {
        ASSERT_LT(f.var, count) << panel.where;
        qs::EditFormat parsed;
        EXPECT_NO_THROW(parsed = qs::ParseEditFormat(f.format)) << panel.where << ": " << f.format;
        EXPECT_LE(parsed.minimum, parsed.maximum) << panel.where << ": " << f.format;
        EXPECT_EQ(parsed.useValidator, f.validator != nullptr) << panel.where << ": " << f.format;
        EXPECT_EQ(panel.vars[f.var].OptionList, nullptr) << panel.where << ": a format on a combo box";
    }
}

// Every check above on one panel.
void ExpectPanelFits(const PanelView& panel) {
    ExpectKeysFit(panel);
    ExpectStatusesFit(panel);
    ExpectFormatsFit(panel);
}

// Tags, port-list items and list-only settings of one page. Tag 99 belongs on an edit, a
// dependency rule on a writable combo box.
void ExpectSettingsFit(const PageDef& p, const std::string& where) {
    EXPECT_NE(std::string(p.title), "") << where;
    EXPECT_EQ(p.kind == PageKind::Paged, !p.tabs.empty()) << where;
    const int count = p.vars ? VarTableLength(p.vars) : 0;
    for (const qs::TagDef& tag : p.tags) {
        EXPECT_LT(tag.var, count) << where;
        if (tag.var < count) {
            const QsSNMPVarDesc& var = p.vars[tag.var];
            const bool combo = var.OptionList != nullptr && (var.Access & ACC_WRITEONLY) != 0;
            EXPECT_EQ(combo, tag.tag != 99) << where << ": tag " << tag.tag << " on " << var.Name;
        }
    }
    if (p.portList.var >= 0) {
        ASSERT_LT(p.portList.var, count) << where;
        EXPECT_EQ(p.vars[p.portList.var].OptionList, nullptr) << where;
    }
    EXPECT_TRUE(p.kind == PageKind::List || (p.add.var < 0 && p.del.var < 0 && !p.editHidden)) << where;
    for (const qs::TabDef& tab : p.tabs) {
        EXPECT_TRUE(tab.kind == PageKind::List || (tab.add.var < 0 && tab.del.var < 0 && !tab.editHidden))
            << where << " / " << tab.caption;
        // A key read from the agent as well: an index column by access, inside the keys.
        EXPECT_TRUE(tab.readKey < 0 ||
                    (tab.readKey < tab.keyCount && (tab.vars[tab.readKey].Access & ACC_NOTACCESS)))
            << where << " / " << tab.caption;
    }
}

TEST(CatalogueData, KeyCountsAndIndexColumnsFitTheirTables) {
    for (const PanelView& panel : AllPanels()) {
        ExpectKeysFit(panel);
    }
}

// The MIB group a table belongs to: its first read column's OID without column, entry and table.
std::string TableGroup(const PanelView& panel) {
    for (int i = panel.keyCount; panel.vars[i].Oid != nullptr; ++i) {
        std::string oid = panel.vars[i].Oid;
        if (IsIndexOid(oid.c_str())) {
            continue;
        }
        for (int arcs = 0; arcs < 3 && oid.rfind('.') != std::string::npos; ++arcs) {
            oid.erase(oid.rfind('.'));
        }
        return oid;
    }
    return {};
}

// Sibling tables of one group that share an index decode it alike, so one row shows the same
// key on every page (a MAC index read as a length-prefixed string would not). A key captioned
// just "Index" names different things in different tables (a port, a MAC) and is not compared.
TEST(CatalogueData, SiblingTablesDecodeASharedIndexAlike) {
    std::map<std::pair<std::string, std::string>, std::pair<std::uint32_t, std::string>> seen;
    int shared = 0;
    for (const PanelView& panel : AllPanels()) {
        const std::string group = TableGroup(panel);
        for (int k = 0; k < panel.keyCount && !group.empty(); ++k) {
            const QsSNMPVarDesc& key = panel.vars[k];
            if (std::string(key.Name) == "Index") {
                continue;
            }
            const auto [it, added] =
                seen.emplace(std::pair(group, std::string(key.Name)), std::pair(key.Syntax, panel.where));
            shared += added ? 0 : 1;
            EXPECT_EQ(key.Syntax, it->second.first)
                << panel.where << ": key \"" << key.Name << "\" decoded unlike on " << it->second.second;
        }
    }
    EXPECT_GT(shared, 10);
}

TEST(CatalogueData, StatusTextsExistInTheirColumnsOptionLists) {
    int statuses = 0;
    for (const PanelView& panel : AllPanels()) {
        ExpectStatusesFit(panel);
        statuses += (panel.add.var >= 0) + (panel.del.var >= 0);
    }
    // Trusted Host, SMTP receivers, ping and trace-route control; AAC server groups, the MAC
    // database, the IP-MAC blocked table's Delete; protocol and MAC-based VLANs, CVID translation;
    // ten SNMPv3 tables; IPv6 addresses and neighbours; ACL meters, both packet-content mask tabs,
    // rule offsets, IPv6 CPU-filter masks; multicast filter profiles; CFM VLANs, MDs, MA nets, MA
    // components, MEP lists and MEPs
    EXPECT_EQ(statuses, 67);
}

TEST(CatalogueData, FormatsParseAndTargetEditItems) {
    for (const PanelView& panel : AllPanels()) {
        ExpectFormatsFit(panel);
    }
}

// The checks themselves: a real entry passes them, and each kind of slip in a copy of it fails.
TEST(CatalogueData, ChecksCatchABrokenEntry) {
    auto failures = [](const PanelView& panel) {
        testing::TestPartResultArray results;
        {
            testing::ScopedFakeTestPartResultReporter reporter(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
            ExpectPanelFits(panel);
        }
        return results.size();
    };
    const qs::PageDef& mac = qs::MacBasedVlanPage;
    const PanelView good{"MAC-based VLAN", mac.vars, mac.itemType, mac.keyCount,
                         mac.add,          mac.del,  mac.formats};
    EXPECT_EQ(failures(good), 0);

    PanelView wrongStatus = good;
    wrongStatus.add = {3, "createAndWait"}; // not offered by the short row-status list
    const qs::FormatDef comboFormat[] = {{3, "%i{n1x6l1}"}};
    PanelView formatOnCombo = good;
    formatOnCombo.formats = comboFormat;
    PanelView readOnlyStatus = good;
    readOnlyStatus.del = {2, "static"};
    PanelView keysBeyondTable = good;
    keysBeyondTable.keyCount = 5;
    PanelView indexOutsideKeys = good;
    indexOutsideKeys.vars = Dot1pOutboundAccessVars; // its second column is an (index)
    indexOutsideKeys.keyCount = 1;
    indexOutsideKeys.add = indexOutsideKeys.del = {};
    indexOutsideKeys.formats = {};
    for (const PanelView& broken :
         {wrongStatus, formatOnCombo, readOnlyStatus, keysBeyondTable, indexOutsideKeys}) {
        EXPECT_GT(failures(broken), 0) << broken.keyCount << " " << broken.add.text;
    }
}

// An integer item sends a 32-bit signed value: its format must not admit anything beyond that.
TEST(CatalogueData, IntegerFormatsStayWithinInteger32) {
    int checked = 0;
    for (const PanelView& panel : AllPanels()) {
        for (const qs::FormatDef& f : panel.formats) {
            if (panel.vars[f.var].Syntax != SYN_INTEGER) {
                continue;
            }
            const qs::EditFormat parsed = qs::ParseEditFormat(f.format);
            EXPECT_GE(parsed.minimum, -2147483648.0) << panel.where << ": " << f.format;
            EXPECT_LE(parsed.maximum, 2147483647.0) << panel.where << ": " << f.format;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10);
}

TEST(CatalogueData, PageSettingsReferToExistingItems) {
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        ExpectSettingsFit(*e.entry->page, e.place.path);
    }
}

PanelView ViewOf(const PageDef& p) {
    return {p.title, p.vars, p.itemType, p.keyCount, p.add, p.del, p.formats};
}

// Every check fails on a copy of a real entry with one deliberate slip.
TEST(CatalogueData, ChecksFailOnABrokenEntry) {
    static PanelView broken; // the failure checks see static data only
    static PageDef brokenPage;
    static constexpr qs::FormatDef kOnCombo[] = {{5, "%i{n1x2l1}"}};
    static constexpr qs::FormatDef kBadFormat[] = {{1, "%q"}};
    static constexpr qs::TagDef kTagBeyond[] = {{10, 1}};
    static constexpr qs::TagDef kNeverEmptyOnCombo[] = {{4, 99}};

    broken = ViewOf(qs::Ipv6AddressControlPage);
    broken.add.text = "CreateAndGo";
    EXPECT_NONFATAL_FAILURE(ExpectStatusesFit(broken), "spelt differently");
    broken = ViewOf(qs::NeighborCachePage);
    broken.del = {3, "static"}; // "Reach State" is read-only
    EXPECT_NONFATAL_FAILURE(ExpectStatusesFit(broken), "status column must be writable");
    broken = ViewOf(qs::PortControlPage);
    broken.keyCount = 11;
    EXPECT_NONFATAL_FAILURE(ExpectKeysFit(broken), "Port Control Table");
    broken = ViewOf(qs::IgmpControlPage);
    broken.formats = kOnCombo;
    EXPECT_NONFATAL_FAILURE(ExpectFormatsFit(broken), "a format on a combo box");
    broken.formats = kBadFormat;
    EXPECT_NONFATAL_FAILURE(ExpectFormatsFit(broken), "%q");
    brokenPage = qs::PortControlPage;
    brokenPage.tags = kTagBeyond;
    EXPECT_NONFATAL_FAILURE(ExpectSettingsFit(brokenPage, "Port Control Table"), "Port Control Table");
    brokenPage = qs::IpControlPage;
    brokenPage.tags = kNeverEmptyOnCombo;
    EXPECT_NONFATAL_FAILURE(ExpectSettingsFit(brokenPage, "IP Control Table"),
                            "tag 99 on DHCP Option12 State");
}

// Fields whose value is hex octets (octet strings, IPv6 masks) either check an address form or
// take hex digits only, exactly as many as the octets shown; an unfiltered "%s" would send a
// mistyped text as other octets than the user meant.
TEST(CatalogueData, HexValuedFieldsTakeOnlyHexDigitsOfTheirLength) {
    int checked = 0;
    for (const PanelView& panel : AllPanels()) {
        for (const qs::FormatDef& f : panel.formats) {
            const std::uint32_t syntax = panel.vars[f.var].Syntax;
            if (syntax != SYN_OCTETSTR && syntax != SYN_IPV6ADDRESS && syntax != SYN_MACADDRESS) {
                continue;
            }
            const qs::EditFormat parsed = qs::ParseEditFormat(f.format);
            if (parsed.addressKind != qs::AK_NONE) {
                continue;
            }
            EXPECT_EQ(parsed.conversion, 'h') << panel.where << ": " << f.format;
            EXPECT_TRUE(parsed.lengthFlags & qs::LF_FIXED) << panel.where << ": " << f.format;
            EXPECT_EQ(parsed.length, syntax == SYN_IPV6ADDRESS ? 32 : 4) << panel.where << ": " << f.format;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 8); // CTag, STag, offsets mask, rule offsets data and mask, two IPv6 masks,
                           // the IPv6 address key
}

// The management-address subtypes: the address family numbers, the remote list spelling two of
// them its own way.
TEST(CatalogueData, AddressFamilyListsDifferOnlyInTwoSpellings) {
    ASSERT_EQ(OptionTableLength(AddressFamilyOptions), 27);
    ASSERT_EQ(OptionTableLength(RemoteAddressFamilyOptions), 27);
    std::string differences;
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(AddressFamilyOptions[i].value, RemoteAddressFamilyOptions[i].value) << i;
        EXPECT_EQ(AddressFamilyOptions[i].value, i < 26 ? i : 65535) << i;
        if (std::string(AddressFamilyOptions[i].text) != RemoteAddressFamilyOptions[i].text) {
            differences +=
                std::string(AddressFamilyOptions[i].text) + ">" + RemoteAddressFamilyOptions[i].text + ",";
        }
    }
    EXPECT_EQ(differences, "xtpOverIPv4>xtpOverIpv4,xtpOverIPv6>xtpOverIpv6,");
    EXPECT_STREQ(AddressFamilyOptions[26].text, "reserved");
    EXPECT_STREQ(AddressFamilyOptions[17].text, "distinguishedName");
}

// Catches a slip in the transcribed captions and values of a few columns that differ from
// their look-alikes.
TEST(CatalogueData, SelectedColumnsKeepTheirOwnEnumerations) {
    struct Case {
        const char* path;
        int var;
        const char* caption;
        const char* entries; // value=text pairs in combo order
        QsOptionValueType type = OVT_INT;
    };
    const Case cases[] = {
        {"Bridge > Spanning Tree > Port State Information", 8, "Admin P2P", "0=true,1=false,2=auto,"},
        {"Bridge > Spanning Tree > Port State Information", 6, "Admin Edge Port", "1=true,2=false,3=auto,"},
        {"Basic Configuration > Agent Management > Trusted Host > Trusted Host Table", 3, "Row Status",
         "1=active,2=notInService,3=notReady,4=createAndGo,5=createAndWait,6=destroy,"},
        {"Basic Configuration > SMTP Management > Mail Receiver Table", 2, "SMTP Mail Receiver Address State",
         "1=active,4=createAndGo,6=destroy,"},
        {"RMON > RMON Control", 0, "RMON State", "2=disabled,3=enabled,"},
        {"Basic Configuration > Device Management > Alarm Link Settings", 0, "Device Alarm Link Change",
         "1=other,2=disabled,3=enabled,"},
        {"Basic Configuration > Ping > Results Table", 3, "IP Target Address Type", "1=ipv4,2=ipv6,16=dns,"},
        {"Security > Authentication Mode Settings", 0, "Authentication Protocol", "2=Local,4=Radius Eap,"},
        {"Security > 802.1X > Port Session Statistics", 8, "Terminate Cause",
         "1=supplicantLogoff,2=portFailure,3=supplicantRestart,4=reauthFailed,5=authControlForceUnauth,"
         "6=portReInit,7=portAdminDisabled,999=notTerminatedYet,"},
        {"Security > 802.1X > Port Configuration", 3, "Administrative Controlled Directions", "0=both,1=in,"},
        {"Security > SSH > SSH Management", 3, "Session Key Rekeying",
         "0=never,10=ten-min,30=thirty-min,60=sixty-min,"},
        {"Security > IP-MAC Binding > Global Settings", 0, "Trap Log State", "2=enable,3=disable,"},
        {"Security > DoS Prevention > Global Settings", 0, "DoS Trap Log", "1=enable,2=disable,3=other,"},
        {"Security > MBA Management > DataBase Table", 2, "Status", "1=active,4=createAndGo,6=destroy,"},
        {"Security > IP-MAC Binding > Blocked Table", 5, "Status",
         "1=active,2=notInService,3=notReady,4=createAndGo,5=createAndWait,6=destroy,"},
        {"VLAN > Protocol VLAN > Protocol Port Group Priority", 2, "Group Priority",
         "-1=-,0=0,1=1,2=2,3=3,4=4,5=5,6=6,7=7,"},
        {"VLAN > VLAN Advertisement Table", 2, "Advertise State", "1=other,2=disabled,3=enabled,"},
        {"VLAN > VLAN Multiply Management\n", 1, "Advertisement", "1=other,2=enabled,3=disabled,"},
        {"VLAN > MAC-based VLAN", 3, "Status", "1=active,4=createAndGo,6=destroy,"},
        {"SNMP v3 > User-based Security Mode > User Table", 4, "Authentication Protocol",
         "1.3.6.1.6.3.10.1.1.1=None,1.3.6.1.6.3.10.1.1.2=MD5,1.3.6.1.6.3.10.1.1.3=SHA,", OVT_STRING},
        {"SNMP v3 > User-based Security Mode > User Table", 7, "Privacy Protocol",
         "1.3.6.1.6.3.10.1.2.1=None,1.3.6.1.6.3.10.1.2.2=DES,", OVT_STRING},
        {"SNMP v3 > SNMP Target MIB > Target Parameters", 4, "Security Level",
         "1=noAuthNoPriv,2=authNoPriv,3=authPriv,"},
        {"Layer 2 > Port Management > Port Control Table", 1, "Medium Type", "100=copper,101=fiber,"},
        {"Layer 2 > Port Management > Port Information Table", 3, "Nway Status",
         "1=auto,2=half-10Mbps,3=full-10Mbps,4=half-100Mbps,5=full-100Mbps,7=full-1Gigabps,"},
        {"Layer 2 > Port Management > Port Security Table > Port Security Trap Log State", 0,
         "Port Security Trap Log State", "2=enable,3=disable,"},
        {"Layer 2 > Packet Storm > Control Table", 2, "Broadcast Status", "1=disabled,2=enabled,"},
        {"Layer 3 > IP Managment > IP Control Table", 3, "IPv6 Link Local Auto State",
         "1=other,2=enabled,3=disabled,"},
        {"Single IP > Neighbor Switch", 2, "Role State", "1=commander,2=candidate,3=member,"},
        {"Layer 2 > ACL > Flow Meter Table", 3, "Action For Rate Exceed", "2=drop-packet,4=remark-dscp,"},
        {"Layer 2 > ACL > ACL Mask Delete All State", 0, "ACL Mask Delete All State", "1=none,2=start,"},
        {"Layer 2 > CPU Interface Filtering > Global Settings", 0, "CPU Interface filter State",
         "1=enable,2=disable,"},
        {"Layer 2 > CPU Interface Filtering > IPv6 Mask(CPU Interface Filtering)", 3, "Mask State",
         "1=other,2=dst-ipv6-addr,3=src-ipv6-addr,4=dst-src-ipv6-addr,"},
        {"Layer 2 > LLDP > LLDP System Data > Port Table", 1, "ID Subtype",
         "1=interfaceAlias,2=portComponent,3=macAddress,4=networkAddress,5=interfaceName,6=agentCircuitId,"
         "7=local,"},
        {"Layer 2 > LLDP > LLDP-Dot3 > Remote Table > Power Table", 3, "Power Port Class",
         "1=pClassPSE,2=pClassPD,"},
        {"Layer 2 > CoS Management > Priority Table\n", 1, "Ether PRI", "1=disable,2=Ethernet 802.1p,"},
        {"Layer 2 > CoS Management > Priority Table\n", 3, "None", "1=valid,2=invalid,"},
        {"Layer 2 > PoE > PoE Port Control", 3, "Power Limit",
         "1=class0,2=class1,3=class2,4=class3,5=user-defined,"},
        {"Layer 2 > BPDU Tunnel > Tunnel Table", 2, "STP State", "2=disabled,1=enabled,"},
        {"Layer 2 > MLD Snooping > Global Settings", 0, "MLD Snooping Global State", "2=disabled,3=enabled,"},
        {"Layer 2 > Multicast Filter > Port Table", 3, "Port Access", "0=none,1=permit,2=deny,"},
        {"Layer 2 > CFM > Stack Table", 3, "Direction", "1=down,2=up,"},
        {"Layer 2 > CFM > MA > Net Table", 4, "Net CCM Interval",
         "2=interval10ms,3=interval100ms,4=interval1s,5=interval10s,6=interval1min,7=interval10min,"},
        {"Layer 2 > 802.3 OAM > Event Log Table", 4, "Event Log Type",
         "1=erroredSymbolEvent,2=erroredFramePeriodEvent,3=erroredFrameEvent,4=erroredFrameSecondsEvent,"
         "256=linkFault,257=dyingGaspEvent,258=criticalLinkEvent,"},
    };
    const auto pages = EntriesOfKind(qs::CommandKind::Page);
    for (const Case& c : cases) {
        const auto it = std::find_if(pages.begin(), pages.end(),
                                     [&](const PlacedEntry& e) { return e.place.path == c.path; });
        ASSERT_NE(it, pages.end()) << c.path;
        const QsSNMPVarDesc& var = it->entry->page->vars[c.var];
        EXPECT_STREQ(var.Name, c.caption);
        ASSERT_NE(var.OptionList, nullptr) << c.caption;
        std::string entries;
        for (int i = 0; i < var.OptionList->GetCount(); ++i) {
            const qs::OptionEntry& option = var.OptionList->GetOption(i);
            entries += (c.type == OVT_INT ? std::to_string(option.value) : option.valueText) + "=" +
                       option.text + ",";
        }
        EXPECT_EQ(entries, c.entries) << c.caption;
        EXPECT_EQ(var.OptionList->ValueType(), c.type);
        EXPECT_FALSE(var.OptionList->CaseSensitive());
    }
}

// Each enumerated column has its own option list, and every panel's table builds the variable
// list its request is given.
TEST(CatalogueData, ColumnsOwnTheirListsAndTablesBuildVariableLists) {
    std::map<const QsOptionList*, const QsSNMPVarDesc*> owner;
    for (const PanelView& panel : AllPanels()) {
        const QsSNMPVarList list(panel.vars, panel.itemType, panel.keyCount);
        EXPECT_EQ(list.GetCount(), VarTableLength(panel.vars)) << panel.where;
        EXPECT_EQ(list.IsTable(), panel.itemType == MVT_FMV || panel.itemType == MVT_UMV) << panel.where;
        for (const qs::StatusDef& status : {panel.add, panel.del}) {
            EXPECT_TRUE(status.var < 0 || list.IsWritable(status.var)) << panel.where;
        }
        for (int i = 0; i < list.GetCount(); ++i) {
            const QsOptionList* options = list.GetVar(i)->OptionList;
            if (options != nullptr) {
                const auto [it, added] = owner.emplace(options, panel.vars);
                EXPECT_TRUE(added || it->second == panel.vars)
                    << panel.where << ": list shared with another table";
            }
        }
    }
}

// Columns whose syntax or caption is easy to get wrong: OUIs are binary octets shown as hex, and
// captions keep their blanks.
TEST(CatalogueData, SelectedColumnsKeepTheirSyntaxAndCaption) {
    struct Case {
        const char* path;
        int var;
        const char* caption;
        std::uint32_t syntax;
    };
    const Case cases[] = {
        {"Layer 2 > 802.3 OAM > Peer Table", 2, "Vendor OUI", SYN_OCTETSTR},
        {"Layer 2 > 802.3 OAM > Event Log Table", 3, "Event Log OUI", SYN_OCTETSTR},
        {"Layer 2 > 802.3 OAM > Event Log Table", 8, "Event Log  Threshold High", SYN_GUAGE},
        {"Layer 2 > 802.3 OAM > OAM Table", 3, " Mode", SYN_INTEGER},
        {"Layer 2 > 802.3 OAM > Event Configuration Table", 11, "Frame Seconds Error Threshold", SYN_INTEGER},
        {"Layer 2 > BPDU Protection > Port Table", 3, "Status  ", SYN_INTEGER},
        {"Layer 2 > CFM > MEP > MEP Table", 36, "Row Status", SYN_INTEGER},
        {"Layer 2 > CFM > MA > Component Table", 6, "Number Of VIDs(Only Support one VLAN)", SYN_GUAGE},
    };
    const auto pages = EntriesOfKind(qs::CommandKind::Page);
    for (const Case& c : cases) {
        const auto it = std::find_if(pages.begin(), pages.end(),
                                     [&](const PlacedEntry& e) { return e.place.path == c.path; });
        ASSERT_NE(it, pages.end()) << c.path;
        ASSERT_LT(c.var, VarTableLength(it->entry->page->vars)) << c.path;
        const QsSNMPVarDesc& var = it->entry->page->vars[c.var];
        EXPECT_STREQ(var.Name, c.caption) << c.path;
        EXPECT_EQ(var.Syntax, c.syntax) << c.path << " " << c.caption;
    }
}

TEST(CatalogueData, RebootAndRmonStateReuseThePagesObjects) {
    EXPECT_EQ(qs::RmonControlPage.vars, RmonStateVars);
    EXPECT_STREQ(BasicManagementVars[1].Name, "System Reset");
    EXPECT_STREQ(BasicManagementVars[1].Oid, kSystemResetOid);
    EXPECT_EQ(BasicManagementVars[1].OptionList->ValueToText(kSystemResetWarmStart), "warm-start");
}

} // namespace
