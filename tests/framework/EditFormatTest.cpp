// The edit-format language: what each format means, which formats are refused and how.

#include "EditFormat.h"
#include "Exceptions.h"
#include "QsException.h"
#include "QsNumList.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

struct ParseCase {
    const char* format;
    char conversion;
    double minimum;
    double maximum;
    int length;
    unsigned short flags;
    unsigned char address;
    char exitCharacter;
    bool validator;
    int width;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.format;
}

class FormatMeaning : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FormatMeaning, ParsesIntoItsFields) {
    const ParseCase& c = GetParam();
    const EditFormat f = ParseEditFormat(c.format);
    EXPECT_EQ(f.conversion, c.conversion);
    EXPECT_EQ(f.minimum, c.minimum);
    EXPECT_EQ(f.maximum, c.maximum);
    EXPECT_EQ(f.length, c.length);
    EXPECT_EQ(f.lengthFlags, c.flags);
    EXPECT_EQ(f.addressKind, c.address);
    EXPECT_EQ(f.exitCharacter, c.exitCharacter);
    EXPECT_EQ(f.useValidator, c.validator);
    EXPECT_EQ(f.width, c.width);
}

constexpr double kMinPos = 2.2250738585072014e-308;
constexpr double kMaxDbl = 1.7976931348623157e+308;

const ParseCase kMeanings[] = {
    {"%i{n1x65535l5}", 'i', 1, 65535, 5, 0, AK_NONE, 0, false, 0},
    {"%i", 'i', -2147483648.0, 2147483647.0, 0, 0, AK_NONE, 0, false, 0},
    {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, AK_NONE, 0, false, 0},
    {"%u", 'u', 0, 4294967295.0, 0, 0, AK_NONE, 0, false, 0},
    {"%f", 'f', kMinPos, kMaxDbl, 0, 0, AK_NONE, 0, false, 0},
    {"%s{l32}", 's', kMinPos, kMaxDbl, 32, 0, AK_NONE, 0, false, 0},
    {"%h{l8f}", 'h', kMinPos, kMaxDbl, 8, LF_FIXED, AK_NONE, 0, false, 0},
    {"%s{l16n}", 's', kMinPos, kMaxDbl, 16, LF_NOT_EMPTY, AK_NONE, 0, false, 0},
    {"%i{n1x32l2a}", 'i', 1, 32, 2, LF_AUTO_ADVANCE, AK_NONE, 0, false, 0},
    {"%s{l8fan}", 's', kMinPos, kMaxDbl, 8, 7, AK_NONE, 0, false, 0},
    {"%i{n-1x255l3}", 'i', -1, 255, 3, 0, AK_NONE, 0, false, 0},
    {"%f{n-1.5x12.5}", 'f', -1.5, 12.5, 0, 0, AK_NONE, 0, false, 0},
    {"%i{Z}", 'i', -2147483648.0, 2147483647.0, 0, 0, AK_NONE, 0, true, 0},
    {"%s{w120l4}", 's', kMinPos, kMaxDbl, 4, 0, AK_NONE, 0, false, 120},
    {"%s{e,}", 's', kMinPos, kMaxDbl, 0, 0, AK_NONE, ',', false, 0},
    {"%s{I}", 's', kMinPos, kMaxDbl, 0, 0, AK_IPV4, 0, false, 0},
    {"%s{Im}", 's', kMinPos, kMaxDbl, 0, 0, AK_MULTICAST_IPV4, 0, false, 0},
    {"%s{I6}", 's', kMinPos, kMaxDbl, 0, 0, AK_IPV6, 0, false, 0},
    {"%s{I6m}", 's', kMinPos, kMaxDbl, 0, 0, AK_MULTICAST_IPV6, 0, false, 0},
    {"%s{M}", 's', kMinPos, kMaxDbl, 0, 0, AK_MAC, 0, false, 0},
    {"%s{Mm}", 's', kMinPos, kMaxDbl, 0, 0, AK_MULTICAST_MAC, 0, false, 0},
    {"%s{Mu}", 's', kMinPos, kMaxDbl, 0, 0, AK_UNICAST_MAC, 0, false, 0},
    {"%s{Ixl4}", 's', kMinPos, kMaxDbl, 4, 0, AK_IPV4, 0, false, 0}, // x dropped as I's modifier
    {"%n,{l3f}", 'n', 0, 4294967295.0, 3, LF_FIXED, AK_NONE, 0, false, 0},
    {"%i{n1x5n2x9}", 'i', 2, 9, 0, 0, AK_NONE, 0, false, 0}, // later flags win
};

