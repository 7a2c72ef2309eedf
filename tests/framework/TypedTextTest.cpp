// The one parse of typed texts: what each syntax takes and the canonical text it becomes, the
// value it sends, the format's checks and range message first, keys that may not be empty, the
// calendar of the date and time texts and the groups of edits that make one value.
#include "TypedText.h"
#include "EditFormat.h"
#include "QsOptionList.h"
#include "QsSNMPVar.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kEnabledList(kEnabled, OVT_INT);

const std::string kNines(300, '9');

const char* const kInt32 = " Please enter a whole number between -2147483648 and 2147483647!";
const char* const kUint32 = " Please enter a whole number between 0 and 4294967295!";
const char* const kHex = " Please enter hex digits, two for each byte, such as 0AFF or 0A FF!";
const char* const kOid =
    " Please enter an object identifier such as 1.3.6.1: numbers joined by dots, the first 0, "
    "1 or 2 and the second below 40 after 0 or 1!";
const char* const kTicks = " Please enter a time such as 1 day 2:03:04.05 or 0:00:47.5!";
const char* const kDateTime = " Please enter a date and time such as 2007-5-26,15:30:15.0,+8:0!";
const char* const kIp = " Please enter an IP address such as 10.90.90.90!";
const char* const kMac = " Please enter a MAC address such as 00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e!";
const char* const kIPv6 = " Please enter an IPv6 address such as 2001:db8::10, ::ffff:10.0.0.1 or "
                          "20010DB8000000000000000000000010!";
const char* const kInet =
    " Please enter an IP address such as 10.90.90.90, or an IPv6 address such as 2001:db8::10!";
const char* const kTableIp = " Please enter a valid IP address!"; // the format's own check
const char* const kTableMac = " Please enter a valid MAC address!";
const char* const kEmpty = " Empty value is not allowed!";
const char* const kReal = " Please enter a number such as 1.5 or -2E3!";
const char* const kLength255 = " Please enter a string whose length is less than 255!";

struct Case {
    std::uint32_t syntax;
    const char* format; // null: none
    bool key;
    std::string text;
    std::string refusal;   // empty: taken
    std::string canonical; // the text it becomes when taken; empty: as typed
};

TypedValue Parse(const Case& c) {
    EditFormat format;
    TypedField field;
    field.syntax = c.syntax;
    field.key = c.key;
    if (c.format != nullptr) {
        format = ParseEditFormat(c.format);
        field.format = &format;
    }
    return ParseTypedText(c.text, field);
}

// Each case refused with its reason, or taken as its canonical text.
void ExpectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const TypedValue v = Parse(c);
        const std::string trace =
            std::to_string(c.syntax) + " " + (c.format ? c.format : "-") + " '" + c.text.substr(0, 24) + "'";
        EXPECT_EQ(v.refusal, c.refusal) << trace;
        if (c.refusal.empty()) {
            EXPECT_EQ(v.text, c.canonical.empty() ? c.text : c.canonical) << trace;
        }
    }
}

