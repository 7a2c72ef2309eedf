// The journal records each request exactly: order, version, community or user, PDU type,
// varbinds with their types and values, and the status answered.
#include "SnmpTools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using krssim::test::snmp;
using qs::test::JournalRecord;
using qs::test::JournalVarBind;

namespace {

class JournalTest : public krssim::test::SharedSimTest<> {
protected:
    static void SetUpTestSuite() { startSim(); }
};

TEST_F(JournalTest, RecordsEachRequestInOrder) {
    snmp("snmpget", "-Cf " + v1("lumpet") + " .1.3.6.1.2.1.1.5.0 .1.3.6.1.2.1.1.99.0"); // -Cf: no retry
    snmp("snmpset", v2("grindel") +
                        " .1.3.6.1.2.1.1.6.0 s \"Hall 2\" .1.3.6.1.2.1.17.7.1.4.3.1.2.10 x 00A0 "
                        ".1.3.6.1.2.1.2.2.1.7.4 i 2 .1.3.6.1.2.1.1.2.0 o .1.3.6.1 .1.3.6.1.2.1.1.7.0 u 7");
    snmp("snmpget", "-t 0.2 " + v2("nobody") + " .1.3.6.1.2.1.1.5.0");
    snmp("snmpgetnext", v2("lumpet") + " .1.3.6.1.2.1.31.1.1.1.6.28");

    auto journal = sim().journal();
    ASSERT_EQ(journal.size(), 4u);
    const JournalRecord& get = journal[0];
    EXPECT_EQ(get.version, "1");
    EXPECT_EQ(get.community, "lumpet");
    EXPECT_EQ(get.pdu, "get");
    EXPECT_THAT(get.peer, testing::StartsWith("127.0.0.1:"));
    ASSERT_EQ(get.varbinds.size(), 2u);
    EXPECT_EQ(get.varbinds[1].oid, ".1.3.6.1.2.1.1.99.0");
    EXPECT_EQ(get.varbinds[1].type, "NULL");
    EXPECT_EQ(get.errorStatus, "noSuchName");
    EXPECT_EQ(get.errorIndex, 2);
    EXPECT_EQ(get.answer, "sent");

    const JournalRecord& set = journal[1];
    EXPECT_EQ(set.version, "2c");
    EXPECT_EQ(set.community, "grindel");
    EXPECT_EQ(set.pdu, "set");
    ASSERT_EQ(set.varbinds.size(), 5u);
    EXPECT_EQ(set.varbinds[0].type, "STRING");
    EXPECT_EQ(set.varbinds[0].value, "Hall 2");
    EXPECT_EQ(set.varbinds[1].hex, "00A0");
    EXPECT_EQ(set.varbinds[2].type, "INTEGER");
    EXPECT_EQ(set.varbinds[2].value, "2");
    EXPECT_EQ(set.varbinds[3].type, "OID");
    EXPECT_EQ(set.varbinds[3].value, ".1.3.6.1");
    EXPECT_EQ(set.varbinds[4].type, "Gauge32");
    EXPECT_EQ(set.errorStatus, "notWritable");
    EXPECT_EQ(set.errorIndex, 4);

    EXPECT_EQ(journal[2].community, "nobody");
    EXPECT_EQ(journal[2].answer, "none");
    EXPECT_EQ(journal[2].why, "bad-community");
    EXPECT_TRUE(journal[2].errorStatus.empty());

    EXPECT_EQ(journal[3].pdu, "getnext");
    EXPECT_EQ(journal[3].varbinds[0].oid, ".1.3.6.1.2.1.31.1.1.1.6.28");
    EXPECT_EQ(journal[3].errorStatus, "noError");
    EXPECT_LT(journal[0].time, journal[3].time);
}

TEST(JournalParseTest, ReadsEscapesAndMissingFields) {
    JournalRecord r;
    ASSERT_TRUE(qs::test::parseJournalLine(
        R"({"time":"t","peer":"p","version":"3","user":"a\"b","level":"authPriv","pdu":"get","request_id":42,)"
        R"("varbinds":[{"oid":".1.3","type":"STRING","value":"x\\y\u0001","hex":"785C7901"}],"answer":"none","why":"dropped"})",
        r));
    EXPECT_EQ(r.user, "a\"b");
    EXPECT_EQ(r.requestId, 42);
    ASSERT_EQ(r.varbinds.size(), 1u);
    EXPECT_EQ(r.varbinds[0].value, std::string("x\\y\x01"));
    EXPECT_EQ(r.varbinds[0].hex, "785C7901");
    EXPECT_TRUE(r.errorStatus.empty());
    EXPECT_FALSE(qs::test::parseJournalLine("{\"time\":", r));
}

} // namespace
