#include "QsException.h"
#include "QsValueTexts.h"

#include <gtest/gtest.h>

namespace {

const QsOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kOnOffList(kOnOff, OVT_INT);

// A table list with `keys` index columns; key k has the syntax under test.
QsSNMPVarList KeyList(int keys, int k, std::uint32_t syntax, bool implied) {
    QsSNMPVarList list;
    for (int i = 0; i < 3; ++i) {
        list.AddVar("1.3.6.1.4.1.58613.9." + std::to_string(i), "key", SYN_INTEGER, ACC_NOTACCESS);
    }
    list.ItemType = MVT_FMV;
    list.PKeyCount = keys;
    list.GetVar(k)->Syntax = syntax;
    list.GetVar(k)->Access = ACC_NOTACCESS | (implied ? ACC_IMPLIED : 0u);
    return list;
}

// Key positions: the last of one key, or the first of two.
constexpr bool kLast = true;
constexpr bool kNotLast = false;

struct DecodeCase {
    std::uint32_t syntax;
    bool last;
    bool implied;
    const char* suffix;
    const char* value;
    const char* rest;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << (c.last ? " last" : "") << (c.implied ? " implied " : " ") << c.suffix;
}

class Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, ReadsTheKeyAndReturnsTheRest) {
    const auto& c = GetParam();
    QsSNMPVarList list = KeyList(c.last ? 1 : 2, 0, c.syntax, c.implied);
    list.GetVar(0)->Value = "old";
    EXPECT_EQ(DecodeIndexPart(list, 0, c.suffix), c.rest);
    EXPECT_EQ(list.GetVar(0)->Value, c.value);
}

#define SIXTEEN "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"
#define SIXTEEN_HEX "FE800000000000000000000000000001"

INSTANTIATE_TEST_SUITE_P(
    Cases, Decode,
    testing::Values(DecodeCase{SYN_BOOLEAN, kNotLast, false, "2.1", "true", "1"},
                    DecodeCase{SYN_BOOLEAN, kLast, false, "0", "false", ""},
                    DecodeCase{SYN_INTEGER, kNotLast, false, "4294967295.7", "-1", "7"},
                    DecodeCase{SYN_GUAGE, kLast, false, "4294967295", "4294967295", ""},
                    DecodeCase{SYN_TIMETICKS, kLast, false, "8640000", "1 day 0:00:00.00", ""},
                    DecodeCase{SYN_COUNTER64, kNotLast, false, "1.2.3", "4294967298", "3"},
                    DecodeCase{SYN_DOUBLE, kLast, false, "0.1073217536", "1.5", ""},
                    DecodeCase{SYN_BCDATETIME, kLast, false, "0.1074135040", "1900/01/01 18:00:00", ""},
                    DecodeCase{SYN_IPADDRESS, kNotLast, false, "10.0.0.1.5", "10.0.0.1", "5"},
                    DecodeCase{SYN_MACADDRESS, kNotLast, false, "0.26.43.60.77.94.100", "001A2B3C4D5E",
                               "100"},
                    DecodeCase{SYN_DATETIME, kNotLast, false, "7.219.1.5.13.30.15.0.43.0.0.5",
                               "2011-1-5,13:30:15.0", "5"},
                    DecodeCase{SYN_NULL, kNotLast, false, "1.2", "(NULL)", "1.2"},
                    DecodeCase{SYN_OCTETSTR, kLast, false, "3.65.66.67", "414243", ""},
                    DecodeCase{SYN_OCTETSTR, kNotLast, false, "2.65.66.7", "4142", "7"},
                    DecodeCase{SYN_BITSTR, kNotLast, true, "65.66", "4142", ""},
                    DecodeCase{SYN_OPAQUE, kLast, false, "2.321.66", "4142", ""}, // octets are the low 8 bits
                    DecodeCase{SYN_DISPLAYSTR, kNotLast, false, "3.65.66.67.9", "ABC", "9"},
                    DecodeCase{SYN_DISPLAYSTR, kLast, false, "2.65.66.9", "AB", "9"},
                    DecodeCase{SYN_DISPLAYSTR, kLast, true, "65.66", "AB", ""},
                    DecodeCase{SYN_OBJECTID, kLast, true, "1.3.6", "1.3.6", ""},
                    DecodeCase{SYN_OBJECTID, kNotLast, false, "2.1.3.9", "1.3", "9"},
                    DecodeCase{SYN_IPV6ADDRESS, kNotLast, false, SIXTEEN ".1", SIXTEEN_HEX, "1"},
                    DecodeCase{SYN_IPV6ADDRESS, kLast, true, "254.128", "FE80", ""},
                    DecodeCase{SYN_INETADDRESS, kLast, false, "4.10.0.0.1", "10.0.0.1", ""},
                    DecodeCase{SYN_INETADDRESS, kLast, false, "10.0.0.1", "10.0.0.1", ""},
                    DecodeCase{SYN_INETADDRESS, kLast, false, "16." SIXTEEN, SIXTEEN_HEX, ""},
                    DecodeCase{SYN_INETADDRESS, kLast, false, "17." SIXTEEN ".25", SIXTEEN_HEX "%25", ""},
                    DecodeCase{SYN_INETADDRESS, kNotLast, false, "16." SIXTEEN ".5", SIXTEEN_HEX, "5"},
                    DecodeCase{SYN_INETADDRESS, kNotLast, false, "4.10.0.0.1.7", "10.0.0.1", "7"},
                    DecodeCase{SYN_INETADDRESS, kNotLast, false, "10.0.0.1", "10.0.0.1", ""},
                    // a length from the agent that points past the suffix, or a suffix too short for the key
                    DecodeCase{SYN_OCTETSTR, kNotLast, false, "5.65.66", "", ""},
                    DecodeCase{SYN_DISPLAYSTR, kNotLast, false, "4294967295.1", "", ""},
                    DecodeCase{SYN_OBJECTID, kNotLast, false, "9.1.2", "", ""},
                    DecodeCase{SYN_OCTETSTR, kLast, false, "", "", ""},
                    DecodeCase{SYN_MACADDRESS, kLast, false, "0.26.43", "", ""},
                    DecodeCase{SYN_DATETIME, kNotLast, false, "7.219.1", "", ""},
                    DecodeCase{SYN_COUNTER64, kLast, false, "1", "", ""},
                    DecodeCase{SYN_IPADDRESS, kLast, false, "10.0", "", ""},
                    DecodeCase{SYN_IPV6ADDRESS, kNotLast, false, "1.2.3", "", ""},
                    DecodeCase{SYN_INETADDRESS, kLast, false, "1.2", "", ""},
                    DecodeCase{SYN_INETADDRESS, kNotLast, false, "1.2.3", "", ""},
                    DecodeCase{SYN_INTEGER, kNotLast, false, "", "", ""},
                    DecodeCase{SYN_INTEGER, kNotLast, false, "a.b", "", ""}));

