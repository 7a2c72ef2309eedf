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

// A device that restarts does not answer, so only a time-out is taken for a reboot; a refusal
// or a SET that could not be sent says why.
TEST(Reboot, AsksSendsOneWarmStartAndReportsOnlyWhatIsNoReboot) {
    struct Case {
        bool yes;
        int code;           // the SET's outcome
        const char* throws; // the send raises this instead
        int sent;
        const char* reported;
    };
    const Case cases[] = {
        {false, 0, nullptr, 0, ""},
        {true, 0, nullptr, 1, ""},
        {true, -405, nullptr, 1, ""},
        {true, -105, nullptr, 1, "general error"},
        {true, 0, "Invalid IP Address or DNS name!", 1, "Invalid IP Address or DNS name!"},
    };
    for (const Case& c : cases) {
        std::string asked;
        std::vector<qs::ScalarSet> sent;
        std::string reported;
        auto ask = [&](const std::string& text, const std::string& caption) {
            asked = text + "|" + caption;
            return c.yes;
        };
        auto send = [&](const qs::ScalarSet& set) {
            sent.push_back(set);
            if (c.throws) {
                throw std::runtime_error(c.throws);
            }
            QsSNMPError error;
            error.code = c.code;
            error.message = c.code == -105 ? "general error" : "other";
            return error;
        };
        auto report = [&](const std::string& message) { reported += message; };
        EXPECT_NO_THROW(qs::RunReboot(ask, send, report));
        EXPECT_EQ(asked, "Are you sure to reboot the device?|Reboot");
        ASSERT_EQ(static_cast<int>(sent.size()), c.sent);
        EXPECT_EQ(reported, c.reported) << c.code;
        if (c.sent == 1) {
            EXPECT_STREQ(sent[0].oid, "1.3.6.1.4.1.58613.12.1.2.3");
            EXPECT_EQ(sent[0].syntax, SYN_INTEGER);
            EXPECT_STREQ(sent[0].value, "3");
            EXPECT_EQ(sent[0].timeout, 500);
        }
    }
}

} // namespace
