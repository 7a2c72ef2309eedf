#include "OctetTexts.h"
#include "QsException.h"
#include "QsValueTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using qs::SnmpType;
using qs::SnmpValue;

SnmpValue Bytes(QsOctets b, SnmpType t = SnmpType::OctetString) {
    return SnmpValue::fromBytes(t, std::move(b));
}

QsSNMPVar Var(std::uint32_t syntax, std::string value = {}, const QsOptionList* options = nullptr) {
    QsSNMPVar v;
    v.Oid = "1.3.6.1.4.1.58613.1";
    v.Syntax = syntax;
    v.Value = std::move(value);
    v.OptionList = options;
    return v;
}

struct StoreCase {
    std::uint32_t syntax;
    SnmpValue value;
    const char* text;
};

void PrintTo(const StoreCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << " -> \"" << c.text << '"';
}

class Store : public testing::TestWithParam<StoreCase> {};

TEST_P(Store, ReadsTheValueBySyntax) {
    QsSNMPVar v = Var(GetParam().syntax, "old");
    StoreVb(v, GetParam().value);
    EXPECT_EQ(v.Value, GetParam().text);
}

const SnmpValue kNoInstance = SnmpValue::exception(SnmpType::NoSuchInstance);
const QsOctets kDateOctets{0x07, 0xDB, 0x01, 0x05, 0x0D, 0x1E, 0x0F, 0x00, 0x2B, 0x08, 0x00};

INSTANTIATE_TEST_SUITE_P(
    Cases, Store,
    testing::Values(
        StoreCase{SYN_INTEGER, SnmpValue::fromInt(-5), "-5"},
        StoreCase{SYN_BOOLEAN, SnmpValue::fromInt(2), "true"},
        StoreCase{SYN_BOOLEAN, SnmpValue::fromInt(0), "false"},
        StoreCase{SYN_COUNTER, SnmpValue::fromUnsigned(SnmpType::Counter32, 4294967295u), "4294967295"},
        StoreCase{SYN_GUAGE, SnmpValue::fromUnsigned(SnmpType::Gauge32, 7), "7"},
        StoreCase{SYN_TIMETICKS, SnmpValue::fromUnsigned(SnmpType::TimeTicks, 8640000), "1 day 0:00:00.00"},
        StoreCase{SYN_COUNTER64, SnmpValue::fromCounter64(18446744073709551615ull), "18446744073709551615"},
        StoreCase{SYN_OCTETSTR, Bytes({0x00, 0x1A, 0xFF}), "001AFF"},
        StoreCase{SYN_OPAQUE, Bytes({0xAB}, SnmpType::Opaque), "AB"},
        StoreCase{SYN_MACADDRESS, Bytes({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}), "001A2B3C4D5E"},
        StoreCase{SYN_DISPLAYSTR, Bytes({'a', 'b', 0, 'c'}), "ab"},
        StoreCase{SYN_OBJECTID, SnmpValue::fromOid({1, 3, 6, 1}), "1.3.6.1"},
        StoreCase{SYN_IPADDRESS, Bytes({10, 0, 0, 1}, SnmpType::IpAddress), "10.0.0.1"},
        StoreCase{SYN_INETADDRESS, Bytes({10, 0, 0, 1}), "10.0.0.1"},
        StoreCase{SYN_INETADDRESS, Bytes(QsOctets(16, 0xFE)), "FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE"},
        StoreCase{SYN_INETADDRESS, Bytes({}), ""},
        StoreCase{SYN_DATETIME, Bytes(kDateOctets), "2011-1-5,13:30:15.0,+8:0"},
        StoreCase{SYN_DATETIME, Bytes({0x07, 0xDB}), ""},
        StoreCase{SYN_DOUBLE, Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), "1.5"},
        StoreCase{SYN_DOUBLE, Bytes({0, 0xF8, 0x3F}), ""},
        StoreCase{SYN_BCDATETIME, Bytes({0, 0, 0, 0, 0, 0, 0x06, 0x40}), "1900/01/01 18:00:00"},
        StoreCase{SYN_NULL, SnmpValue::fromInt(3), "(NULL)"},
        // missing values
        StoreCase{SYN_INTEGER, kNoInstance, "(NULL)"}, StoreCase{SYN_COUNTER64, SnmpValue::null(), "(NULL)"},
        StoreCase{SYN_TIMETICKS, kNoInstance, "(NULL)"}, StoreCase{SYN_DATETIME, kNoInstance, "(NULL)"},
        StoreCase{SYN_DISPLAYSTR, kNoInstance, ""}, StoreCase{SYN_OCTETSTR, kNoInstance, ""},
        StoreCase{SYN_MACADDRESS, SnmpValue::exception(SnmpType::NoSuchObject), ""},
        StoreCase{SYN_INETADDRESS, SnmpValue::exception(SnmpType::EndOfMibView), ""},
        // a type that disagrees with the syntax is no value, never reinterpreted
        StoreCase{SYN_INTEGER, Bytes({1, 2, 3, 4}), "(NULL)"},
        StoreCase{SYN_COUNTER, SnmpValue::fromInt(-1), "(NULL)"},
        StoreCase{SYN_OCTETSTR, SnmpValue::fromInt(65), ""},
        StoreCase{SYN_IPADDRESS, Bytes({10, 0, 0, 1}), "(NULL)"},
        StoreCase{SYN_IPADDRESS, Bytes({10, 0}, SnmpType::IpAddress), "(NULL)"}));

