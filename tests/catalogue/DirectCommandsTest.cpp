// The SNMPv2c override of a page's request, the RMON menu's enabling rule and Reboot.
#include "DirectCommands.h"

#include "BasicConfigPages.h"

#include "QsSNMPTarget.h"
#include "QsSNMPVar.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(VersionOverride, SpeaksV2cOnlyInsteadOfV1AndRestoresTheVersion) {
    struct Case {
        std::uint8_t configured;
        bool active;
        std::uint8_t inside;
    };
    const Case cases[] = {{0, true, 1}, {1, true, 1}, {3, true, 3}, {0, false, 0}};
    for (const Case& c : cases) {
        DefaultSecurity.version = c.configured;
        {
            qs::VersionOverride guard(c.active);
            EXPECT_EQ(DefaultSecurity.version, c.inside) << int(c.configured);
        }
        EXPECT_EQ(DefaultSecurity.version, c.configured);
    }
}

TEST(VersionOverride, RestoresTheVersionWhenThePageBuildThrows) {
    DefaultSecurity.version = 0;
    EXPECT_THROW(
        {
            qs::VersionOverride guard(true);
            throw std::runtime_error("Can not set Var format to a ComboBox!");
        },
        std::runtime_error);
    EXPECT_EQ(DefaultSecurity.version, 0);
}

TEST(PageCommand, OpensThePageUnderItsVersionOverride) {
    for (const qs::PageDef* page : {&qs::IfXTablePage, &qs::PowerTablePage}) {
        DefaultSecurity.version = 0;
        int inside = -1;
        EXPECT_THROW(qs::RunPageCommand(*page,
                                        [&](const qs::PageDef&) {
                                            inside = DefaultSecurity.version;
                                            throw std::runtime_error("page build failed");
                                        }),
                     std::runtime_error);
        EXPECT_EQ(inside, page->forceV2cIfV1 ? 1 : 0) << page->title;
        EXPECT_EQ(DefaultSecurity.version, 0) << page->title;
    }
}

TEST(RmonMenu, EnablesItsToolsByTheStateRead) {
    EXPECT_EQ(qs::RmonToolsEnabled("disabled"), false);
    EXPECT_EQ(qs::RmonToolsEnabled("enabled"), true);
    for (const char* kept : {"ST_RmonState", "1", "", "Enabled", "(NULL)"}) {
        EXPECT_FALSE(qs::RmonToolsEnabled(kept).has_value()) << kept;
    }
}

TEST(Reboot, AsksAndSendsOneWarmStartSilently) {
    struct Case {
        bool yes;
        bool sendThrows;
        int sent;
    };
    for (const Case c : {Case{false, false, 0}, Case{true, false, 1}, Case{true, true, 1}}) {
        std::string asked;
        std::vector<qs::ScalarSet> sent;
        auto ask = [&](const std::string& text, const std::string& caption) {
            asked = text + "|" + caption;
            return c.yes;
        };
        auto send = [&](const qs::ScalarSet& set) {
            sent.push_back(set);
            if (c.sendThrows) {
                throw std::runtime_error("Request time out");
            }
        };
        EXPECT_NO_THROW(qs::RunReboot(ask, send));
        EXPECT_EQ(asked, "Are you sure to reboot the device?|Reboot");
        ASSERT_EQ(static_cast<int>(sent.size()), c.sent);
        if (c.sent == 1) {
            EXPECT_STREQ(sent[0].oid, "1.3.6.1.4.1.58613.12.1.2.3");
            EXPECT_EQ(sent[0].syntax, SYN_INTEGER);
            EXPECT_STREQ(sent[0].value, "3");
            EXPECT_EQ(sent[0].timeout, 500);
        }
    }
}

} // namespace
