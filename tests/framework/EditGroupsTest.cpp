#include "EditGroups.h"
#include "Exceptions.h"
#include "QsSNMPVar.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Shown = std::vector<std::optional<std::string>>;

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 0;
}

TEST(EditGroups, ShowsEachGroupKind) {
    EXPECT_EQ(qs::EditGroupShow({10, 1, 2, 3}, "", SYN_IPADDRESS, 4), (Shown{"10", "1", "2", "3"}));
    EXPECT_EQ(qs::EditGroupShow({0, 0x1A, 2, 3, 4, 0xFF}, "", SYN_MACADDRESS, 6),
              (Shown{"00", "1A", "02", "03", "04", "FF"}));
    // 1 day 2:03:04.05
    EXPECT_EQ(qs::EditGroupShow({0x65, 0x1A, 0x8F, 0}, "", SYN_TIMETICKS, 5),
              (Shown{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(qs::EditGroupShow({7, 219, 1, 5, 13, 30, 15, 0, '-', 5, 30}, "", SYN_DATETIME, 10),
              (Shown{"2011", "1", "5", "13", "30", "15", "0", "-", "5", "30"}));
    // 1.5 days after the date-time origin: 1899/12/31 12:00:00.000
    EXPECT_EQ(qs::EditGroupShow({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, "", SYN_BCDATETIME, 7),
              (Shown{"1899", "12", "31", "12", "0", "0", "0"}));
    EXPECT_EQ(qs::EditGroupShow({1, 0, 0, 0, 0x10, 0, 0, 0}, "", SYN_OBJECTID, 3),
              (Shown{"1", "16", std::nullopt}));
    EXPECT_EQ(qs::EditGroupShow({1, 2, 3, 4}, "", SYN_INETADDRESS, 4), (Shown{"1", "2", "3", "4"}));
    EXPECT_EQ(qs::EditGroupShow({0xAB}, "whole", SYN_INTEGER, 2), (Shown{"whole", std::nullopt}));
}

TEST(EditGroups, EditsWithoutAByteStayAsTheyAre) {
    EXPECT_EQ(qs::EditGroupShow({1, 2}, "", SYN_OCTETSTR, 3), (Shown{"01", "02", std::nullopt}));
    EXPECT_EQ(qs::EditGroupShow({1, 2, 3}, "", SYN_INETADDRESS, 4), (Shown{"1", "2", "3", std::nullopt}));
    Shown sixteen(16);
    sixteen[0] = "05";
    EXPECT_EQ(qs::EditGroupShow({5}, "", SYN_INETADDRESS, 16), sixteen);
}

TEST(EditGroups, ReadsEachGroupKind) {
    EXPECT_EQ(qs::EditGroupRead({"", "a", "BC"}, SYN_OCTETSTR), "000aBC");
    // Sub-identifiers are unsigned: an arc of 2^31 or more keeps its value.
    EXPECT_EQ(qs::EditGroupRead({"1", "-1", "x"}, SYN_OBJECTID), "1.4294967295.0");
    EXPECT_EQ(qs::EditGroupRead({"1", "3", "2147483648"}, SYN_OBJECTID), "1.3.2147483648");
    EXPECT_EQ(qs::EditGroupRead({"10", "1", "2", "3", "99"}, SYN_IPADDRESS), "10.1.2.3");
    EXPECT_EQ(qs::EditGroupRead({"1", "2", "3", "4", "5"}, SYN_TIMETICKS), "1 day 2:03:04.05");
    EXPECT_EQ(qs::EditGroupRead({"0", "1a", "2", "3", "4", "ff"}, SYN_MACADDRESS), "001a020304ff");
    EXPECT_EQ(qs::EditGroupRead({"2011", "1", "5", "13", "30", "15", "0", "+", "8", "0"}, SYN_DATETIME),
              "2011-1-5,13:30:15.0,+8:0");
    EXPECT_EQ(qs::EditGroupRead({"2024", "2", "29", "23", "59", "58", "999"}, SYN_BCDATETIME),
              "2024/02/29 23:59:58");
    EXPECT_EQ(qs::EditGroupRead({"1", "2", "3", "4"}, SYN_INETADDRESS), "1.2.3.4");
    EXPECT_EQ(qs::EditGroupRead(std::vector<std::string>(16, "f"), SYN_INETADDRESS),
              "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f");
    EXPECT_EQ(qs::EditGroupRead({"abc", "ignored"}, SYN_DISPLAYSTR), "abc");
}

TEST(EditGroups, TooFewEditsAndImpossibleDatesRaise) {
    EXPECT_EQ(CodeOf([] { qs::EditGroupShow({1, 2, 3}, "", SYN_OCTETSTR, 2); }), -522);
    EXPECT_EQ(CodeOf([] { qs::EditGroupShow({1, 2, 3, 4}, "", SYN_IPADDRESS, 3); }), -522);
    EXPECT_EQ(CodeOf([] { qs::EditGroupRead({"1", "2", "3"}, SYN_IPADDRESS); }), -522);
    EXPECT_EQ(CodeOf([] { qs::EditGroupRead({"1", "2", "3", "4", "5"}, SYN_MACADDRESS); }), -522);
    EXPECT_THROW(qs::EditGroupRead({"2023", "2", "29", "0", "0", "0", "0"}, SYN_BCDATETIME), EConvertError);
}

} // namespace
