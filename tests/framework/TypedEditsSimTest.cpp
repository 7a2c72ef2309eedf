// The writings people use, typed into edits bound by the request-to-edits driver and written to
// krs-sim: each goes out as the value it means (the SET seen in the agent's journal), or is
// refused with its reason and nothing is sent.
#include "EditsSimSupport.h"
#include "InputError.h"

namespace qs::test {
namespace {

enum Column { kInterval, kEngine, kServer, kMac, kIPv6, kInet, kTimeout, kClock, kObject, kAlias, kLimit };

struct WritingCase {
    Column column;
    const char* format;
    std::string text;
    std::string sent;    // the SET's summary; empty: refused
    std::string refusal; // the message, when refused
};

void PrintTo(const WritingCase& c, std::ostream* os) {
    *os << c.column << " " << c.format << " '" << c.text.substr(0, 24) << "'";
}

std::string Accents(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += "\xC3\xA9"; // é
    }
    return out;
}

// The journal's writing of those octets.
std::string AccentOctets(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += i == 0 ? "C3 A9" : " C3 A9";
    }
    return out;
}

class TypedWritings : public EditsSimTest, public testing::WithParamInterface<WritingCase> {};

TEST_P(TypedWritings, AreSentAsMeantOrRefusedWithTheirReason) {
    const WritingCase& c = GetParam();
    auto driver = Typed();
    auto* edit = new TEdit(form);
    edit->SetName(QStringLiteral("edtValue"));
    driver->BindEdits(c.column, c.format, {edit});
    ShowActive();
    edit->SetText(QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size())));
    const std::string selection = std::to_string(c.column);
    if (c.sent.empty()) {
        try {
            driver->Apply(false, true, selection, nullptr);
            ADD_FAILURE() << "taken";
        } catch (const EInputError& e) {
            EXPECT_EQ(e.what(), driver->Request.List.GetVar(c.column)->Name + ":" + c.refusal);
        }
        EXPECT_TRUE(Sets().isEmpty());
        return;
    }
    ASSERT_TRUE(driver->Apply(false, true, selection, nullptr))
        << driver->Request.List.GetVar(c.column)->Value;
    EXPECT_EQ(Sets(), QStringList{QString::fromStdString(c.sent)});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

const WritingCase kCases[] = {
    {kInterval, "%s", "+60", "22.1.0=INTEGER:60", ""},
    {kInterval, "%s", " 60", "22.1.0=INTEGER:60", ""},
    {kInterval, "%i{n1x65535l5}", "65535", "22.1.0=INTEGER:65535", ""},
    {kInterval, "%s", "6O", "", " Please enter a whole number between -2147483648 and 2147483647!"},
    {kEngine, "%h{l22}", "80 00 E4 F5 02 00 00 00 00 00 00", "22.2.0=STRING:80 00 E4 F5 02 00 00 00 00 00 00",
     ""},
    {kEngine, "%h{l22}", "80:00:e4:f5:02", "22.2.0=STRING:80 00 E4 F5 02", ""},
    {kEngine, "%h{l22}", "80-00-E4-F5-02", "22.2.0=STRING:80 00 E4 F5 02", ""},
    // An engine ID holds 5 octets at least.
    {kEngine, "%h{l22}", "FF:A0:E4:F5:02", "22.2.0=STRING:FF A0 E4 F5 02", ""},
    {kEngine, "%s", "0A FF E4 F5 02", "22.2.0=STRING:0A FF E4 F5 02", ""},
    {kEngine, "%h{l22}", "80 00:E4", "",
     " Please enter hex digits, two for each byte, such as 0AFF or 0A FF!"},
    {kServer, "%s{I}", " 10.90.90.50 ", "22.3.0=IpAddress:10.90.90.50", ""},
    {kServer, "%s", "010.0.0.1", "", " Please enter an IP address such as 10.90.90.90!"},
    {kMac, "%s{M}", "aa:bb:cc:dd:ee:ff", "22.4.0=STRING:AA BB CC DD EE FF", ""},
    {kMac, "%s{M}", "00-1A-2B-3C-4D-5E", "22.4.0=STRING:00 1A 2B 3C 4D 5E", ""},
    {kMac, "%s", "aa:bb:cc:dd:ee", "",
     " Please enter a MAC address such as 00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e!"},
    {kIPv6, "%h{l32f}", "fe80::1", "22.5.0=STRING:FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01", ""},
    {kIPv6, "%h{l32f}", "::ffff:10.0.0.1", "22.5.0=STRING:00 00 00 00 00 00 00 00 00 00 FF FF 0A 00 00 01",
     ""},
    {kIPv6, "%h{l32f}", "2001:db8::10", "22.5.0=STRING:20 01 0D B8 00 00 00 00 00 00 00 00 00 00 00 10", ""},
    {kIPv6, "%s", "fe80::1%eth0", "",
     " Please enter an IPv6 address such as 2001:db8::10, ::ffff:10.0.0.1 or "
     "20010DB8000000000000000000000010!"},
    {kInet, "%s", " 10.1.2.3", "22.6.0=STRING:0A 01 02 03", ""},
    {kInet, "%s", "fe80::1", "22.6.0=STRING:FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01", ""},
    {kTimeout, "%s", "0:00:47.5", "22.7.0=Timeticks:4750", ""},
    {kTimeout, "%s", "1:2:3", "22.7.0=Timeticks:372300", ""},
    {kTimeout, "%s", "1 day 2:03:04.05", "22.7.0=Timeticks:9378405", ""},
    {kTimeout, "%s", "0:00:47.123", "", " Please enter a time such as 1 day 2:03:04.05 or 0:00:47.5!"},
    {kClock, "%s", "2007-5-26,15:30:15,+8:0", "22.8.0=STRING:07 D7 05 1A 0F 1E 0F 00 2B 08 00", ""},
    {kClock, "%s", "2016-12-31,23:59:60.0", "22.8.0=STRING:07 E0 0C 1F 17 3B 3C 00 2B 00 00", ""},
    {kObject, "%s", "1.3.6.1.4.1.58613", "22.9.0=OID:.1.3.6.1.4.1.58613", ""},
    {kObject, "%s", "1.40", "",
     " Please enter an object identifier such as 1.3.6.1: numbers joined by dots, the first 0, 1 or 2 and "
     "the "
     "second below 40 after 0 or 1!"},
    {kObject, "%s", "5.3", "",
     " Please enter an object identifier such as 1.3.6.1: numbers joined by dots, the first 0, 1 or 2 and "
     "the "
     "second below 40 after 0 or 1!"},
    {kAlias, "%s", Accents(127), "22.10.0=STRING:" + AccentOctets(127), ""},
    {kAlias, "%s", Accents(200), "", " Please enter a string whose length is less than 255!"},
    {kLimit, "%s", "+4294967295", "22.11.0=Gauge32:4294967295", ""},
};

INSTANTIATE_TEST_SUITE_P(Writings, TypedWritings, testing::ValuesIn(kCases));

} // namespace
} // namespace qs::test
