// The two-wording IPv4 check: a leading dot or a dot without a digit after it is worded "IP",
// every other refusal "ip"; the first failing test of the rule decides (after a group, the dot's
// own tests come before the group's).
#include "IPv4TextWording.h"
#include "GuiTest.h"

namespace qs::test {
namespace {

class IPv4TextWordingTest : public GuiTest {};

TEST_F(IPv4TextWordingTest, TheFirstFailingTestChoosesTheWording) {
    struct Case {
        const char* text;
        IPv4Refusal refusal;
    };
    const Case cases[] = {
        {"239.1.1.1", IPv4Refusal::None},      {"01.02.03.4", IPv4Refusal::Other},
        {".1.1.1", IPv4Refusal::MisplacedDot}, {"1..1.1", IPv4Refusal::MisplacedDot},
        {"1.1.1.", IPv4Refusal::MisplacedDot}, {"1.2.3.4.", IPv4Refusal::MisplacedDot},
        {"1.1.1.256", IPv4Refusal::Other},     {"1.2.3", IPv4Refusal::Other},
        {"1.2.3.4.5", IPv4Refusal::Other},     {"", IPv4Refusal::Other},
        {"a..1.1", IPv4Refusal::Other},        {"256..1.1", IPv4Refusal::MisplacedDot},
        {"0001.1.1.1", IPv4Refusal::Other},    {"00.1.1.1", IPv4Refusal::Other},
        {"1.1.1.1 ", IPv4Refusal::Other},      {"192.168.100.2001", IPv4Refusal::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IPv4TextRefusal(c.text), c.refusal) << c.text;
    }
}

TEST_F(IPv4TextWordingTest, ShowsTheRefusalsWordingOnce) {
    EXPECT_TRUE(IsValidIPv4TextWorded(QStringLiteral("10.0.0.1")));
    EXPECT_FALSE(IsValidIPv4TextWorded(QStringLiteral(".1.1.1")));
    EXPECT_FALSE(IsValidIPv4TextWorded(QStringLiteral("1.1.1.256")));
    EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Please input a valid IP"),
                                             QStringLiteral("Please input a valid ip")}));
}

} // namespace
} // namespace qs::test
