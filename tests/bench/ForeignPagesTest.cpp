// The foreign-agent bench opens its pages by menu object name: each must be a list page a user
// can open from the main menu, so that a renamed or removed item does not drop out of the
// figures unnoticed.
#include "ForeignPages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qs::bench {
namespace {

TEST(ForeignBenchPages, AreVisibleListPagesOfTheMainMenu) {
    std::set<std::string> seen;
    for (const char* name : kForeignPages) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(seen.insert(name).second) << "named twice";
        const MenuEntry* entry = ForeignPageEntry(name);
        ASSERT_NE(entry, nullptr);
        ASSERT_EQ(entry->kind, CommandKind::Page);
        ASSERT_NE(entry->page, nullptr);
        EXPECT_EQ(entry->page->kind, PageKind::List);
        const MenuPlace place = ForeignPagePlace(name);
        EXPECT_FALSE(place.path.empty());
        EXPECT_FALSE(place.hidden);
    }
}

TEST(ForeignBenchPages, OnlyTheSnmpV3MenuIsMarkedAsSuch) {
    EXPECT_FALSE(InSnmpV3Menu("IFXTable1"));
    EXPECT_TRUE(InSnmpV3Menu("UserTable1"));
    EXPECT_FALSE(InSnmpV3Menu("NoSuchItem"));
}

} // namespace
} // namespace qs::bench