INSTANTIATE_TEST_SUITE_P(Formats, FormatMeaning, ::testing::ValuesIn(kMeanings));

TEST(EditFormat, EveryFormatOfTheProgramParses) {
    const char* formats[] = {
        "%h{l32f}",
        "%h{l32}",
        "%h{l8f}",
        "%i{Z}",
        "%i{n-1x255l3}",
        "%i{n-1x7l2}",
        "%i{n0x10000l5}",
        "%i{n0x1024000l7}",
        "%i{n0x128l3}",
        "%i{n0x1440l4}",
        "%i{n0x255l3}",
        "%i{n0x255}",
        "%i{n0x300l3}",
        "%i{n0x31}",
        "%i{n0x4094l4}",
        "%i{n0x4294967295l10}",
        "%i{n0x512l3}",
        "%i{n0x61440l5}",
        "%i{n0x63l2}",
        "%i{n0x63}",
        "%i{n0x65535l5a}",
        "%i{n0x65535l5}",
        "%i{n0x7l1}",
        "%i{n0x7}",
        "%i{n0x8l1}",
        "%i{n10000x900000l6}",
        "%i{n1000x16800l5}",
        "%i{n1000x60000l5}",
        "%i{n100x200l3a}",
        "%i{n100x255l3}",
        "%i{n10x2000l4}",
        "%i{n10x65535l5}",
        "%i{n120x600l3}",
        "%i{n14881x89286000l8}",
        "%i{n1x1024l4}",
        "%i{n1x10l2a}",
        "%i{n1x10l2}",
        "%i{n1x11}",
        "%i{n1x14}",
        "%i{n1x16l2}",
        "%i{n1x16}",
        "%i{n1x200}",
        "%i{n1x2147483647l10}",
        "%i{n1x2147483647}",
        "%i{n1x255l3}",
        "%i{n1x25l2}",
        "%i{n1x32767l5}",
        "%i{n1x32l2a}",
        "%i{n1x3}",
        "%i{n1x4094l4}",
        "%i{n1x4094}",
        "%i{n1x4095l4}",
        "%i{n1x4096l4}",
        "%i{n1x4}",
        "%i{n1x500l3}",
        "%i{n1x512l3}",
        "%i{n1x5l1}",
        "%i{n1x5}",
        "%i{n1x65535l5}",
        "%i{n1x65535}",
        "%i{n1x8192l4}",
        "%i{n1x8l1}",
        "%i{n20x100l3}",
        "%i{n2x10l2}",
        "%i{n2x20l2}",
        "%i{n2x4094l4}",
        "%i{n30x120l3}",
        "%i{n30x90l2}",
        "%i{n30x99999l5}",
        "%i{n37x370l3}",
        "%i{n400x3000l4a}",
        "%i{n5x12l5}",
        "%i{n5x32768l5}",
        "%i{n5x3600l4}",
        "%i{n600x4000l4a}",
        "%i{n60x86400l5}",
        "%i{n6x40l2a}",
        "%i{}",
        "%s{I}",
        "%s{Mu}",
        "%s{M}",
        "%s{e,}",
        "%s{l128}",
        "%s{l12}",
        "%s{l15}",
        "%s{l16n}",
        "%s{l16}",
        "%s{l22}",
        "%s{l24}",
        "%s{l254}",
        "%s{l256}",
        "%s{l2}",
        "%s{l32f}",
        "%s{l32}",
        "%s{l4f}",
        "%s{l4}",
        "%s{l512}",
        "%s{l64}",
        "%s{l8}",
        "%s{n64x1024000}",
        "%s",
        "%i",
        "%h",
    };
    for (const char* f : formats) {
        EXPECT_NO_THROW(ParseEditFormat(f)) << f;
    }
}

TEST(EditFormat, MalformedFormatsRaiseTheAttachError) {
    const char* bad[] = {
        "",        "%",       "i{n1}",    "%q",       "%n",     "%i{",     "%i}",
        "%i{n1x5", "%i{n1}x", "%i{l5n1}", "%i{In1}",  "%i{e}",  "%i{w}",   "%i{n}",
        "%i{x}",   "%i{l}",   "%i{Q}",    "%i{l5aa}", "%s{wx}", "%s{ l4}", "%i{n1 x5}",
    };
    for (const char* f : bad) {
        try {
            ParseEditFormat(f);
            ADD_FAILURE() << f << " was accepted";
        } catch (const EConvertError&) {
            ADD_FAILURE() << f << " gave the conversion error";
        } catch (const QsException& e) {
            EXPECT_EQ(e.helpContext, -2) << f;
            EXPECT_STREQ(e.what(), " Bad format specifier of edit's constraint!") << f;
        }
    }
}

