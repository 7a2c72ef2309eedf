// The property of the typed-text parse over every syntax: each text the parse takes is sent as the
// parse's value, and formatting that value and parsing it again gives it back. The texts are
// writings people use, mutated at random (a fixed seed per syntax, so a failure repeats).
#include "TypedTextProperty.h"

#include "QsSNMPVar.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace qs::test {
namespace {

// Writings of every syntax, taken and refused, for the mutations to start from.
const std::vector<std::string> kSeeds = {"0",
                                         "5",
                                         "-1",
                                         "+60",
                                         " 60 ",
                                         "007",
                                         "4294967295",
                                         "18446744073709551615",
                                         "-2147483648",
                                         "true",
                                         "false",
                                         "1.5",
                                         "-2e3",
                                         "0.1",
                                         "enabled",
                                         "2",
                                         "1.3.6.1.4.1",
                                         ".1.3.6.1",
                                         "1.40",
                                         "2.100",
                                         "0.39",
                                         "10.90.90.50",
                                         " 010.0.0.1",
                                         "255.255.255.255",
                                         "001A2B3C4D5E",
                                         "00-1A-2B-3C-4D-5E",
                                         "00:1a:2b:3c:4d:5e",
                                         "00.1a.2b.3c.4d.5e",
                                         "fe80::1",
                                         "2001:db8::10",
                                         "::ffff:10.0.0.1",
                                         "FE800000000000000000000000000001",
                                         "0a5a5a32",
                                         "0A FF",
                                         "FF:A0",
                                         "80 00 E4 F5 02 00 00 00 00 00 00",
                                         "0aff",
                                         "0:00:47.5",
                                         "1:2:3",
                                         "1 day 2:03:04.05",
                                         "3 days, 2:03:04.05",
                                         "497 days, 2:27:52.95",
                                         "2007-5-26,15:30:15,+8:0",
                                         "2016-12-31,23:59:60.0",
                                         "2007-5-26,15:30:15.0,-5:30",
                                         "2007/05/26 15:30:15",
                                         "1-3,5",
                                         "all",
                                         "28",
                                         "core-sw-1",
                                         "",
                                         "(NULL)"};

const std::string kAlphabet = "0123456789aAfFgx.:,-+ /%ed\t";

std::string Mutated(std::mt19937& rng, std::string text) {
    std::uniform_int_distribution<int> edits(0, 3);
    const int count = edits(rng);
    for (int i = 0; i < count; ++i) {
        const char c = kAlphabet[std::uniform_int_distribution<std::size_t>(0, kAlphabet.size() - 1)(rng)];
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size())(rng);
        switch (std::uniform_int_distribution<int>(0, 2)(rng)) {
        case 0:
            text.insert(at, 1, c);
            break;
        case 1:
            if (at < text.size()) {
                text.erase(at, 1);
            }
            break;
        default:
            if (at < text.size()) {
                text[at] = c;
            }
            break;
        }
    }
    return text;
}

class TypedProperty : public testing::TestWithParam<std::uint32_t> {};

TEST_P(TypedProperty, WhatIsTakenIsSentAndReadsBackAsItself) {
    const std::uint32_t syntax = GetParam();
    std::mt19937 rng(syntax);
    int taken = 0;
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const TypedField field = PropertyField(syntax, static_cast<std::uint8_t>(rng()));
        const std::string& seed = kSeeds[static_cast<std::size_t>(round) % kSeeds.size()];
        const std::string text = round < static_cast<int>(kSeeds.size()) ? seed : Mutated(rng, seed);
        const std::string breach = TypedPropertyBreach(text, field);
        ASSERT_EQ(breach, "") << "'" << text << "' key " << field.key << (field.options ? " enumerated" : "");
        (ParseTypedText(text, field).Taken() ? taken : refused) += 1;
    }
    EXPECT_GT(taken, 20) << "the writings reach what the syntax takes";
    if (syntax != SYN_NULL) { // a NULL column takes any text: it sends no value
        EXPECT_GT(refused, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(EverySyntax, TypedProperty,
                         testing::Values(SYN_BOOLEAN, SYN_INTEGER, SYN_BITSTR, SYN_OCTETSTR, SYN_NULL,
                                         SYN_OBJECTID, SYN_IPADDRESS, SYN_COUNTER, SYN_GUAGE, SYN_TIMETICKS,
                                         SYN_OPAQUE, SYN_NSAPADDR, SYN_COUNTER64, SYN_UINTEGER, SYN_DOUBLE,
                                         SYN_MACADDRESS, SYN_DATETIME, SYN_BCDATETIME, SYN_DISPLAYSTR,
                                         SYN_IPV6ADDRESS, SYN_BITLIST, SYN_INETADDRESS, SYN_BOOL8, SYN_INT8,
                                         SYN_UINT8, SYN_BOOL16, SYN_INT16, SYN_UINT16));

} // namespace
} // namespace qs::test
