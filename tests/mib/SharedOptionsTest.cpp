#include "SharedOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Describe(const QsOption* table) {
    QsOptionList list(table, OVT_INT, false);
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i) {
        text += std::to_string(list.GetOption(i).value) + " " + list.GetOption(i).text + ";";
    }
    return text;
}

// The order is the combo boxes' order, so it is pinned entry by entry.
TEST(SharedOptions, HoldTheirEntriesInOrder) {
    struct Case {
        const QsOption* table;
        const char* entries;
    };
    const Case cases[] = {
        {EnabledDisabledOptions, "1 enabled;2 disabled;"},
        {TrueFalseOptions, "1 true;2 false;"},
        {DisabledEnabledOptions, "2 disabled;3 enabled;"},
        {RowStatusShortOptions, "1 active;4 createAndGo;6 destroy;"},
        {RowStatusOptions, "1 active;2 notInService;3 notReady;4 createAndGo;5 createAndWait;6 destroy;"},
        {StorageTypeOptions, "1 other;2 volatile;3 nonVolatile;4 permanent;5 readOnly;"},
        {OtherStartOptions, "1 other;2 start;"},
        {EnableDisableOptions, "1 enable;2 disable;"},
        {DisabledEnabled12Options, "1 disabled;2 enabled;"},
        {NoneStartOptions, "1 none;2 start;"},
        {InactiveActiveOptions, "1 inactive;2 active;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(c.table), c.entries);
    }
}

} // namespace