TEST(TypedText, NumbersAreWholeAndWithinTheirTypeOrFormat) {
    const std::string range = " Please enter a number between 1 and 65535!";
    ExpectCases({
        {SYN_INTEGER, nullptr, false, "5", ""},
        {SYN_INTEGER, nullptr, false, "-2147483648", ""},
        {SYN_INTEGER, nullptr, false, "007", "", "7"},
        {SYN_INTEGER, nullptr, false, "-1", ""},
        {SYN_INTEGER, nullptr, false, "+60", "", "60"}, // a leading "+" and blanks around are taken
        {SYN_INTEGER, "%s", false, " 60", "", "60"},
        {SYN_INTEGER, "%s", false, " -5\t", "", "-5"},
        {SYN_INTEGER, nullptr, false, "2147483648", kInt32},
        {SYN_INTEGER, nullptr, false, "-2147483649", kInt32},
        {SYN_INTEGER, "%s", false, "zz", kInt32},
        {SYN_INTEGER, "%s", false, "", kInt32},
        {SYN_INTEGER, "%s", false, "1.2.3.4.5", kInt32},
        {SYN_INTEGER, "%s", false, kNines, kInt32},
        {SYN_INTEGER, "%s", false, "12abc", kInt32},
        {SYN_INTEGER, "%s", false, "+-5", kInt32},
        {SYN_INTEGER, "%s", false, "++5", kInt32},
        {SYN_INTEGER, "%s", false, "6 0", kInt32},
        {SYN_INTEGER, "%s", false, "-", kInt32},
        {SYN_INTEGER, "%s", false, "+", kInt32},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "65535", ""},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "+60", "", "60"},
        {SYN_INTEGER, "%i{n1x65535l5}", false, " 60", "", "60"},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "0", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "12abc", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, kNines, range},
        {SYN_INTEGER, "%i{n0x4294967295l10}", false, "3000000000", kInt32},
        {SYN_GUAGE, nullptr, false, "4294967295", ""},
        {SYN_GUAGE, nullptr, false, "-1", kUint32},
        {SYN_COUNTER, nullptr, false, "4294967296", kUint32},
        {SYN_UINTEGER, nullptr, false, "-0", "", "0"},
        {SYN_COUNTER64, nullptr, false, "18446744073709551615", ""},
        {SYN_COUNTER64, nullptr, false, "18446744073709551616",
         " Please enter a whole number between 0 and 18446744073709551615!"},
        {SYN_INTEGER, nullptr, true, "", kEmpty},
        {SYN_INTEGER, nullptr, true, "-1", " Please enter a whole number between 0 and 2147483647!"},
        {SYN_GUAGE, nullptr, true, "-1", kUint32},
        {SYN_DOUBLE, nullptr, false, "1.5", ""},
        {SYN_DOUBLE, nullptr, false, "-2e3", "", "-2000"},
        {SYN_DOUBLE, nullptr, false, " 0.25 ", "", "0.25"},
        {SYN_DOUBLE, nullptr, false, "1.2.3", kReal},
        {SYN_DOUBLE, nullptr, false, "zz", kReal},
        {SYN_DOUBLE, nullptr, false, "1e999", kReal},
        {SYN_DOUBLE, nullptr, false, "0.12345678901234567",
         " Please enter a number of at most 15 significant digits!"},
        {SYN_BOOLEAN, nullptr, false, "true", ""},
        {SYN_BOOLEAN, nullptr, false, " false ", "", "false"},
        {SYN_BOOLEAN, nullptr, false, "1", " Please enter true or false!"},
    });
}

TEST(TypedText, AddressesTakeTheWritingsPeopleUseAndKeepTheirForms) {
    ExpectCases({
        {SYN_IPADDRESS, "%s{I}", false, "10.0.0.1", ""},
        {SYN_IPADDRESS, "%s{I}", false, " 10.0.0.1 ", "", "10.0.0.1"},
        {SYN_IPADDRESS, "%s{I}", false, "1.2.3.4.5", kTableIp},
        {SYN_IPADDRESS, "%s{I}", false, "010.0.0.1", kTableIp}, // never octal
        {SYN_IPADDRESS, nullptr, false, "010.0.0.1", kIp},
        {SYN_IPADDRESS, nullptr, false, "256.1.1.1", kIp},
        {SYN_IPADDRESS, nullptr, false, "10.1", kIp},
        {SYN_IPADDRESS, nullptr, false, "", kIp},
        {SYN_NSAPADDR, nullptr, false, "+10.0.0.1", kIp},
        {SYN_MACADDRESS, nullptr, false, "001A2B3C4D5E", ""},
        {SYN_MACADDRESS, nullptr, false, "001a2b3c4d5e", "", "001A2B3C4D5E"},
        {SYN_MACADDRESS, nullptr, false, "00-1A-2B-3C-4D-5E", "", "001A2B3C4D5E"},
        {SYN_MACADDRESS, nullptr, false, "00.1a.2b.3c.4d.5e", "", "001A2B3C4D5E"},
        {SYN_MACADDRESS, nullptr, false, "aa:bb:cc:dd:ee:ff", "", "AABBCCDDEEFF"},
        {SYN_MACADDRESS, "%s{M}", false, "00:1c:23:45:67:64", "", "001C23456764"},
        {SYN_MACADDRESS, "%s{M}", false, "00-11-22-33-44-5G", kTableMac},
        {SYN_MACADDRESS, nullptr, false, "00:1a-2b:3c:4d:5e", kMac},
        {SYN_MACADDRESS, nullptr, true, "00-1A", kMac},
        {SYN_MACADDRESS, nullptr, true, kNines, kMac},
        {SYN_MACADDRESS, nullptr, true, "", kEmpty},
        {SYN_IPV6ADDRESS, nullptr, true, std::string(32, 'a'), "", std::string(32, 'A')},
        {SYN_IPV6ADDRESS, nullptr, false, "fe80::1", "", "FE800000000000000000000000000001"},
        {SYN_IPV6ADDRESS, nullptr, false, "2001:db8::10", "", "20010DB8000000000000000000000010"},
        {SYN_IPV6ADDRESS, nullptr, false, "::ffff:10.0.0.1", "", "00000000000000000000FFFF0A000001"},
        {SYN_IPV6ADDRESS, "%h{l32f}", false, "fe80::1", "", "FE800000000000000000000000000001"},
        {SYN_IPV6ADDRESS, nullptr, false, "fe80::1%eth0", kIPv6}, // no column holds a zone
        {SYN_IPV6ADDRESS, nullptr, true, "zz", kIPv6},
        {SYN_INETADDRESS, nullptr, false, "10.1.2.3", ""},
        {SYN_INETADDRESS, nullptr, false, "0a5a5a32", "", "10.90.90.50"},
        {SYN_INETADDRESS, nullptr, false, std::string(32, 'a'), "", std::string(32, 'A')},
        {SYN_INETADDRESS, nullptr, false, "fe80::1", "", "FE800000000000000000000000000001"},
        {SYN_INETADDRESS, nullptr, false, "-1", kInet},
        {SYN_INETADDRESS, nullptr, false, std::string(32, 'a') + "%25", kInet},
    });
}

