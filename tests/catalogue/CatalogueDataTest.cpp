// Consistency of every page definition the menu reaches: key counts, index columns, row-status
// texts, edit formats, port-list items and tags.
#include "CatalogueWalk.h"

#include "AgentMib.h"
#include "DeviceSystemMib.h"
#include "EditFormat.h"
#include "LldpMib.h"
#include "QsOptionList.h"
#include "QsSNMPVarList.h"
#include "RmonBridgePages.h"

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

TEST(CatalogueData, KeyCountsAndIndexColumnsFitTheirTables) {
    const std::regex dotted("[0-9]+(\\.[0-9]+)+");
    for (const PanelView& panel : AllPanels()) {
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
            EXPECT_TRUE(!(var.Access & ACC_NOTACCESS) || isKey)
                << panel.where << ": key access on column " << i;
            EXPECT_GE(SyntaxNames().IndexOfValue(std::to_string(var.Syntax)), 0) << panel.where << " " << i;
            EXPECT_NE(var.Name, nullptr) << panel.where << " " << i;
        }
    }
}

TEST(CatalogueData, StatusTextsExistInTheirColumnsOptionLists) {
    int statuses = 0;
    for (const PanelView& panel : AllPanels()) {
        const int count = VarTableLength(panel.vars);
        ExpectStatusFits(panel, panel.add, count);
        ExpectStatusFits(panel, panel.del, count);
        statuses += (panel.add.var >= 0) + (panel.del.var >= 0);
    }
    // Trusted Host, SMTP receivers, ping and trace-route control, ACL meters, both packet-content
    // mask tabs, rule offsets, IPv6 CPU-filter masks
    EXPECT_EQ(statuses, 18);
}

TEST(CatalogueData, FormatsParseAndTargetEditItems) {
    for (const PanelView& panel : AllPanels()) {
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
}

TEST(CatalogueData, PageSettingsReferToExistingItems) {
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
        const PageDef& p = *e.entry->page;
        EXPECT_NE(std::string(p.title), "") << e.place.path;
        EXPECT_EQ(p.kind == PageKind::Paged, !p.tabs.empty()) << e.place.path;
        const int count = p.vars ? VarTableLength(p.vars) : 0;
        for (const qs::TagDef& tag : p.tags) {
            EXPECT_LT(tag.var, count) << e.place.path;
        }
        if (p.portList.var >= 0) {
            ASSERT_LT(p.portList.var, count) << e.place.path;
            EXPECT_EQ(p.vars[p.portList.var].OptionList, nullptr) << e.place.path;
        }
        EXPECT_TRUE(p.kind == PageKind::List || (p.add.var < 0 && p.del.var < 0 && !p.editHidden))
            << e.place.path;
        for (const qs::TabDef& tab : p.tabs) {
            EXPECT_TRUE(tab.kind == PageKind::List || (tab.add.var < 0 && tab.del.var < 0 && !tab.editHidden))
                << e.place.path << " / " << tab.caption;
            // A key read from the agent as well: an index column by access, inside the keys.
            EXPECT_TRUE(tab.readKey < 0 ||
                        (tab.readKey < tab.keyCount && (tab.vars[tab.readKey].Access & ACC_NOTACCESS)))
                << e.place.path << " / " << tab.caption;
        }
    }
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
    EXPECT_EQ(checked, 7); // CTag, STag, offsets mask, rule offsets data and mask, two IPv6 masks
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
            entries += std::to_string(var.OptionList->GetOption(i).value) + "=" +
                       var.OptionList->GetOption(i).text + ",";
        }
        EXPECT_EQ(entries, c.entries) << c.caption;
        EXPECT_EQ(var.OptionList->ValueType(), OVT_INT);
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

TEST(CatalogueData, RebootAndRmonStateReuseThePagesObjects) {
    EXPECT_EQ(qs::RmonControlPage.vars, RmonStateVars);
    EXPECT_STREQ(BasicManagementVars[1].Name, "System Reset");
    EXPECT_STREQ(BasicManagementVars[1].Oid, kSystemResetOid);
    EXPECT_EQ(BasicManagementVars[1].OptionList->ValueToText(kSystemResetWarmStart), "warm-start");
}

} // namespace
