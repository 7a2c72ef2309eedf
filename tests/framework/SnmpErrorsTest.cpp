#include "SnmpErrors.h"
#include "MessageTable.h"
#include "QsException.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

struct StatusCase {
    int status;
    int code;
    const char* text;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << "status " << c.status;
}

class MapStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(MapStatus, GivesCodeAndText) {
    const auto& c = GetParam();
    const auto mapped = MapSnmpStatus(c.status);
    EXPECT_EQ(mapped.code, c.code);
    EXPECT_EQ(mapped.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapStatus,
    testing::Values(
        StatusCase{0, 0, "Ok!"}, StatusCase{1400, 0, "Ok!"}, StatusCase{-1401, 0, "Ok!"},
        StatusCase{1, -101, "(SNMP) Response PDU Too Big!"},
        StatusCase{2, -102, "(SNMP) Variable does not exist!"},
        StatusCase{18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        StatusCase{19, -528, "Unknown error code!"}, StatusCase{-1, -401, "(SNMPClass) Operation failed!"},
        StatusCase{-5, -405, "(SNMPClass) SNMP request timed out!"},
        StatusCase{-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        StatusCase{-24, -528, "Unknown error code!"}, StatusCase{1401, -301, "(SNMPv3USM) error!"},
        StatusCase{1402, -302, "(SNMPv3USM) Configfile write error!"},
        StatusCase{1407, -530, "The SNMPv3 pass phrase must have at least 8 characters."},
        StatusCase{1408, -308, "(SNMPv3USM) Authentication failure!"},
        StatusCase{1414, -314, "(SNMPv3USM) Address error!"}, StatusCase{1415, -528, "Unknown error code!"},
        StatusCase{-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        StatusCase{-1418, -217, "(SNMPv3) Report sent!"}, StatusCase{-1419, -528, "Unknown error code!"},
        StatusCase{-1400, -528, "Unknown error code!"}));

struct CodeCase {
    int code;
    const char* text;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << "code " << c.code;
}

class CodeText : public testing::TestWithParam<CodeCase> {};

TEST_P(CodeText, ComesFromTheTableOfItsRange) {
    EXPECT_EQ(qs::FrameworkErrorText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeText,
    testing::Values(CodeCase{-1, " Bad logic operand!"},
                    CodeCase{-12, " Out of range at index of array or list!"},
                    CodeCase{-25, " Please enter a valid unicast MAC address!"},
                    CodeCase{-313, "(SNMPv3USM) Unsupported PrivProtocol!"},
                    CodeCase{-314, "(SNMPv3USM) Address error!"},
                    CodeCase{-501, "Fail to read SNMP variables from file([FILENAME])!"},
                    CodeCase{-509, "Invalid IP Address or DNS name!"},
                    CodeCase{-522, "Count of the associated visual controls is not enough!"},
                    CodeCase{-26, "Unknown error code!"}, CodeCase{-119, "Unknown error code!"},
                    CodeCase{-529, "The agent's reply does not match the request!"},
                    CodeCase{-530, "The SNMPv3 pass phrase must have at least 8 characters."},
                    CodeCase{-531, "Unknown error code!"}, CodeCase{7, "Unknown error code!"}));

class RaisedError : public testing::TestWithParam<CodeCase> {};

TEST_P(RaisedError, CarriesTextAndCodeAsHelpContext) {
    try {
        qs::RaiseFrameworkError(GetParam().code);
        FAIL() << "nothing raised";
    } catch (const QsException& e) {
        EXPECT_STREQ(e.what(), GetParam().text);
        EXPECT_EQ(e.helpContext, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RaisedError,
                         testing::Values(CodeCase{qs::err::BadAddress, "Invalid IP Address or DNS name!"},
                                         CodeCase{qs::err::IndexOutOfRange,
                                                  " Out of range at index of array or list!"},
                                         CodeCase{-999, "Unknown error code!"}));

// The global table is shared by every test: put the built-in texts back whatever happens.
class ReplacedQsSnmpTable : public testing::Test {
protected:
    void TearDown() override { QsSnmpErrTable().RestoreBuiltIn(); }
    qs::test::TempDir dir_;
};

TEST_F(ReplacedQsSnmpTable, MappingUsesTheLoadedTexts) {
    LoadMessageTable(QsSnmpErrTable(), dir_.Write("errmsg/qssnmp.err", "Alles gut!\r\nErster Fehler\r\n"));
    EXPECT_EQ(MapSnmpStatus(0).text, "Alles gut!");
    EXPECT_EQ(qs::FrameworkErrorText(-501), "Erster Fehler");
    EXPECT_EQ(MapSnmpStatus(-1400).text, "Unknown error code!") << "beyond the file: the built-in text";
}

} // namespace