TEST(TypedText, IdentifiersFollowX690) {
    ExpectCases({
        {SYN_OBJECTID, nullptr, false, "1.3.6.1.6.1.1", ""},
        {SYN_OBJECTID, nullptr, false, ".1.3.6.1", "", "1.3.6.1"},
        {SYN_OBJECTID, nullptr, false, " 1.3.6.1 ", "", "1.3.6.1"},
        {SYN_OBJECTID, nullptr, false, "1.2.3.4.5", ""},
        {SYN_OBJECTID, nullptr, false, "0.39", ""},
        {SYN_OBJECTID, nullptr, false, "1.39", ""},
        {SYN_OBJECTID, nullptr, false, "2.100", ""},
        {SYN_OBJECTID, nullptr, false, "1.40", kOid}, // would go on the wire as 2.0
        {SYN_OBJECTID, nullptr, false, "0.40", kOid},
        {SYN_OBJECTID, nullptr, false, "5.3", kOid}, // no first arc above 2
        {SYN_OBJECTID, nullptr, false, "1", kOid},   // one arc: the encoding needs two
        {SYN_OBJECTID, nullptr, false, "2.4294967216", kOid},
        {SYN_OBJECTID, nullptr, false, "zz", kOid},
        {SYN_OBJECTID, nullptr, false, "", kOid},
        {SYN_OBJECTID, nullptr, false, "1..3", kOid},
        {SYN_OBJECTID, nullptr, false, "1.3.", kOid},
        {SYN_OBJECTID, nullptr, false, "1.4294967296", kOid},
        {SYN_OBJECTID, nullptr, false, "+1.3", kOid},
        {SYN_OBJECTID, nullptr, true, "5.3", ""}, // a key's numbers travel one by one in the instance
        {SYN_OBJECTID, nullptr, true, "1", ""},
    });
}

