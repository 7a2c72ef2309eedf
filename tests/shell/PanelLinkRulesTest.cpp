#include "PanelLinkRules.h"

#include "StrToInt.h"

#include <gtest/gtest.h>

namespace {

using qs::ComboLink;
using qs::CopperLink;

TEST(PanelLinkRules, CopperPortsShowOrangeBeforeGreen) {
    const std::pair<int, CopperLink> cases[] = {{0x01, CopperLink::Orange}, {0x03, CopperLink::Orange},
                                                {0x02, CopperLink::Green},  {0x00, CopperLink::None},
                                                {0x04, CopperLink::None},   {0xFE, CopperLink::Green}};
    for (const auto& [b, link] : cases) {
        EXPECT_EQ(qs::CopperLinkOf(b), link) << b;
    }
}

TEST(PanelLinkRules, ComboPortsTakeTheFirstRuleThatHolds) {
    const std::pair<int, ComboLink> cases[] = {
        {0x03, ComboLink::FibreGreen},   {0x23, ComboLink::CopperGreen}, {0x62, ComboLink::CopperOrange},
        {0x61, ComboLink::CopperOrange}, {0x02, ComboLink::FibreOrange}, {0x00, ComboLink::Hidden},
        {0x83, ComboLink::FibreGreen},   {0x01, ComboLink::Hidden}};
    for (const auto& [b, link] : cases) {
        EXPECT_EQ(qs::ComboLinkOf(b), link) << b;
    }
}

TEST(PanelLinkRules, PortBytesSitAtPositionThirtyOnePlusPort) {
    std::string text(120, '0');
    text.replace(2 * 32, 2, "0A"); // port 1
    text.replace(2 * 59, 2, "6f"); // port 28
    EXPECT_EQ(qs::PortStatusByte(text, 1), 0x0A);
    EXPECT_EQ(qs::PortStatusByte(text, 28), 0x6F);
    EXPECT_EQ(qs::PortStatusByte(text, 2), 0);
}

TEST(PanelLinkRules, MissingOrMalformedBytesRaise) {
    EXPECT_THROW(qs::PortStatusByte("portspeedled", 1), qs::EConvertError);
    EXPECT_THROW(qs::PortStatusByte(std::string(118, '0'), 28), qs::EConvertError);
    std::string text(120, '0');
    text.replace(2 * 40, 2, "G1");
    EXPECT_THROW(qs::PortStatusByte(text, 9), qs::EConvertError);
    text.replace(2 * 40, 2, "-1");
    EXPECT_THROW(qs::PortStatusByte(text, 9), qs::EConvertError);
    // Half a byte at the end of the text, or a digit beside a blank, is no status byte.
    EXPECT_THROW(qs::PortStatusByte(std::string(64, '0') + "A", 1), qs::EConvertError);
    EXPECT_THROW(qs::PortStatusByte(std::string(64, '0') + "A	", 1), qs::EConvertError);
    EXPECT_EQ(qs::PortStatusByte(std::string(64, '0') + "aF", 1), 0xAF);
}

} // namespace
