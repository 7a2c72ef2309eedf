// Consistency of every page definition the menu reaches: key counts, index columns, row-status
// texts, edit formats, port-list items and tags.
#include "CatalogueWalk.h"

#include "AgentMib.h"
#include "DeviceSystemMib.h"
#include "EditFormat.h"
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
    // Trusted Host, SMTP receivers, ping and trace-route control; multicast filter profiles;
    // CFM VLANs, MDs, MA nets, MA components, MEP lists and MEPs
    EXPECT_EQ(statuses, 22);
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
    }
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