TEST(TypedText, HexOctetsTakePairsWithSeparators) {
    const std::string engine = "80 00 E4 F5 02 00 00 00 00 00 00"; // snmpwalk's writing of 11 octets
    ExpectCases({
        {SYN_OCTETSTR, nullptr, false, "0AFF", ""},
        {SYN_OCTETSTR, nullptr, false, "0aff", "", "0AFF"},
        {SYN_OCTETSTR, nullptr, false, "0A FF", "", "0AFF"},
        {SYN_OCTETSTR, nullptr, false, "FF:A0", "", "FFA0"},
        {SYN_OCTETSTR, nullptr, false, "ff-a0-01", "", "FFA001"},
        {SYN_OCTETSTR, nullptr, false, " 0A FF ", "", "0AFF"},
        {SYN_OCTETSTR, nullptr, false, engine, "", "8000E4F502000000000000"},
        {SYN_OCTETSTR, "%h{l22}", false, engine, "", "8000E4F502000000000000"},
        {SYN_OCTETSTR, nullptr, false, "", ""},
        {SYN_OCTETSTR, nullptr, false, "abc", kHex},
        {SYN_OCTETSTR, nullptr, false, "zz", kHex},
        {SYN_OCTETSTR, nullptr, false, "0A  FF", kHex},
        {SYN_OCTETSTR, nullptr, false, "0A:FF-01", kHex},
        {SYN_OCTETSTR, nullptr, false, "0AF F", kHex},
        {SYN_OCTETSTR, nullptr, false, "0A:", kHex},
        {SYN_OCTETSTR, nullptr, false, std::string(512, 'A'),
         " Please enter a hex string whose length is less than 510!"},
        {SYN_OCTETSTR, "%h{l4f}", false, "0A", " Please enter a hex string whose length is 4!"},
        {SYN_OCTETSTR, "%h{l4f}", false, "88A8", ""},
        {SYN_OCTETSTR, "%h{l4f}", false, "88 a8", "", "88A8"},
        {SYN_OCTETSTR, nullptr, true, "", kEmpty},
        {SYN_BITSTR, nullptr, false, "-1", kHex},
    });
}

TEST(TypedText, TicksHaveOneMeaningAndLoseNoPart) {
    ExpectCases({
        {SYN_TIMETICKS, nullptr, false, "0:00:47.11", ""},
        {SYN_TIMETICKS, nullptr, false, "0:00:47.5", "", "0:00:47.50"}, // half a second, never 5 hundredths
        {SYN_TIMETICKS, nullptr, false, "0:00:47.05", ""},
        {SYN_TIMETICKS, nullptr, false, "1:2:3", "", "1:02:03.00"}, // seconds kept
        {SYN_TIMETICKS, nullptr, false, " 100:00:00 ", "", "4 days, 4:00:00.00"},
        {SYN_TIMETICKS, nullptr, false, "1 day 2:03:04.05", ""},
        {SYN_TIMETICKS, nullptr, false, "3 days, 2:03:04.05", ""},
        {SYN_TIMETICKS, nullptr, false, "3 days 2:03:04.05", "", "3 days, 2:03:04.05"},
        {SYN_TIMETICKS, nullptr, false, "0:00:47.123", kTicks}, // at most two digits of a fraction
        {SYN_TIMETICKS, nullptr, false, "0:00:47.", kTicks},
        {SYN_TIMETICKS, nullptr, false, "12345", kTicks},
        {SYN_TIMETICKS, nullptr, false, "2:03", kTicks},
        {SYN_TIMETICKS, nullptr, false, "1:60:00.00", kTicks},
        {SYN_TIMETICKS, nullptr, false, "1 day 24:00:00.00", kTicks},
        {SYN_TIMETICKS, nullptr, false, "500 days, 0:00:00.00", kTicks},
        {SYN_TIMETICKS, nullptr, false, "497 days, 2:27:52.96", kTicks},
    });
}

TEST(TypedText, DateAndTimeKeepsItsOffsetAndTakesALeapSecond) {
    ExpectCases({
        {SYN_DATETIME, nullptr, false, "2007-5-26,15:30:15.0", ""},
        {SYN_DATETIME, nullptr, false, "2007-5-26,15:30:15,+8:0", "", "2007-5-26,15:30:15.0,+8:0"},
        {SYN_DATETIME, nullptr, false, "2007-05-26,15:30:15", "", "2007-5-26,15:30:15.0"},
        {SYN_DATETIME, nullptr, false, "2016-12-31,23:59:60.0", ""},
        {SYN_DATETIME, nullptr, false, "2007-5-26,15:30:15.0,-0:0", "", "2007-5-26,15:30:15.0"},
        {SYN_DATETIME, nullptr, false, " 2007-5-26,15:30:15.0,-5:30 ", "", "2007-5-26,15:30:15.0,-5:30"},
        {SYN_DATETIME, nullptr, false, "2007-5-26,15:30:61.0", " Please enter seconds between 0 and 60!"},
        {SYN_BCDATETIME, nullptr, false, "2007/05/26 15:30:15", ""},
        {SYN_BCDATETIME, nullptr, false, "2007/05/26 15:30", "", "2007/05/26 15:30:00"},
        {SYN_BCDATETIME, nullptr, false, "2007/02/30 15:30:15",
         " Please enter a date and time such as 2007/05/26 15:30:15!"},
    });
}

