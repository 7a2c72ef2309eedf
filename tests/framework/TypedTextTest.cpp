// The strict rule for typed texts: what each syntax takes, the format's checks and range message
// first, keys that may not be empty, the calendar of the date and time texts and the groups of
// edits that make one value.
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
const char* const kHex = " Please enter hex digits, two for each byte!";
const char* const kOid = " Please enter an object identifier: numbers joined by dots, such as 1.3.6.1!";
const char* const kTicks = " Please enter a time such as 1 day 2:03:04.05!";
const char* const kDateTime = " Please enter a date and time such as 2007-5-26,15:30:15.0!";
const char* const kIp = " Please enter a valid IP address!";
const char* const kMac = " Please enter a valid MAC address!";
const char* const kEmpty = " Empty value is not allowed!";

struct Case {
    std::uint32_t syntax;
    const char* format; // null: none
    bool key;
    std::string text;
    std::string refusal; // empty: taken
};

std::string Refusal(const Case& c) {
    EditFormat format;
    TypedField field;
    field.syntax = c.syntax;
    field.key = c.key;
    if (c.format != nullptr) {
        format = ParseEditFormat(c.format);
        field.format = &format;
    }
    return RefuseTypedText(c.text, field);
}

TEST(TypedText, NumbersAreWholeAndWithinTheirTypeOrFormat) {
    const std::string range = " Please enter a number between 1 and 65535!";
    const Case cases[] = {
        {SYN_INTEGER, nullptr, false, "5", ""},
        {SYN_INTEGER, nullptr, false, "-2147483648", ""},
        {SYN_INTEGER, nullptr, false, "007", ""},
        {SYN_INTEGER, nullptr, false, "-1", ""},
        {SYN_INTEGER, nullptr, false, "2147483648", kInt32},
        {SYN_INTEGER, nullptr, false, "-2147483649", kInt32},
        {SYN_INTEGER, "%s", false, "zz", kInt32},
        {SYN_INTEGER, "%s", false, "", kInt32},
        {SYN_INTEGER, "%s", false, "1.2.3.4.5", kInt32},
        {SYN_INTEGER, "%s", false, kNines, kInt32},
        {SYN_INTEGER, "%s", false, "12abc", kInt32},
        {SYN_INTEGER, "%s", false, " 5", kInt32},
        {SYN_INTEGER, "%s", false, "+5", kInt32},
        {SYN_INTEGER, "%s", false, "-", kInt32},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "65535", ""},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "0", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "12abc", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, "", range},
        {SYN_INTEGER, "%i{n1x65535l5}", false, kNines, range},
        {SYN_INTEGER, "%i{n0x4294967295l10}", false, "3000000000", kInt32},
        {SYN_GUAGE, nullptr, false, "4294967295", ""},
        {SYN_GUAGE, nullptr, false, "-1", kUint32},
        {SYN_COUNTER, nullptr, false, "4294967296", kUint32},
        {SYN_UINTEGER, nullptr, false, "-0", ""},
        {SYN_COUNTER64, nullptr, false, "18446744073709551615", ""},
        {SYN_COUNTER64, nullptr, false, "18446744073709551616",
         " Please enter a whole number between 0 and 18446744073709551615!"},
        {SYN_INTEGER, nullptr, true, "", kEmpty},
        {SYN_INTEGER, nullptr, true, "-1", " Please enter a whole number between 0 and 2147483647!"},
        {SYN_GUAGE, nullptr, true, "-1", kUint32},
        {SYN_DOUBLE, nullptr, false, "1.5", ""},
        {SYN_DOUBLE, nullptr, false, "-2e3", ""},
        {SYN_DOUBLE, nullptr, false, "1.2.3", " Please enter a number!"},
        {SYN_DOUBLE, nullptr, false, "zz", " Please enter a number!"},
        {SYN_BOOLEAN, nullptr, false, "true", ""},
        {SYN_BOOLEAN, nullptr, false, "1", " Please enter true or false!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refusal(c), c.refusal)
            << c.syntax << " " << (c.format ? c.format : "-") << " '" << c.text.substr(0, 20) << "'";
    }
}

