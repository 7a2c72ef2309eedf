// The address rules on texts, one table for all checks.

#include "AddressChecks.h"

#include <gtest/gtest.h>
#include <string>

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
    {IPV4, "001.002.003.004", true},    // leading zeros, 15 characters
    {IPV4, "0001.002.003.004", true},   // 16 characters is still allowed
    {IPV4, "0001.0002.003.004", false}, // 17
    {IPV4, "256.1.1.1", false},
    {IPV4, "1.2.3", false},
    {IPV4, "1.2.3.4.5", false},
    {IPV4, "1..2.3", false},
    {IPV4, "a.b.c.d", false},
    {IPV4, "1.2.3.x", false},
    {IPV4, "-1.2.3.4", false},
    {IPV4, "+1.2.3.4", false},
    {IPV4, " 1.2.3.4", false},
    {IPV4, "1.2.3.", false},
    {IPV4, "", false},
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
    {IPV6, "fe80::1", false},
    {MIPV6, "FF020000000000000000000000000001", true},
    {MIPV6, "ff050000000000000000000000000001", true},
    {MIPV6, "FE800000000000000000000000000001", false},
    {MIPV6, "FF02::1", false},
    {MAC, "00-1A-2B-3C-4D-5E", true},
    {MAC, "00.1a.2b.3c.4d.5e", true},
    {MAC, "001A2B3C4D5E", true},
    {MAC, "00-1A-2B-3C-4D", false},
    {MAC, "001-A2-B3-C4-D5-E6", false},
    {MAC, "00:1A:2B:3C:4D:5E", false},
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
    {UMAC, "00-00-00-00-00-00", false},
    {UMAC, "01-00-5E-00-00-01", false},
    {UMAC, "00-1A-2B-3C-4D-5E", true},
    {UMAC, "0e.1a.2b.3c.4d.5e", true},
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

} // namespace
} // namespace qs