// The text's octets as they are sent: a character beyond ASCII counts as its octets, a byte that
// is no UTF-8 as one.
TEST(TypedText, PlainTextIsSentAsTypedWithinItsSizeInOctets) {
    std::string accents;
    for (int i = 0; i < 200; ++i) {
        accents += "\xC3\xA9"; // 200 "é": 400 octets
    }
    ExpectCases({
        {SYN_DISPLAYSTR, "%s", false, "zz", ""},
        {SYN_DISPLAYSTR, "%s", false, "-1", ""},
        {SYN_DISPLAYSTR, "%s", false, " a b ", ""}, // blanks belong to a text
        {SYN_DISPLAYSTR, "%s", false, "", ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(255, 'x'), ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(256, 'x'), kLength255},
        {SYN_DISPLAYSTR, "%s", false, accents, kLength255},
        {SYN_DISPLAYSTR, "%s", false, accents.substr(0, 254), ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(255, '\xFF'), ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(256, '\xFF'), kLength255},
        {SYN_DISPLAYSTR, "%s{l32}", false, std::string(33, 'x'),
         " Please enter a string whose length is less than 32!"},
        {SYN_DISPLAYSTR, "%s{l32}", false, accents.substr(0, 34),
         " Please enter a string whose length is less than 32!"},
        {SYN_DISPLAYSTR, "%s", false, std::string("a\0b", 3),
         " Please enter a text without a zero character!"},
        {SYN_DISPLAYSTR, "%s", true, "zz", ""},
        {SYN_DISPLAYSTR, "%s", true, "", ""}, // a text key may be empty: a context prefix often is
    });
}

// The value each parse sends, where its text alone would not show it.
TEST(TypedText, TheValueSentIsTheParsesValue) {
    const auto value = [](std::uint32_t syntax, const std::string& text) {
        TypedField field;
        field.syntax = syntax;
        return ParseTypedText(text, field).value;
    };
    EXPECT_EQ(value(SYN_TIMETICKS, "0:00:47.5"), SnmpValue::fromUnsigned(SnmpType::TimeTicks, 4750));
    EXPECT_EQ(value(SYN_TIMETICKS, "1:2:3"), SnmpValue::fromUnsigned(SnmpType::TimeTicks, 372300));
    EXPECT_EQ(value(SYN_DATETIME, "2007-5-26,15:30:15,+8:0"),
              SnmpValue::fromBytes(SnmpType::OctetString, {0x07, 0xD7, 5, 26, 15, 30, 15, 0, '+', 8, 0}));
    EXPECT_EQ(value(SYN_DATETIME, "2016-12-31,23:59:60.0"),
              SnmpValue::fromBytes(SnmpType::OctetString, {0x07, 0xE0, 12, 31, 23, 59, 60, 0, '+', 0, 0}));
    EXPECT_EQ(value(SYN_IPADDRESS, " 10.90.90.50"),
              SnmpValue::fromBytes(SnmpType::IpAddress, {10, 90, 90, 50}));
    EXPECT_EQ(value(SYN_OBJECTID, "1.39"), SnmpValue::fromOid({1, 39}));
    EXPECT_EQ(value(SYN_INTEGER, "+60"), SnmpValue::fromInt(60));
    EXPECT_EQ(value(SYN_GUAGE, "4294967295"), SnmpValue::fromUnsigned(SnmpType::Gauge32, 4294967295u));
    EXPECT_EQ(value(SYN_OCTETSTR, "0A FF"), SnmpValue::fromBytes(SnmpType::OctetString, {0x0A, 0xFF}));
    EXPECT_EQ(value(SYN_DISPLAYSTR, "\xC3\xA9"), SnmpValue::fromBytes(SnmpType::OctetString, {0xC3, 0xA9}));
}

