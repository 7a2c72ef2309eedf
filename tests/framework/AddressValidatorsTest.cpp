// The validators read the control's text and only two of them speak for themselves.

#include "AddressValidators.h"
#include "ComboBox.h"
#include "Edit.h"
#include "GuiTest.h"
#include "Label.h"

namespace qs::test {
namespace {

struct ValidatorCase {
    const char* name;
    bool (*check)(TControl*);
    const char* text;
    bool valid;
    const char* message; // the box shown, or null for none
};

void PrintTo(const ValidatorCase& c, std::ostream* os) {
    *os << c.name << "('" << c.text << "')";
}

class Validators : public GuiTest, public ::testing::WithParamInterface<ValidatorCase> {};

TEST_P(Validators, ReadTheEditAndShowOnlyTheirOwnMessage) {
    const ValidatorCase& c = GetParam();
    auto* edit = new TEdit(form);
    edit->SetText(QString::fromLatin1(c.text));
    EXPECT_EQ(c.check(edit), c.valid);
    if (c.message) {
        ASSERT_EQ(messages.boxes.size(), 1);
        EXPECT_EQ(messages.boxes[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
        EXPECT_EQ(messages.boxes[0].kind, BoxKind::Simple);
    } else {
        EXPECT_TRUE(messages.boxes.isEmpty());
    }
}

const ValidatorCase kCases[] = {
    {"IPv4", IsValidIPv4Control, "192.168.0.1", true, nullptr},
    {"IPv4", IsValidIPv4Control, "1.2.3", false, "Please input a valid IP."},
    {"MulticastIPv4", IsMulticastIPv4Control, "223.1.1.1", false, nullptr},
    {"IPv6Hex", IsIPv6HexControl, "fe80::1", true, nullptr},
    {"IPv6Hex", IsIPv6HexControl, "fe80::1%eth0", false, nullptr},
    {"MulticastIPv6", IsMulticastIPv6Control, "FF020000000000000000000000000001", true, nullptr},
    {"Mac", IsValidMacControl, "00-1A-2B-3C-4D-5E", true, nullptr},
    {"MulticastMac", IsMulticastMacControl, "01-00-5E-00-00-01", true, nullptr},
    {"UnicastMac", IsUnicastMacControl, "01-00-5E-00-00-01", false, nullptr},
    {"RecoverTime", IsValidRecoverTime, "60", true, nullptr},
    {"RecoverTime", IsValidRecoverTime, "-", false, "Pleaase Input a Number between 60 and 1000000 or 0."},
    {"RecoverTime", IsValidRecoverTime, "59", false, "Pleaase Input a Number between 60 and 1000000 or 0."},
};

INSTANTIATE_TEST_SUITE_P(Controls, Validators, ::testing::ValuesIn(kCases));

TEST_F(GuiTest, ValidatorsReadTheTextOfAnyControl) {
    auto* label = new TLabel(form);
    label->SetCaption(QStringLiteral("10.0.0.1"));
    EXPECT_TRUE(IsValidIPv4Control(label));
    auto* combo = new TComboBox(form);
    combo->Items().Add(QStringLiteral("01-00-5E-00-00-01"));
    combo->SetItemIndex(0);
    EXPECT_TRUE(IsMulticastMacControl(combo));
}

} // namespace
} // namespace qs::test
