#include "SnmpValue.h"

#include <gtest/gtest.h>

namespace {

struct OidCase {
    const char* text;
    bool ok;
    const char* printed;
};

void PrintTo(const OidCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class OidText : public testing::TestWithParam<OidCase> {};

TEST_P(OidText, ParsesAndPrintsDottedDecimal) {
    const auto& c = GetParam();
    qs::OidVector oid;
    EXPECT_EQ(qs::OidFromText(c.text, oid), c.ok);
    if (c.ok) {
        EXPECT_EQ(qs::OidToText(oid), c.printed);
    } else {
        EXPECT_TRUE(oid.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OidText,
                         testing::Values(OidCase{"1.3.6.1.2.1.1.5.0", true, "1.3.6.1.2.1.1.5.0"},
                                         OidCase{".1.3.6", true, "1.3.6"},
                                         OidCase{"1.3.6.4294967295", true, "1.3.6.4294967295"},
                                         OidCase{"1.3.6.4294967296", false, ""}, OidCase{"", false, ""},
                                         OidCase{" ", false, ""}, OidCase{"1..3", false, ""},
                                         OidCase{"1.3.", false, ""}, OidCase{"1.a", false, ""}));

TEST(SnmpValue, ExceptionsAndNullCarryNoValue) {
    EXPECT_FALSE(qs::SnmpValue::null().hasValue());
    EXPECT_FALSE(qs::SnmpValue::exception(qs::SnmpType::EndOfMibView).hasValue());
    EXPECT_FALSE(qs::SnmpValue::exception(qs::SnmpType::NoSuchInstance).hasValue());
    EXPECT_TRUE(qs::SnmpValue::fromInt(0).hasValue());
    EXPECT_TRUE(qs::SnmpValue::fromBytes(qs::SnmpType::OctetString, {}).hasValue());
}

} // namespace