struct FillCase {
    std::uint32_t syntax;
    const char* text;
    SnmpValue value;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << " \"" << c.text << '"';
}

class Fill : public testing::TestWithParam<FillCase> {};

TEST_P(Fill, SendsTheValueAsItsWireType) {
    EXPECT_EQ(FillVb(Var(GetParam().syntax, GetParam().text)), GetParam().value);
}

SnmpValue Gauge(std::uint32_t u) {
    return SnmpValue::fromUnsigned(SnmpType::Gauge32, u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Fill,
    testing::Values(
        FillCase{SYN_BOOLEAN, "true", SnmpValue::fromInt(1)},
        FillCase{SYN_BOOLEAN, "TRUE", SnmpValue::fromInt(0)},
        FillCase{SYN_INTEGER, " -12x", SnmpValue::fromInt(-12)},
        FillCase{SYN_INTEGER, "4294967295", SnmpValue::fromInt(-1)},
        FillCase{SYN_INTEGER, "2147483648", SnmpValue::fromInt(-2147483647 - 1)},
        FillCase{SYN_COUNTER, "-1", Gauge(4294967295u)},
        FillCase{SYN_GUAGE, "4294967295", Gauge(4294967295u)}, FillCase{SYN_UINTEGER, "4294967296", Gauge(0)},
        FillCase{SYN_TIMETICKS, "2 days, 0:00:00.01",
                 SnmpValue::fromUnsigned(SnmpType::TimeTicks, 2 * 8640000 + 1)},
        FillCase{SYN_TIMETICKS, "12345", SnmpValue::fromUnsigned(SnmpType::TimeTicks, 0)},
        FillCase{SYN_COUNTER64, "18446744073709551615", SnmpValue::fromCounter64(18446744073709551615ull)},
        FillCase{SYN_OCTETSTR, "1AFF", Bytes({0x1A, 0xFF})},
        FillCase{SYN_BITSTR, "1 A F F", Bytes({0x1A, 0xFF})},
        FillCase{SYN_OPAQUE, "ABC", Bytes({0x0A, 0xBC})}, FillCase{SYN_BITLIST, "xy", Bytes({0x00})},
        FillCase{SYN_IPV6ADDRESS, "", Bytes({})}, FillCase{SYN_NULL, "anything", SnmpValue::null()},
        FillCase{SYN_OBJECTID, "1.3.6.1", SnmpValue::fromOid({1, 3, 6, 1})},
        FillCase{SYN_IPADDRESS, "10.1.2.3", Bytes({10, 1, 2, 3}, SnmpType::IpAddress)},
        FillCase{SYN_NSAPADDR, "255.255.255.255", Bytes({255, 255, 255, 255}, SnmpType::IpAddress)},
        FillCase{SYN_INETADDRESS, "10.1.2.3", Bytes({10, 1, 2, 3})},
        FillCase{SYN_INETADDRESS, "0.0.0.5", Bytes({0, 0, 0, 5})},
        FillCase{SYN_INETADDRESS, "FE800000000000000000000000000001",
                 Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        FillCase{SYN_MACADDRESS, "001A2B3C4D5E", Bytes({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})},
        FillCase{SYN_MACADDRESS, "00-1A-2B-3C-4D-5E", Bytes({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})},
        FillCase{SYN_MACADDRESS, "00.1a.2b.3c.4d.5e", Bytes({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})},
        FillCase{SYN_MACADDRESS, "00:1a:2b:3c:4d:5e", Bytes({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})},
        FillCase{SYN_IPADDRESS, "010.001.002.003", Bytes({10, 1, 2, 3}, SnmpType::IpAddress)},
        FillCase{SYN_DISPLAYSTR, "ab c", Bytes({'a', 'b', ' ', 'c'})},
        FillCase{SYN_DOUBLE, "1.5", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
        FillCase{SYN_BCDATETIME, "1900/01/01 18:00:00", Bytes({0, 0, 0, 0, 0, 0, 0x06, 0x40})},
        FillCase{SYN_DATETIME, "2011-1-5,13:30:15.0,+8:0", Bytes(kDateOctets)},
        // "(NULL)" is a binding without value for every syntax
        FillCase{SYN_INTEGER, "(NULL)", SnmpValue::null()},
        FillCase{SYN_OCTETSTR, "(NULL)", SnmpValue::null()},
        FillCase{SYN_INETADDRESS, "(NULL)", SnmpValue::null()},
        FillCase{SYN_MACADDRESS, "(NULL)", SnmpValue::null()}));

int ErrorCode(const std::function<void()>& f) {
    try {
        f();
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 0;
}

struct FillErrorCase {
    std::uint32_t syntax;
    const char* text;
    int code;
};

void PrintTo(const FillErrorCase& c, std::ostream* os) {
    *os << "syntax " << c.syntax << " \"" << c.text << '"';
}

class FillError : public testing::TestWithParam<FillErrorCase> {};

// Texts that cannot be sent are input errors: nothing wrong goes on the wire.
TEST_P(FillError, RefusesTextsThatCannotBeSent) {
    const QsSNMPVar v = Var(GetParam().syntax, GetParam().text);
    EXPECT_EQ(ErrorCode([&] { FillVb(v); }), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillError,
    testing::Values(
        FillErrorCase{SYN_MACADDRESS, "001A2B3C4D", -23},
        FillErrorCase{SYN_MACADDRESS, "00:1A:2B:3C:4D", -23}, FillErrorCase{SYN_MACADDRESS, "", -23},
        FillErrorCase{SYN_MACADDRESS, "001A2B3C4D5E6F", -23}, FillErrorCase{SYN_IPADDRESS, "10.1.2.300", -19},
        FillErrorCase{SYN_IPADDRESS, "host", -19}, FillErrorCase{SYN_IPADDRESS, "10.1", -19},
        FillErrorCase{SYN_INETADDRESS, "not an address", -19}, FillErrorCase{SYN_OBJECTID, "1.3.x", -417},
        FillErrorCase{SYN_OBJECTID, "5.3", -417}, // X.690's first arc
        FillErrorCase{SYN_OBJECTID, "1.40", -417}, FillErrorCase{SYN_BCDATETIME, "yesterday", -518},
        FillErrorCase{0, "1", -511}, FillErrorCase{7, "1", -511}, FillErrorCase{79, "1", -511},
        FillErrorCase{80, "1", -511}, FillErrorCase{SYN_BOOL8, "1", -511},
        FillErrorCase{SYN_UINT16, "1", -511}));

TEST(ValueTexts, UnknownSyntaxRaisesBadSyntaxWhenStoring) {
    for (std::uint32_t syntax : {0u, 7u, 63u, 79u, 80u, 82u, 193u, 198u, 1000u}) {
        QsSNMPVar v = Var(syntax);
        try {
            StoreVb(v, SnmpValue::fromInt(1));
            ADD_FAILURE() << syntax;
        } catch (const QsException& e) {
            EXPECT_EQ(e.helpContext, -511);
            EXPECT_STREQ(e.what(), "Bad SNMP syntax!");
        }
    }
}

const QsOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kOnOffList(kOnOff, OVT_INT);

TEST(ValueTexts, OptionListMapsBothWays) {
    QsSNMPVar v = Var(SYN_INTEGER, "", &kOnOffList);
    StoreVb(v, SnmpValue::fromInt(2));
    EXPECT_EQ(v.Value, "disabled");
    StoreVb(v, SnmpValue::fromInt(3));
    EXPECT_EQ(v.Value, "3");
    StoreVb(v, kNoInstance);
    EXPECT_EQ(v.Value, "(NULL)");
    v.Value = "Enabled";
    EXPECT_EQ(FillVb(v), SnmpValue::fromInt(1));
    v.Value = "7";
    EXPECT_EQ(FillVb(v), SnmpValue::fromInt(7));
}

} // namespace