TEST(TypedText, KeysFitTheInstanceTheyBuild) {
    TypedField field;
    field.syntax = SYN_DISPLAYSTR;
    field.key = true;
    field.keyRoom = 100;
    EXPECT_EQ(RefuseTypedText(std::string(99, 'x'), field), "");
    EXPECT_EQ(RefuseTypedText(std::string(100, 'x'), field),
              " Please enter a string whose length is less than 99!");
    field.syntax = SYN_OBJECTID;
    field.keyRoom = 4;
    EXPECT_EQ(RefuseTypedText("1.2.3", field), "");
    EXPECT_EQ(RefuseTypedText("1.2.3.4", field), kOid);
}

TEST(TypedText, EnumeratedFieldsTakeTheirNamesOrValues) {
    TypedField field;
    field.syntax = SYN_INTEGER;
    field.options = &kEnabledList;
    const std::string oneOf = " Please enter one of: enabled, disabled!";
    struct EnumCase {
        std::string text;
        std::string refusal;
        std::string canonical; // the display text it becomes
    };
    const EnumCase cases[] = {
        {"enabled", "", "enabled"},
        {"2", "", "disabled"},
        {" +1 ", "", "enabled"},
        {" disabled", "", "disabled"},
        {"3", oneOf, ""},
        {"zz", oneOf, ""},
        {"", oneOf, ""},
        {kNines, oneOf, ""},
    };
    for (const EnumCase& c : cases) {
        const TypedValue v = ParseTypedText(c.text, field);
        EXPECT_EQ(v.refusal, c.refusal) << c.text.substr(0, 20);
        EXPECT_EQ(v.text, c.canonical) << c.text.substr(0, 20);
    }
}

TEST(TypedText, MarkersOfValuesNotReadPassOutsideKeys) {
    TypedField field;
    field.syntax = SYN_INTEGER;
    EXPECT_EQ(RefuseTypedText("(NULL)", field), "");
    EXPECT_EQ(RefuseTypedText("(NOTDONE)", field), "");
    EXPECT_TRUE(ParseTypedText("(NULL)", field).marker);
    EXPECT_EQ(ParseTypedText("(NULL)", field).text, "(NULL)");
    field.key = true;
    EXPECT_EQ(RefuseTypedText("(NULL)", field),
              " Please enter a value: (NULL) and (NOTDONE) mark values not read!");
    field.syntax = SYN_DISPLAYSTR;
    EXPECT_EQ(RefuseTypedText("(NOTDONE)", field),
              " Please enter a value: (NULL) and (NOTDONE) mark values not read!");
}

// The date editor's table: each part of a date and time against the calendar.
TEST(TypedText, DateAndTimePartsAreCheckedAgainstTheCalendar) {
    const std::pair<const char*, std::string> cases[] = {
        {"2007-5-26,15:30:15.0", ""},
        {"2007-05-26,15:30:15", ""},
        {"2007-5-26,15:30:15.0,+8:0", ""},
        {"2007-5-26,15:30:15.0,-5:30", ""},
        {"2008-2-29,0:0:0.0", ""},
        {"2000-2-29,23:59:59.9", ""},
        {"1900-2-29,0:0:0.0", " Please enter a day between 1 and 28!"},
        {"2007-2-29,0:0:0.0", " Please enter a day between 1 and 28!"},
        {"2007-4-31,0:0:0.0", " Please enter a day between 1 and 30!"},
        {"2007-5-0,0:0:0.0", " Please enter a day between 1 and 31!"},
        {"2007-13-26,15:30:15.0", " Please enter a month between 1 and 12!"},
        {"2007-0-26,15:30:15.0", " Please enter a month between 1 and 12!"},
        {"07-5-26,15:30:15.0", " Please enter a year of four digits!"},
        {"20070-5-26,15:30:15.0", " Please enter a year of four digits!"},
        {"2007-5-26,24:30:15.0", " Please enter an hour between 0 and 23!"},
        {"2007-5-26,15:60:15.0", " Please enter minutes between 0 and 59!"},
        {"2007-5-26,15:30:60.0", ""}, // a leap second
        {"2007-5-26,15:30:61.0", " Please enter seconds between 0 and 60!"},
        {"2007-5-26,15:30:15.10", " Please enter deci-seconds between 0 and 9!"},
        {"2007-5-26,15:30:15.0,+14:0", " Please enter hours from UTC between 0 and 13!"},
        {"2007-5-26,15:30:15.0,+8:60", " Please enter minutes from UTC between 0 and 59!"},
        {"2007-5-26,15:30:15.0,*8:0", " Please enter + or - as the direction from UTC!"},
        {"2007-5-26,15:30:15.0,", kDateTime},
        {"2007-5-26,15:30:15.0,+8", kDateTime},
        {"2007-5-26 15:30:15.0", kDateTime},
        {"2007-5-26,15:30:15,+8:0", ""},
        {"2007-5--26,15:30:15.0", kDateTime},
        {"zz", kDateTime},
        {"", kDateTime},
        {"-1", kDateTime},
        {"1.2.3.4.5", kDateTime},
    };
    for (const auto& [text, refusal] : cases) {
        EXPECT_EQ(RefuseDateTimeText(text), refusal) << text;
    }
    EXPECT_EQ(RefuseDateTimeText(kNines), kDateTime);
}