TEST(TypedText, AddressesOctetsAndIdentifiersKeepTheirForms) {
    const std::string hex32(32, 'a');
    const Case cases[] = {
        {SYN_IPADDRESS, "%s{I}", false, "10.0.0.1", ""},
        {SYN_IPADDRESS, "%s{I}", false, "1.2.3.4.5", kIp},
        {SYN_IPADDRESS, nullptr, false, "256.1.1.1", kIp},
        {SYN_IPADDRESS, nullptr, false, "", kIp},
        {SYN_MACADDRESS, nullptr, false, "001A2B3C4D5E", ""},
        {SYN_MACADDRESS, nullptr, false, "00-1A-2B-3C-4D-5E", ""},
        {SYN_MACADDRESS, nullptr, true, "00-1A", kMac},
        {SYN_MACADDRESS, nullptr, true, kNines, kMac},
        {SYN_MACADDRESS, nullptr, true, "", kEmpty},
        {SYN_IPV6ADDRESS, nullptr, true, hex32, ""},
        {SYN_IPV6ADDRESS, nullptr, true, "zz", " Please enter a valid IPV6 address!"},
        {SYN_INETADDRESS, nullptr, false, "10.1.2.3", ""},
        {SYN_INETADDRESS, nullptr, false, hex32, ""},
        {SYN_INETADDRESS, nullptr, false, "-1", kIp},
        {SYN_OBJECTID, nullptr, false, "1.3.6.1.6.1.1", ""},
        {SYN_OBJECTID, nullptr, false, ".1.3.6.1", ""},
        {SYN_OBJECTID, nullptr, false, "1.2.3.4.5", ""},
        {SYN_OBJECTID, nullptr, false, "zz", kOid},
        {SYN_OBJECTID, nullptr, false, "", kOid},
        {SYN_OBJECTID, nullptr, false, "1..3", kOid},
        {SYN_OBJECTID, nullptr, false, "1.3.", kOid},
        {SYN_OBJECTID, nullptr, false, "1.4294967296", kOid},
        {SYN_OCTETSTR, nullptr, false, "0AFF", ""},
        {SYN_OCTETSTR, nullptr, false, "", ""},
        {SYN_OCTETSTR, nullptr, false, "abc", kHex},
        {SYN_OCTETSTR, nullptr, false, "zz", kHex},
        {SYN_OCTETSTR, nullptr, false, "0A FF", kHex},
        {SYN_OCTETSTR, nullptr, false, std::string(512, 'A'),
         " Please enter a hex string whose length is less than 510!"},
        {SYN_OCTETSTR, "%h{l4f}", false, "0A", " Please enter a hex string whose length is 4!"},
        {SYN_OCTETSTR, "%h{l4f}", false, "88A8", ""},
        {SYN_OCTETSTR, nullptr, true, "", kEmpty},
        {SYN_BITSTR, nullptr, false, "-1", kHex},
        {SYN_TIMETICKS, nullptr, false, "0:00:47.11", ""},
        {SYN_TIMETICKS, nullptr, false, "1 day 2:03:04.05", ""},
        {SYN_TIMETICKS, nullptr, false, "3 days, 2:03:04.05", ""},
        {SYN_TIMETICKS, nullptr, false, "12345", kTicks},
        {SYN_TIMETICKS, nullptr, false, "1:60:00.00", kTicks},
        {SYN_TIMETICKS, nullptr, false, "1 day 24:00:00.00", kTicks},
        {SYN_TIMETICKS, nullptr, false, "500 days, 0:00:00.00", kTicks},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refusal(c), c.refusal) << c.syntax << " '" << c.text.substr(0, 20) << "'";
    }
}

TEST(TypedText, PlainTextIsSentAsTypedWithinItsSize) {
    const Case cases[] = {
        {SYN_DISPLAYSTR, "%s", false, "zz", ""},
        {SYN_DISPLAYSTR, "%s", false, "-1", ""},
        {SYN_DISPLAYSTR, "%s", false, "", ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(255, 'x'), ""},
        {SYN_DISPLAYSTR, "%s", false, std::string(256, 'x'),
         " Please enter a string whose length is less than 255!"},
        {SYN_DISPLAYSTR, "%s{l32}", false, std::string(33, 'x'),
         " Please enter a string whose length is less than 32!"},
        {SYN_DISPLAYSTR, "%s", true, "zz", ""},
        {SYN_DISPLAYSTR, "%s", true, "", ""}, // a text key may be empty: a context prefix often is
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refusal(c), c.refusal) << "'" << c.text.substr(0, 20) << "'";
    }
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
    const std::pair<std::string, std::string> cases[] = {
        {"enabled", ""}, {"2", ""}, {"3", oneOf}, {"zz", oneOf}, {"", oneOf}, {kNines, oneOf},
    };
    for (const auto& [text, refusal] : cases) {
        EXPECT_EQ(RefuseTypedText(text, field), refusal) << text.substr(0, 20);
    }
}

TEST(TypedText, MarkersOfValuesNotReadPassOutsideKeys) {
    TypedField field;
    field.syntax = SYN_INTEGER;
    EXPECT_EQ(RefuseTypedText("(NULL)", field), "");
    EXPECT_EQ(RefuseTypedText("(NOTDONE)", field), "");
    field.key = true;
    EXPECT_EQ(RefuseTypedText("(NULL)", field), " Please enter a whole number between 0 and 2147483647!");
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
        {"2007-5-26,15:30:60.0", " Please enter seconds between 0 and 59!"},
        {"2007-5-26,15:30:15.10", " Please enter deci-seconds between 0 and 9!"},
        {"2007-5-26,15:30:15.0,+14:0", " Please enter hours from UTC between 0 and 13!"},
        {"2007-5-26,15:30:15.0,+8:60", " Please enter minutes from UTC between 0 and 59!"},
        {"2007-5-26,15:30:15.0,*8:0", " Please enter + or - as the direction from UTC!"},
        {"2007-5-26,15:30:15.0,", kDateTime},
        {"2007-5-26,15:30:15.0,+8", kDateTime},
        {"2007-5-26 15:30:15.0", kDateTime},
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
        {SYN_IPADDRESS, {"10", "0", "", "1"}, 2, kIp},
        {SYN_IPADDRESS, {"10", "0", "0", "256"}, 3, kIp},
        {SYN_MACADDRESS, {"00", "1A", "2B", "3C", "4D", "5"}, -1, ""},
        {SYN_MACADDRESS, {"00", "1A", "2B", "zz", "4D", "5E"}, 3, kMac},
        {SYN_OCTETSTR, {"0A", "ABC"}, 1, kHex},
        {SYN_OBJECTID, {"1", "3", "-1"}, 2, kOid},
        {SYN_TIMETICKS, {"1", "2", "3", "4", "5"}, -1, ""},
        {SYN_TIMETICKS, {"1", "24", "3", "4", "5"}, 1, kTicks},
        {SYN_TIMETICKS, {"497", "23", "59", "59", "99"}, 0, kTicks},
        {SYN_DATETIME, {"2011", "1", "5", "13", "30", "15", "0", "+", "8", "0"}, -1, ""},
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