TEST(EditFormat, NumberRunsThatAreNoNumberRaiseTheConversionError) {
    for (const char* f :
         {"%i{n-}", "%i{n1.2.3}", "%i{x--1}", "%i{n.}", "%s{w99999999999}", "%s{l99999999999}"}) {
        EXPECT_THROW(ParseEditFormat(f), EConvertError) << f;
    }
}

TEST(EditFormat, CompositeFormatsSplitAtEachConversion) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitEditFormat("%s{I}%s{M}"), (V{"%s{I}", "%s{M}"}));
    EXPECT_EQ(SplitEditFormat("%i.%i.%i.%i"), (V{"%i", "%i", "%i", "%i"}));
    EXPECT_EQ(SplitEditFormat("%h{l2f}-%h{l2f}"), (V{"%h{l2f}", "%h{l2f}"}));
    EXPECT_EQ(SplitEditFormat("%n,{l3}%s"), (V{"%n,{l3}", "%s"}));
    EXPECT_EQ(SplitEditFormat("%i{n1x5"), (V{"%i{n1x5"}));
    EXPECT_EQ(SplitEditFormat("s{l4}"), (V{"s{l4}"}));
}

TEST(EditFormat, BoundsAreWrittenInTheShortestGeneralForm) {
    EXPECT_EQ(FormatBound(1), "1");
    EXPECT_EQ(FormatBound(65535), "65535");
    EXPECT_EQ(FormatBound(-2147483648.0), "-2147483648");
    EXPECT_EQ(FormatBound(4294967295.0), "4294967295");
    EXPECT_EQ(FormatBound(12.5), "12.5");
    EXPECT_EQ(FormatBound(2.2250738585072014e-308), "2.2250738585072E-308");
    EXPECT_EQ(FormatBound(1.7976931348623157e+308), "1.79769313486232E308");
    EXPECT_EQ(FormatBound(0.00001), "1E-5");
}

// The items of the list, for comparing.
std::vector<unsigned> Items(const QsNumList<unsigned>& list) {
    std::vector<unsigned> out;
    for (int i = 0; i < list.GetCount(); ++i) {
        out.push_back(list.GetItem(i));
    }
    return out;
}

TEST(NumList, ParsesCountsAndChecksRanges) {
    QsNumList<unsigned> list;
    list.Delimiter = ',';
    list.Parse("1,,3");
    EXPECT_EQ(Items(list), (std::vector<unsigned>{1, 0, 3}));
    EXPECT_TRUE(list.AllInRange(0, 3));
    EXPECT_FALSE(list.AllInRange(1, 3));
    list.Parse("12.75,4");
    EXPECT_EQ(Items(list), (std::vector<unsigned>{12, 4}));
    list.Parse("");
    EXPECT_EQ(list.GetCount(), 0);
    QsNumList<unsigned> dotted; // "." until set: the dot separates items
    dotted.Parse("10.0.0.1");
    EXPECT_EQ(Items(dotted), (std::vector<unsigned>{10, 0, 0, 1}));
}

} // namespace
} // namespace qs

// The range check judges the number the text sends: a real number's exponent counts, so "1e11"
// is out of a range up to 10 and "7e-1" (0.7) inside one from 0.5; an integer reads its digits.
TEST(EditFormat, RangeCheckJudgesTheNumberTheTextSends) {
    struct Case {
        const char* format;
        const char* text;
        bool refused;
    };
    const Case cases[] = {
        {"%f{n0.5x10}", "5", false},   {"%f{n0.5x10}", "1e11", true}, {"%f{n0.5x10}", "7e-1", false},
        {"%f{n0.5x10}", "2E+1", true}, {"%f{n0.5x10}", "1e-3", true}, {"%f{n0.5x10}", "1e", false},
        {"%f{n0.5x10}", "11", true},   {"%f{n0.5x10}", "-1", true},   {"%i{n1x100}", "50", false},
        {"%i{n1x100}", "101", true},   {"%u{n0x10}", "7", false},
    };
    for (const Case& c : cases) {
        const std::string message = qs::CheckFormatText(qs::ParseEditFormat(c.format), c.text);
        EXPECT_EQ(!message.empty(), c.refused) << c.format << " " << c.text << ": " << message;
    }
}
