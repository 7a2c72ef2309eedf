// Value texts in controls: valid UTF-8 reads as its characters, every other byte survives the
// trip into a control and back unchanged.
#include "ByteQStrings.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteQStringsTest, EveryByteStringComesBackUnchanged) {
    const std::string cases[] = {
        "",
        "core-sw-1",
        "caf\xC3\xA9",      // two-byte character
        "\xF0\x9F\x98\x80", // four-byte character (a surrogate pair in the control)
        "\xFF\xA0",         // a view mask
        "a\x80z",           // a stray continuation byte
        "\xE2\x82",         // a character cut short
        "\xC0\xAF",         // an overlong form
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "\xC3\xA9\xFF\xC3\xA9",
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(qs::QStringToBytes(qs::BytesToQString(bytes)), bytes) << bytes;
    }
}

TEST(ByteQStringsTest, TextReadsAsItsCharactersAndOtherBytesAsOneCharacterEach) {
    EXPECT_EQ(qs::BytesToQString("caf\xC3\xA9 \xF0\x9F\x98\x80"),
              QString::fromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    const QString mask = qs::BytesToQString("\xFF\xA0");
    ASSERT_EQ(mask.size(), 2);
    EXPECT_EQ(mask[0].unicode(), 0xDCFF);
    EXPECT_EQ(mask[1].unicode(), 0xDCA0);
    EXPECT_EQ(qs::BytesToQString("\xE2\x82x").size(), 3) << "each byte of a cut-short character on its own";
}

TEST(ByteQStringsTest, TypedTextGoesOutAsUtf8) {
    EXPECT_EQ(qs::QStringToBytes(QString::fromUtf8("edge-\xC3\xA9")), "edge-\xC3\xA9");
    // A lone surrogate that stands for no byte cannot be sent as itself.
    EXPECT_EQ(qs::QStringToBytes(QString(QChar(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(qs::QStringToBytes(QString(QChar(0xDC41))), "\xEF\xBF\xBD");
}

} // namespace
