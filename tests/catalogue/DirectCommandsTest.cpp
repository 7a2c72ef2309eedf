// The SNMPv2c override of a page's request and the RMON menu's enabling rule.
#include "DirectCommands.h"

#include "QsSNMPTarget.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(RmonMenu, EnablesItsToolsByTheStateRead) {
    EXPECT_EQ(qs::RmonToolsEnabled("disabled"), false);
    EXPECT_EQ(qs::RmonToolsEnabled("enabled"), true);
    for (const char* kept : {"ST_RmonState", "1", "", "Enabled", "(NULL)"}) {
        EXPECT_FALSE(qs::RmonToolsEnabled(kept).has_value()) << kept;
    }
}

} // namespace
