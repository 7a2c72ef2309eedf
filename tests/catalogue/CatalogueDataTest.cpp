// Consistency of every page definition the menu reaches: key counts, index columns, row-status
// texts, edit formats, port-list items and tags.
#include "CatalogueWalk.h"

#include "AgentMib.h"
#include "DeviceSystemMib.h"
#include "EditFormat.h"
#include "IgmpSnoopingPages.h"
#include "Layer2PortPages.h"
#include "Layer3Pages.h"
#include "QsOptionList.h"
#include "QsSNMPVarList.h"
#include "RmonBridgePages.h"

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
        EXPECT_TRUE(!(var.Access & ACC_NOTACCESS) || isKey) << panel.where << ": key access on column " << i;
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
}

TEST(CatalogueData, KeyCountsAndIndexColumnsFitTheirTables) {
    for (const PanelView& panel : AllPanels()) {
        ExpectKeysFit(panel);
    }
}

TEST(CatalogueData, StatusTextsExistInTheirColumnsOptionLists) {
    int statuses = 0;
    for (const PanelView& panel : AllPanels()) {
        ExpectStatusesFit(panel);
        statuses += (panel.add.var >= 0) + (panel.del.var >= 0);
    }
    // Trusted Host, SMTP receivers, ping and trace-route control, IPv6 addresses and neighbours
    EXPECT_EQ(statuses, 12);
}

TEST(CatalogueData, FormatsParseAndTargetEditItems) {
    for (const PanelView& panel : AllPanels()) {
        ExpectFormatsFit(panel);
    }
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
        {"Layer 2 > Port Management > Port Control Table", 1, "Medium Type", "100=copper,101=fiber,"},
        {"Layer 2 > Port Management > Port Information Table", 3, "Nway Status",
         "1=auto,2=half-10Mbps,3=full-10Mbps,4=half-100Mbps,5=full-100Mbps,7=full-1Gigabps,"},
        {"Layer 2 > Port Management > Port Security Table > Port Security Trap Log State", 0,
         "Port Security Trap Log State", "2=enable,3=disable,"},
        {"Layer 2 > Packet Storm > Control Table", 2, "Broadcast Status", "1=disabled,2=enabled,"},
        {"Layer 3 > IP Managment > IP Control Table", 3, "IPv6 Link Local Auto State",
         "1=other,2=enabled,3=disabled,"},
        {"Single IP > Neighbor Switch", 2, "Role State", "1=commander,2=candidate,3=member,"},
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
