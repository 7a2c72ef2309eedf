// The dotted IPv4 text check: accepted texts show nothing, refused ones show the dialog's own
// wording once; a leading zero or a text longer than 15 characters is refused, never judged on
// its start.
#include "IPv4Text.h"
#include "GuiTest.h"

namespace qs::test {
namespace {

class IPv4TextTest : public GuiTest {};

TEST_F(IPv4TextTest, AcceptsFourGroupsOfZeroTo255) {
    for (const char* text : {"0.0.0.0", "10.0.0.1", "255.255.255.255", "1.1.1.0", "192.168.100.200"}) {
        EXPECT_TRUE(IsValidIPv4Text(QString::fromLatin1(text), QStringLiteral("Please input a valid ip")))
            << text;
    }
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(IPv4TextTest, RefusesWithTheDialogsMessageOnce) {
    const char* const refused[] = {
        "",
        "1",
        "1.2.3",
        "1.2.3.4.5",
        ".1.2.3",
        "1..2.3",
        "1.2.3.",
        "1.1.1.1.",
        "256.1.1.1",
        "1.1.1.0256",
        "1.1.0001.1",
        "00.1.1.1",
        "1.00.1.1",
        "000.1.1.1",
        "1.1.1.00",
        "0.0.0.00",
        " 1.1.1.1",
        "1.1.1.1 ",
        "1.1.1.-1",
        "1.2.3.4x",
        "1.2.3.\xc3\xa9",
        // A leading zero: never read as octal ("010" is no 8), never as another address either.
        "010.0.0.1",
        "01.02.03.04",
        "001.010.099.1",
        "1.1.1.01",
        "1.1.1.0004",
        // Longer than 15 characters: refused as a whole, also where the first 15 would pass.
        "192.168.100.2001",
        "192.168.100.20.1",
        "1.1.1.000000000001",
    };
    for (const char* text : refused) {
        messages.boxes.clear();
        EXPECT_FALSE(IsValidIPv4Text(QString::fromUtf8(text), QStringLiteral("Please input a valid IP")))
            << text;
        EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input a valid IP")}) << text;
    }
}

} // namespace
} // namespace qs::test
