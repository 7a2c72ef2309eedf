// The LLDP bit-set texts: hex value texts to name texts with each of the five tables, name texts
// back to the value that is sent, and values encoded in more than one octet.
#include "LldpBitSets.h"

#include <gtest/gtest.h>

#include <optional>

namespace qs {
namespace {

TEST(LldpBitSets, HexTextToIntReadsTheLeadingDigits) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"F0", 240},
        {"f0", 240},
        {"", 0},
        {"(NULL)", 0},
        {"1G", 1},
        {"F000", 61440},
        {"7FFFFFFF", 0x7FFFFFFF},
        {"FFFFFFFF", -1},
        {"123456789", 0x23456789},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexTextToInt(c.text), c.value) << c.text;
    }
}

TEST(LldpBitSets, ValuesReadAsTheNamesOfTheirTable) {
    const struct {
        const char* value;
        const LldpNameTable* table;
        const char* text;
    } cases[] = {
        {"F0", &PortTlvNames, " Port Description,System Name,System Description,System Capabilities"},
        {"10", &PortTlvNames, " System Capabilities"},
        {"0F", &PortTlvNames, " "},
        {"00", &PortTlvNames, " "},
        {"", &PortTlvNames, " "},
        {"(NULL)", &RemoteCapabilityNames, " "},
        {"(NOTDONE)", &LinkAggStatusNames, " "},
        {"28", &RemoteCapabilityNames, " bridge,router"},
        {"28", &LocalCapabilityNames, " Bridge,Router"},
        {"60", &LocalCapabilityNames, " Repeater,Bridge"},
        {"A0", &LocalCapabilityNames, " Other,Bridge"},
        {"C0", &LocalCapabilityNames, " Other,Repeater"},
        {"04", &LocalCapabilityNames, " Telphone"},
        {"04", &RemoteCapabilityNames, " telephone"},
        {"FF", &RemoteCapabilityNames,
         " other,repeater,bridge,wlanAccessPoint,router,telephone,docsisCableDevice,stationOnly"},
        {"B0", &Dot3TlvNames, " macPhyConfigStatus,linkAggregation,maxFrameSize"},
        {"40", &Dot3TlvNames, " powerViaMDI"},
        {"C0", &LinkAggStatusNames, " aggCapable,aggEnabled"},
        {"80", &LinkAggStatusNames, " aggCapable"},
        {"40", &LinkAggStatusNames, " aggEnabled"},
        {"3F", &LinkAggStatusNames, " "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitsToNameText(c.value, *c.table), c.text) << c.value;
    }
}

// Bit 0 of a BITS value is the top bit of its first octet however many octets the agent sends.
TEST(LldpBitSets, ALongerValueReadsItsFirstOctet) {
    const struct {
        const char* value;
        const char* text;
    } cases[] = {
        {"2800", " bridge,router"}, {"0028", " "}, {"28000000", " bridge,router"},
        {"8", " router"}, // an odd text: its first digit is the first octet, as it is sent
        {"801", " router"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitsToNameText(c.value, RemoteCapabilityNames), c.text) << c.value;
    }
    EXPECT_EQ(BitsToNameText("F000", PortTlvNames),
              " Port Description,System Name,System Description,System Capabilities");
}

TEST(LldpBitSets, NameTextsGoBackToTheValueSent) {
    const struct {
        const char* text;
        const LldpNameTable* table;
        const char* value;
    } cases[] = {
        {" ", &PortTlvNames, "0"},
        {"", &PortTlvNames, "0"},
        {" Port Description,System Name", &PortTlvNames, "C0"},
        {"System Capabilities", &PortTlvNames, "10"},
        {"System Name", &PortTlvNames, "40"},
        {"port description", &PortTlvNames, "0"},
        {"System Names", &PortTlvNames, "40"},
        {" Port Description,System Name,System Description,System Capabilities", &PortTlvNames, "F0"},
        {"powerViaMDI", &Dot3TlvNames, "40"},
        {" macPhyConfigStatus,linkAggregation,maxFrameSize", &Dot3TlvNames, "B0"},
        {"Router", &LocalCapabilityNames, "8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameTextToBits(c.text, *c.table), c.value) << c.text;
    }
}

// What a user may type: the names of the table joined by ",", blanks around each; blanks alone
// for none. Anything else is refused, not read as no bit.
TEST(LldpBitSets, TypedNameTextsTakeOnlyNamesOfTheirTable) {
    const struct {
        const char* text;
        const LldpNameTable* table;
        std::optional<std::string> value;
    } cases[] = {
        {" ", &PortTlvNames, "0"},
        {"   ", &PortTlvNames, "0"},
        {" Port Description,System Name", &PortTlvNames, "C0"},
        {"System Name , Port Description ", &PortTlvNames, "C0"},
        {"System Capabilities", &PortTlvNames, "10"},
        {" Port Description,System Name,System Description,System Capabilities", &PortTlvNames, "F0"},
        {" macPhyConfigStatus,linkAggregation,maxFrameSize", &Dot3TlvNames, "B0"},
        {"", &PortTlvNames, std::nullopt},
        {"zz", &PortTlvNames, std::nullopt},
        {"-1", &PortTlvNames, std::nullopt},
        {"00", &PortTlvNames, std::nullopt},
        {"port description", &PortTlvNames, std::nullopt},
        {"System Names", &PortTlvNames, std::nullopt},
        {"System Name,", &PortTlvNames, std::nullopt},
        {",System Name", &PortTlvNames, std::nullopt},
        {"System Name;Port Description", &PortTlvNames, std::nullopt},
        {"powerViaMDI", &PortTlvNames, std::nullopt},
        {"System Name", &Dot3TlvNames, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypedNameTextToBits(c.text, *c.table), c.value) << "'" << c.text << "'";
    }
    for (unsigned bits = 0; bits < 16; ++bits) {
        const char digits[] = "0123456789ABCDEF";
        const std::string value = {digits[bits], '0'};
        const std::string text = BitsToNameText(value, PortTlvNames);
        EXPECT_EQ(TypedNameTextToBits(text, PortTlvNames), NameTextToBits(text, PortTlvNames))
            << "every text the choice window writes is taken: '" << text << "'";
    }
}

TEST(LldpBitSets, ARoundTripGivesTheValueBack) {
    for (unsigned high = 0; high < 16; ++high) {
        const char digits[] = "0123456789ABCDEF";
        const std::string value = {digits[high], '0'};
        const std::string back = NameTextToBits(BitsToNameText(value, PortTlvNames), PortTlvNames);
        EXPECT_EQ(back, high == 0 ? "0" : value);
        EXPECT_EQ(NameTextToBits(BitsToNameText(value + "00", Dot3TlvNames), Dot3TlvNames), back)
            << "a two-octet value keeps its bits";
    }
}

} // namespace
} // namespace qs