TEST(IndexParts, DecodedKeysGoThroughTheOptionList) {
    QsSNMPVarList list = KeyList(2, 0, SYN_INTEGER, false);
    list.GetVar(0)->OptionList = &kOnOffList;
    EXPECT_EQ(DecodeIndexPart(list, 0, "1.5"), "5");
    EXPECT_EQ(list.GetVar(0)->Value, "enabled");
}

struct EncodeCase {
    std::uint32_t syntax;
    bool last;
    bool implied;
    const char* text;
    const char* suffix;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << (c.last ? " last" : "") << (c.implied ? " implied " : " ") << '"'
        << c.text << '"';
}

class Encode : public testing::TestWithParam<EncodeCase> {};

TEST_P(Encode, WritesTheKeysSubIdentifiers) {
    const auto& c = GetParam();
    QsSNMPVarList list = KeyList(c.last ? 1 : 2, 0, c.syntax, c.implied);
    list.GetVar(0)->Value = c.text;
    EXPECT_EQ(EncodeIndexPart(list, 0), c.suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Encode,
    testing::Values(
        EncodeCase{SYN_BOOLEAN, kLast, false, "true", "1"}, EncodeCase{SYN_BOOLEAN, kLast, false, "x", "0"},
        EncodeCase{SYN_INTEGER, kLast, false, "-1", "4294967295"},
        EncodeCase{SYN_GUAGE, kLast, false, "7", "7"}, EncodeCase{SYN_INTEGER, kLast, false, "", "0"},
        EncodeCase{SYN_OCTETSTR, kNotLast, false, "414243", "3.65.66.67"},
        EncodeCase{SYN_OCTETSTR, kLast, false, "414243", "3.65.66.67"},
        EncodeCase{SYN_BITLIST, kLast, true, "414243", "65.66.67"},
        EncodeCase{SYN_OCTETSTR, kNotLast, true, "4142", "2.65.66"},
        EncodeCase{SYN_NULL, kLast, false, "(NULL)", ""},
        EncodeCase{SYN_OBJECTID, kNotLast, false, "1.3.6", "3.1.3.6"},
        EncodeCase{SYN_OBJECTID, kLast, true, "1.3.6", "1.3.6"},
        EncodeCase{SYN_IPADDRESS, kLast, false, "10.0.0.1", "10.0.0.1"},
        EncodeCase{SYN_IPADDRESS, kLast, false, "", ""},
        EncodeCase{SYN_TIMETICKS, kLast, false, "1 day 0:00:00.00", "8640000"},
        EncodeCase{SYN_COUNTER64, kLast, false, "4294967298", "1.2"},
        EncodeCase{SYN_DOUBLE, kLast, false, "1.5", "0.1073217536"},
        EncodeCase{SYN_BCDATETIME, kLast, false, "1900/01/01 18:00:00", "0.1074135040"},
        EncodeCase{SYN_MACADDRESS, kNotLast, false, "00-1A-2B-3C-4D-5E", "0.26.43.60.77.94"},
        EncodeCase{SYN_MACADDRESS, kNotLast, false, "001A2B3C4D5E", "0.26.43.60.77.94"},
        EncodeCase{SYN_MACADDRESS, kNotLast, false, "", ""},
        EncodeCase{SYN_DATETIME, kNotLast, false, "2011-1-5,13:30:15.0", "7.219.1.5.13.30.15.0.43.0.0"},
        EncodeCase{SYN_DISPLAYSTR, kNotLast, false, "AB", "2.65.66"},
        EncodeCase{SYN_DISPLAYSTR, kLast, true, "AB", "65.66"},
        EncodeCase{SYN_IPV6ADDRESS, kLast, false, SIXTEEN_HEX, SIXTEEN},
        EncodeCase{SYN_IPV6ADDRESS, kLast, false, "FE80", ""},
        // An implied last address key is every octet it was read from, as the row names it.
        EncodeCase{SYN_IPV6ADDRESS, kLast, true, "FE80", "254.128"},
        EncodeCase{SYN_IPV6ADDRESS, kLast, true, SIXTEEN_HEX "0102", SIXTEEN ".1.2"},
        EncodeCase{SYN_INETADDRESS, kLast, false, "10.1.2.3", "4.10.1.2.3"},
        EncodeCase{SYN_INETADDRESS, kLast, false, SIXTEEN_HEX, "16." SIXTEEN},
        EncodeCase{SYN_INETADDRESS, kLast, false, SIXTEEN_HEX "%25", "17." SIXTEEN ".25"}));

int EncodeError(std::uint32_t syntax, const char* text) {
    QsSNMPVarList list = KeyList(2, 0, syntax, false);
    list.GetVar(0)->Value = text;
    try {
        EncodeIndexPart(list, 0);
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 0;
}

TEST(IndexParts, KeysThatCannotBeSentAreInputErrors) {
    EXPECT_EQ(EncodeError(SYN_MACADDRESS, "001A2B3C4D"), -23);
    EXPECT_EQ(EncodeError(SYN_MACADDRESS, "00:1A:2B:3C:4D"), -23);
    EXPECT_EQ(EncodeError(SYN_IPADDRESS, "not an address"), -19);
    EXPECT_EQ(EncodeError(SYN_INETADDRESS, "10.1.2.x"), -19);
    EXPECT_EQ(EncodeError(SYN_OBJECTID, "1..2"), -417);
    EXPECT_EQ(EncodeError(SYN_BCDATETIME, "never"), -518);
    for (std::uint32_t syntax : {0u, 79u, 80u, 194u}) {
        EXPECT_EQ(EncodeError(syntax, "1"), -511) << syntax;
        QsSNMPVarList list = KeyList(1, 0, syntax, false);
        EXPECT_THROW(DecodeIndexPart(list, 0, "1"), QsException) << syntax;
    }
}

// The row of the MAC-based VLAN table: a MAC typed with "-" and a VLAN id.
TEST(IndexParts, MacTypedWithSeparatorsAddressesTheRightRow) {
    QsSNMPVarList list = KeyList(2, 0, SYN_MACADDRESS, false);
    list.GetVar(0)->Value = "00-1A-2B-3C-4D-5E";
    list.GetVar(1)->Value = "100";
    EXPECT_EQ(EncodeIndexPart(list, 0) + "." + EncodeIndexPart(list, 1), "0.26.43.60.77.94.100");
}

} // namespace