TEST(TypedText, GroupsNameTheirFirstRefusedEdit) {
    struct GroupCase {
        std::uint32_t syntax;
        std::vector<std::string> texts;
        int edit; // -1: taken
        std::string refusal;
    };
    const GroupCase cases[] = {
        {SYN_IPADDRESS, {"10", "0", "0", "1"}, -1, ""},
        {SYN_IPADDRESS, {" 10", "+0", "0 ", "1"}, -1, ""}, // blanks around and "+" taken
        {SYN_IPADDRESS, {"10", "0", "", "1"}, 2, kTableIp},
        {SYN_IPADDRESS, {"10", "0", "0", "256"}, 3, kTableIp},
        {SYN_IPADDRESS, {"10", "0", "+-0", "1"}, 2, kTableIp},
        {SYN_MACADDRESS, {"00", "1A", "2B", "3C", "4D", "5"}, -1, ""},
        {SYN_MACADDRESS, {"00", "1A", "2B", "zz", "4D", "5E"}, 3, kTableMac},
        {SYN_INETADDRESS, {"10", "0", "0", "256"}, 3, kTableIp},
        {SYN_INETADDRESS,
         {"FE", "80", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "zz", "1"},
         14,
         " Please enter a valid IPV6 address!"}, // sixteen edits hold an IPv6 address
        {SYN_OCTETSTR, {"0A", "ABC"}, 1, kHex},
        {SYN_OBJECTID, {"1", "3", "-1"}, 2, kOid},
        {SYN_TIMETICKS, {"1", "2", "3", "4", "5"}, -1, ""},
        {SYN_TIMETICKS, {"1", "24", "3", "4", "5"}, 1, kTicks},
        {SYN_TIMETICKS, {"497", "23", "59", "59", "99"}, 0, kTicks},
        {SYN_DATETIME, {"2011", "1", "5", "13", "30", "15", "0", "+", "8", "0"}, -1, ""},
        {SYN_DATETIME, {"2016", "12", "31", "23", "59", "60", "0", "+", "0", "0"}, -1, ""},
        {SYN_DATETIME,
         {"0", "0", "0", "0", "0", "0", "0", "+", "0", "0"},
         0,
         " Please enter a year of four digits!"},
        {SYN_DATETIME,
         {"2011", "2", "30", "13", "30", "15", "0", "+", "8", "0"},
         2,
         " Please enter a day between 1 and 28!"},
        {SYN_DATETIME,
         {"2011", "1", "5", "13", "30", "15", "0", "x", "8", "0"},
         7,
         " Please enter + or - as the direction from UTC!"},
        {SYN_BCDATETIME, {"2011", "1", "5", "13", "30", "15", "999"}, -1, ""},
        {SYN_BCDATETIME,
         {"2011", "1", "5", "13", "30", "15", "1000"},
         6,
         " Please enter milliseconds between 0 and 999!"},
    };
    for (const GroupCase& c : cases) {
        const std::optional<GroupRefusal> r = RefuseTypedGroup(c.texts, c.syntax);
        EXPECT_EQ(r ? r->edit : -1, c.edit) << c.syntax;
        EXPECT_EQ(r ? r->message : std::string(), c.refusal) << c.syntax;
    }
}

} // namespace
} // namespace qs
