// The address rules on texts: one table for all checks, one for the canonical texts.

#include "AddressChecks.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qs {
namespace {

using Check = bool (*)(std::string_view);

struct CheckCase {
    const char* check;
    Check fn;
    std::string text;
    bool valid;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.check << "('" << c.text << "')";
}

class AddressRules : public ::testing::TestWithParam<CheckCase> {};

TEST_P(AddressRules, DecideAsTheRuleSays) {
    EXPECT_EQ(GetParam().fn(GetParam().text), GetParam().valid);
}

#define IPV4 "IPv4", IsValidIPv4Text
#define MIPV4 "MulticastIPv4", IsMulticastIPv4Text
#define IPV6 "IPv6Hex", IsIPv6HexText
#define MIPV6 "MulticastIPv6", IsMulticastIPv6Text
#define MAC "Mac", IsValidMacText
#define MMAC "MulticastMac", IsMulticastMacText
#define UMAC "UnicastMac", IsUnicastMacText
#define RECOVER "RecoverTime", IsValidRecoverTimeText

const CheckCase kCases[] = {
    {IPV4, "192.168.0.1", true},
    {IPV4, "1.2.3.255", true},
    {IPV4, "0.0.0.0", true},
    {IPV4, " 1.2.3.4", true}, // blanks around the address
    {IPV4, "1.2.3.4\t ", true},
    {IPV4, "001.002.003.004", false}, // a leading zero is refused, never read as octal
    {IPV4, "010.0.0.1", false},
    {IPV4, "1.2.3.04", false},
    {IPV4, "256.1.1.1", false},
    {IPV4, "1.2.3", false},
    {IPV4, "1.2.3.4.5", false},
    {IPV4, "1..2.3", false},
    {IPV4, "a.b.c.d", false},
    {IPV4, "1.2.3.x", false},
    {IPV4, "-1.2.3.4", false},
    {IPV4, "+1.2.3.4", false},
    {IPV4, "1.2. 3.4", false},
    {IPV4, "0x1.2.3.4", false},
    {IPV4, "16909060", false}, // inet_aton's one-number form
    {IPV4, "1.2.3.", false},
    {IPV4, "", false},
    {IPV4, "   ", false},
    {MIPV4, "224.0.0.1", true},
    {MIPV4, "239.255.255.255", true},
    {MIPV4, "223.1.1.1", false},
    {MIPV4, "240.0.0.1", false},
    {MIPV4, "224.0.0", false},
    {IPV6, "FE800000000000000000000000000001", true},
    {IPV6, "fe800000000000000000000000000001", true},
    {IPV6, "FE80000000000000000000000000001", false},   // 31
    {IPV6, "FE8000000000000000000000000000011", false}, // 33
    {IPV6, "FE80000000000000000000000000000g", false},
    {IPV6, "fe80::1", true},
    {IPV6, "2001:db8::10", true},
    {IPV6, "::ffff:10.0.0.1", true},
    {IPV6, "::", true},
    {IPV6, " 2001:DB8:0:0:0:0:0:10 ", true},
    {IPV6, "fe80::1%eth0", false}, // no column holds a zone
    {IPV6, "fe80::1%1", false},
    {IPV6, "1::2::3", false},
    {IPV6, "12345::1", false},
    {IPV6, "::ffff:010.0.0.1", false},
    {IPV6, "1:2:3:4:5:6:7:8:9", false},
    {IPV6, "fe80:1", false},
    {IPV6, "", false},
    {MIPV6, "FF020000000000000000000000000001", true},
    {MIPV6, "ff050000000000000000000000000001", true},
    {MIPV6, "FE800000000000000000000000000001", false},
    {MIPV6, "FF02::1", true},
    {MIPV6, "fe80::ff", false},
    {MAC, "00-1A-2B-3C-4D-5E", true},
    {MAC, "00.1a.2b.3c.4d.5e", true},
    {MAC, "001A2B3C4D5E", true},
    {MAC, "00-1A-2B-3C-4D", false},
    {MAC, "001-A2-B3-C4-D5-E6", false},
    {MAC, "00:1A:2B:3C:4D:5E", true},
    {MAC, "00:1a:2b:3c:4d:5e", true},
    {MAC, " 001a2b3c4d5e ", true},
    {MAC, "00:1a-2b:3c:4d:5e", false}, // one separator throughout
    {MAC, "00:1a:2b:3c:4d:5", false},
    {MAC, "0:1a:2b:3c:4d:5e:", false},
    {MAC, "00 1a 2b 3c 4d 5e", false},
    {MAC, "00-1a.2b-3c-4d-5e", false},
    {MAC, "00-11-22-33-44-5G", false},
    {MAC, "001A2B3C4D5", false},
    {MAC, "00-1A-2B-3C-4D-5E-", false},
    {MMAC, "01-00-5E-00-00-01", true},
    {MMAC, "01005E000001", true},
    {MMAC, "FF-FF-FF-FF-FF-FF", false},
    {MMAC, "ffffffffffff", false},
    {MMAC, "01-00-00-00-00-00", false},
    {MMAC, "0a-00-5e-00-00-01", false},
    {MMAC, "0B-00-5E-00-00-01", true},
    {MMAC, "01:00:5e:00:00:01", true},
    {MMAC, "ff:ff:ff:ff:ff:ff", false},
    {UMAC, "00-00-00-00-00-00", false},
    {UMAC, "01-00-5E-00-00-01", false},
    {UMAC, "00-1A-2B-3C-4D-5E", true},
    {UMAC, "0e.1a.2b.3c.4d.5e", true},
    {UMAC, "00:00:00:00:00:00", false},
    {UMAC, "00:1c:23:45:67:64", true},
    {RECOVER, "0", true},
    {RECOVER, "59", false},
    {RECOVER, "1", false},
    {RECOVER, "60", true},
    {RECOVER, "1000000", true},
    {RECOVER, "1000001", false},
    {RECOVER, "4295967295", false}, // the whole number, never its low bits
    {RECOVER, "12345678901", false},
    {RECOVER, "-60", false},
    {RECOVER, "-0", true},
    {RECOVER, "-", false},
    {RECOVER, "", false},
    {RECOVER, "6O", false},
    {RECOVER, " 60", false},
};

INSTANTIATE_TEST_SUITE_P(Texts, AddressRules, ::testing::ValuesIn(kCases));

// Each writing a parse takes becomes the canonical text; a refused text gives the empty text.
struct CanonicalCase {
    const char* kind;
    std::string (*canonical)(std::string_view);
    std::string text;
    std::string expected;
};

void PrintTo(const CanonicalCase& c, std::ostream* os) {
    *os << c.kind << "('" << c.text << "')";
}

class CanonicalTexts : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(CanonicalTexts, GiveTheFormTheProgramKeeps) {
    EXPECT_EQ(GetParam().canonical(GetParam().text), GetParam().expected);
}

#define C_IPV4 "IPv4", CanonicalIPv4Text
#define C_MAC "Mac", CanonicalMacText
#define C_IPV6 "IPv6", CanonicalIPv6Text
#define C_INET "Inet", CanonicalInetText
#define C_INETHEX "InetHex", CanonicalInetHexText

const CanonicalCase kCanonical[] = {
    {C_IPV4, " 10.0.0.1 ", "10.0.0.1"},
    {C_IPV4, "255.255.255.255", "255.255.255.255"},
    {C_IPV4, "010.0.0.1", ""},
    {C_MAC, "aa:bb:cc:dd:ee:ff", "AABBCCDDEEFF"},
    {C_MAC, "00-1a-2B-3c-4D-5e", "001A2B3C4D5E"},
    {C_MAC, "00.1a.2b.3c.4d.5e", "001A2B3C4D5E"},
    {C_MAC, "001a2b3c4d5e", "001A2B3C4D5E"},
    {C_MAC, "00-1A-2B-3C-4D", ""},
    {C_IPV6, "fe80::1", "FE800000000000000000000000000001"},
    {C_IPV6, "2001:db8::10", "20010DB8000000000000000000000010"},
    {C_IPV6, "::ffff:10.0.0.1", "00000000000000000000FFFF0A000001"},
    {C_IPV6, "fe800000000000000000000000000001", "FE800000000000000000000000000001"},
    {C_IPV6, "1:2:3:4:5:6:7:8", "00010002000300040005000600070008"},
    {C_IPV6, "fe80::1%eth0", ""},
    {C_INET, "10.90.90.50", "10.90.90.50"},
    {C_INET, "0a5a5a32", "10.90.90.50"},
    {C_INET, "fe80::1", "FE800000000000000000000000000001"},
    {C_INET, "010.90.90.50", ""},
    {C_INETHEX, "10.90.90.50", "0A5A5A32"},
    {C_INETHEX, "0a5a5a32", "0A5A5A32"},
    {C_INETHEX, "::ffff:10.0.0.1", "00000000000000000000FFFF0A000001"},
    {C_INETHEX, "0A5A5A3", ""},
};

INSTANTIATE_TEST_SUITE_P(Writings, CanonicalTexts, ::testing::ValuesIn(kCanonical));

TEST(AddressParses, ReturnTheOctets) {
    EXPECT_EQ(ParseIPv4Address("10.90.90.50"), (IPv4Octets{10, 90, 90, 50}));
    EXPECT_EQ(ParseMacAddress("00:1c:23:45:67:64"), (MacOctets{0x00, 0x1C, 0x23, 0x45, 0x67, 0x64}));
    EXPECT_EQ(ParseIPv6Address("ff02::2"),
              (IPv6Octets{0xFF, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x02}));
    EXPECT_EQ(ParseInetAddress("10.0.0.1"), (std::vector<std::uint8_t>{10, 0, 0, 1}));
    EXPECT_EQ(ParseInetAddress("::1")->size(), 16u);
    EXPECT_FALSE(ParseInetAddress("10.0.0").has_value());
    EXPECT_FALSE(ParseIPv4Address(std::string_view("10.0.0.1\0", 9)).has_value());
}

TEST(AddressMessages, NameTheWritingsTaken) {
    EXPECT_NE(MacAddressMessage().find("00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e"), std::string::npos);
    EXPECT_NE(IPv6AddressMessage().find("2001:db8::10"), std::string::npos);
    EXPECT_NE(IPv4AddressMessage().find("10.90.90.90"), std::string::npos);
    EXPECT_NE(InetAddressMessage().find("2001:db8::10"), std::string::npos);
}

} // namespace
} // namespace qs
