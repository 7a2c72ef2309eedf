#include "Exceptions.h"
#include "QsByteForms.h"
#include "QsSNMPVar.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 0;
}

struct RoundCase {
    std::uint32_t syntax;
    const char* text;
    QsOctets bytes;
    const char* back; // OctetsToText of the bytes
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << " \"" << c.text << '"';
}

class ByteForm : public testing::TestWithParam<RoundCase> {};

TEST_P(ByteForm, TextToBytesAndBack) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(TextToOctets(c.text, c.syntax), c.bytes);
    EXPECT_EQ(OctetsToText(c.bytes, c.syntax), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, ByteForm,
    testing::Values(
        RoundCase{SYN_BOOLEAN, "true", {1, 0, 0, 0}, "true"},
        RoundCase{SYN_BOOLEAN, "yes", {0, 0, 0, 0}, "false"},
        RoundCase{SYN_INTEGER, "007", {7, 0, 0, 0}, "7"}, RoundCase{SYN_INTEGER, "abc", {0, 0, 0, 0}, "0"},
        RoundCase{SYN_INTEGER, "-2", {0xFE, 0xFF, 0xFF, 0xFF}, "-2"},
        RoundCase{SYN_OCTETSTR, "0a ff01", {0x0A, 0xFF, 0x01}, "0AFF01"},
        RoundCase{SYN_BITLIST, "E8", {0xE8}, "E8"}, RoundCase{SYN_NULL, "anything", {}, "(NULL)"},
        RoundCase{SYN_OBJECTID, "1.3.258", {1, 0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0}, "1.3.258"},
        RoundCase{SYN_IPADDRESS, "10.1.258.3", {10, 1, 2, 3}, "10.1.2.3"},
        RoundCase{SYN_COUNTER, "-1", {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        RoundCase{SYN_GUAGE, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        RoundCase{SYN_TIMETICKS, "1 day 2:03:04.05", {0x65, 0x1A, 0x8F, 0x00}, "1 day 2:03:04.05"},
        RoundCase{SYN_COUNTER64, "18446744073709551615", QsOctets(8, 0xFF), "18446744073709551615"},
        RoundCase{SYN_COUNTER64, "4294967296", {0, 0, 0, 0, 1, 0, 0, 0}, "4294967296"},
        RoundCase{SYN_DOUBLE, "1.5", {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, "1.5"},
        RoundCase{SYN_MACADDRESS, "00-1A-2B-3C-4D-5E", {0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "001A2B3C4D5E"},
        RoundCase{SYN_MACADDRESS, "001a.2b3c.4d5e", {0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "001A2B3C4D5E"},
        RoundCase{SYN_DATETIME,
                  "2011-1-5,13:30:15.0,+8:0",
                  {7, 219, 1, 5, 13, 30, 15, 0, '+', 8, 0},
                  "2011-1-5,13:30:15.0,+8:0"},
        RoundCase{
            SYN_BCDATETIME, "1899/12/31 12:00:00", {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, "1899/12/31 12:00:00"},
        RoundCase{SYN_DISPLAYSTR, "ab", {'a', 'b'}, "ab"}, RoundCase{SYN_DISPLAYSTR, "", {}, ""},
        RoundCase{SYN_IPV6ADDRESS,
                  "FE80000000000000000000000000000A",
                  {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A},
                  "FE80000000000000000000000000000A"},
        RoundCase{SYN_INETADDRESS, "10.0.0.5", {10, 0, 0, 5}, "10.0.0.5"},
        RoundCase{SYN_INETADDRESS,
                  "FE80000000000000000000000000000A",
                  {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A},
                  "FE80000000000000000000000000000A"},
        RoundCase{SYN_BOOL8, "true", {1}, "true"}, RoundCase{SYN_INT8, "-1", {0xFF}, "-1"},
        RoundCase{SYN_UINT8, "256", {0}, "0"}, RoundCase{SYN_BOOL16, "true", {0, 1}, "true"},
        RoundCase{SYN_INT16, "-1", {0xFF, 0xFF}, "65535"}, RoundCase{SYN_UINT16, "258", {1, 2}, "258"}));

TEST(ByteForms, MarkersGiveNoBytesAndNeverRaise) {
    for (const std::uint32_t syntax :
         {SYN_INTEGER, SYN_BCDATETIME, SYN_DATETIME, SYN_MACADDRESS, SYN_OBJECTID}) {
        EXPECT_TRUE(TextToOctets("(NULL)", syntax).empty()) << syntax;
        EXPECT_TRUE(TextToOctets("(NOTDONE)", syntax).empty()) << syntax;
        EXPECT_EQ(OctetsToText({}, syntax), "(NULL)");
    }
    // An inetaddress "(NULL)" is read as hex text: three zero bytes.
    EXPECT_EQ(TextToOctets("(NULL)", SYN_INETADDRESS), QsOctets(3, 0));
}

TEST(ByteForms, ShortValuesRaiseInsteadOfReadingPastTheEnd) {
    struct Short {
        std::uint32_t syntax;
        QsOctets bytes;
    };
    for (const Short& c : {Short{SYN_INTEGER, {1, 2, 3}}, Short{SYN_MACADDRESS, {1, 2, 3, 4, 5}},
                           Short{SYN_DATETIME, QsOctets(10, 1)}, Short{SYN_COUNTER64, QsOctets(7, 1)},
                           Short{SYN_INETADDRESS, {1, 2, 3}}, Short{SYN_UINT16, {1}}}) {
        EXPECT_EQ(CodeOf([&] { OctetsToText(c.bytes, c.syntax); }), -518) << c.syntax;
    }
    // A user typing three components or nothing into an inetaddress edit gets an input error.
    EXPECT_EQ(CodeOf([] { OctetsToText(TextToOctets("1.2.3", SYN_INETADDRESS), SYN_INETADDRESS); }), -518);
    EXPECT_EQ(CodeOf([] { OctetsToText(TextToOctets("", SYN_INETADDRESS), SYN_INETADDRESS); }), -518);
    // Five to fifteen bytes show the first four dotted.
    EXPECT_EQ(OctetsToText({1, 2, 3, 4, 5}, SYN_INETADDRESS), "1.2.3.4");
}

TEST(ByteForms, BadInputsRaiseTheirErrors) {
    EXPECT_EQ(CodeOf([] { TextToOctets("1", 7); }), -511);
    EXPECT_EQ(CodeOf([] { OctetsToText({1}, 80); }), -511);
    EXPECT_EQ(CodeOf([] { TextToOctets("00-1A-2B", SYN_MACADDRESS); }), -23);
    EXPECT_THROW(TextToOctets("2011/02/30 10:00:00", SYN_BCDATETIME), EConvertError);
}

struct PartCase {
    QsOctets bytes;
    int position;
    std::uint32_t syntax;
    QsOctets part; // empty with code: raises
    int code;
};

class Part : public testing::TestWithParam<PartCase> {};

TEST_P(Part, CutsTheRowWidth) {
    const PartCase& c = GetParam();
    if (c.code != 0) {
        EXPECT_EQ(CodeOf([&] { ExtractPart(c.bytes, c.position, c.syntax); }), c.code);
    } else {
        EXPECT_EQ(ExtractPart(c.bytes, c.position, c.syntax), c.part);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, Part,
                         testing::Values(PartCase{{1, 2, 3, 4, 5, 6}, 1, SYN_INTEGER, {2, 3, 4, 5}, 0},
                                         PartCase{{1, 2, 3, 4, 5, 6}, 4, SYN_UINT16, {5, 6}, 0},
                                         PartCase{{1, 2, 3, 4, 5, 6}, 2, SYN_OCTETSTR, {3, 4, 5, 6}, 0},
                                         PartCase{{1, 2, 3, 4, 5, 6}, 3, SYN_INTEGER, {}, -519},
                                         PartCase{{1, 2, 3}, 3, SYN_OCTETSTR, {}, -519},
                                         PartCase{{}, 5, SYN_INTEGER, {}, 0},
                                         PartCase{QsOctets(17, 7), 1, SYN_INETADDRESS, QsOctets(16, 7), 0},
                                         PartCase{{1, 2, 3, 4, 5}, 1, SYN_INETADDRESS, {2, 3, 4, 5}, 0}));

} // namespace
