// The agent's request semantics, without the network: reads, walks, SET atomicity, RowStatus
// rows, status columns and the v1 error mapping.
#include "Responder.h"
#include "WalkFile.h"

#include <gtest/gtest.h>
#include <sstream>

namespace krssim {
namespace {

const Oid kName{1, 3, 6, 1, 2, 1, 1, 5, 0};
const Oid kAdmin3{1, 3, 6, 1, 2, 1, 2, 2, 1, 7, 3};
const Oid kVlan{1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1};   // dot1qVlanStaticEntry
const Oid kFilter{1, 3, 6, 1, 2, 1, 17, 7, 1, 3, 1, 1}; // dot1qStaticUnicastEntry

Oid cell(const Oid& entry, std::uint32_t column, std::uint32_t index) {
    Oid oid = entry;
    oid.push_back(column);
    oid.push_back(index);
    return oid;
}

class ResponderTest : public testing::Test {
protected:
    void SetUp() override {
        std::istringstream in("@writable .1.3.6.1.2.1.1.5 size=0..16\n"
                              "@writable .1.3.6.1.2.1.2.2.1.7 enum=1,2,3\n"
                              "@writable .1.3.6.1.2.1.17.7.1.4.3.1.1 size=0..32\n"
                              "@default .1.3.6.1.2.1.17.7.1.4.3.1.1 = \"\"\n"
                              "@writable .1.3.6.1.2.1.17.7.1.4.3.1.2\n"
                              "@default .1.3.6.1.2.1.17.7.1.4.3.1.2 = Hex-STRING: 00 00 00 00\n"
                              "@rowstatus .1.3.6.1.2.1.17.7.1.4.3.1.5\n"
                              "@writable .1.3.6.1.2.1.17.7.1.3.1.1.3\n"
                              "@status .1.3.6.1.2.1.17.7.1.3.1.1.4 remove=2\n"
                              ".1.3.6.1.2.1.1.5.0 = STRING: \"sw\"\n"
                              ".1.3.6.1.2.1.2.2.1.7.3 = INTEGER: 1\n"
                              ".1.3.6.1.2.1.2.2.1.7.9 = INTEGER: 1\n"
                              ".1.3.6.1.2.1.2.2.1.7.10 = INTEGER: 2\n"
                              ".1.3.6.1.2.1.17.7.1.3.1.1.3.5 = Hex-STRING: 80\n"
                              ".1.3.6.1.2.1.17.7.1.3.1.1.4.5 = INTEGER: 3\n"
                              ".1.3.6.1.2.1.17.7.1.4.3.1.1.1 = STRING: \"default\"\n"
                              ".1.3.6.1.2.1.17.7.1.4.3.1.2.1 = Hex-STRING: FF FF FF F0\n"
                              ".1.3.6.1.2.1.17.7.1.4.3.1.5.1 = INTEGER: 1\n"
                              ".1.3.6.1.2.1.31.1.1.1.6.1 = Counter64: 5000000000\n"
                              ".1.3.6.1.2.1.31.1.1.1.18.1 = STRING: \"up\"\n");
        std::string error;
        ASSERT_TRUE(loadWalk(in, "fixture", store_, error)) << error;
    }

    Response send(PduType pdu, std::vector<VarBind> varbinds, Version version = V2c) {
        Request request;
        request.version = version;
        request.pdu = pdu;
        request.mayWrite = true;
        request.varbinds = std::move(varbinds);
        return responder_.answer(request);
    }
    Response set(std::vector<VarBind> varbinds, Version version = V2c) {
        return send(PduType::Set, std::move(varbinds), version);
    }
    static VarBind null(Oid oid) { return {std::move(oid), {}}; }
    static VarBind integer(Oid oid, std::int64_t v) { return {std::move(oid), Value::ofInteger(v)}; }

    MibStore store_;
    Responder responder_{store_};
};

TEST_F(ResponderTest, GetAnswersExceptionsInV2AndNoSuchNameInV1) {
    Response v2 =
        send(PduType::Get, {null(kName), null({1, 3, 6, 1, 2, 1, 1, 5, 1}), null({1, 3, 6, 1, 9, 9})});
    EXPECT_EQ(v2.errorStatus, NoError);
    EXPECT_EQ(v2.varbinds[0].value.bytes, "sw");
    EXPECT_EQ(v2.varbinds[1].value.type, Type::NoSuchInstance);
    EXPECT_EQ(v2.varbinds[2].value.type, Type::NoSuchObject);
    Response v1 = send(PduType::Get, {null(kName), null({1, 3, 6, 1, 9, 9})}, V1);
    EXPECT_EQ(v1.errorStatus, NoSuchName);
    EXPECT_EQ(v1.errorIndex, 2);
    EXPECT_EQ(v1.varbinds[1].value.type, Type::Null); // the request's varbinds come back
    // v1 cannot carry a Counter64.
    EXPECT_EQ(send(PduType::Get, {null({1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 6, 1})}, V1).errorStatus, NoSuchName);
}

TEST_F(ResponderTest, GetNextFollowsNumericOrderToTheEnd) {
    Oid admin{1, 3, 6, 1, 2, 1, 2, 2, 1, 7};
    EXPECT_EQ(send(PduType::GetNext, {null(cell(admin, 0, 0))}).varbinds[0].oid, kAdmin3);
    EXPECT_EQ(send(PduType::GetNext, {null({1, 3, 6, 1, 2, 1, 2, 2, 1, 7, 9})}).varbinds[0].oid,
              (Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, 7, 10}));
    Oid last{1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 18, 1};
    Response end = send(PduType::GetNext, {null(last)});
    EXPECT_EQ(end.varbinds[0].oid, last);
    EXPECT_EQ(end.varbinds[0].value.type, Type::EndOfMibView);
    EXPECT_EQ(send(PduType::GetNext, {null(last)}, V1).errorStatus, NoSuchName);
    // v1 walks step over Counter64 instances.
    EXPECT_EQ(send(PduType::GetNext, {null({1, 3, 6, 1, 2, 1, 31})}, V1).varbinds[0].oid, last);
}

TEST_F(ResponderTest, GetBulkRepeatsUntilTheEnd) {
    Request request;
    request.pdu = PduType::GetBulk;
    request.varbinds = {null(kName), null({1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1, 5})};
    request.nonRepeaters = 1;
    request.maxRepetitions = 5;
    Response r = responder_.answer(request);
    ASSERT_EQ(r.varbinds.size(), 1u + 4u); // stops once every repeater has reached the end
    EXPECT_EQ(r.varbinds[0].oid, kAdmin3);
    EXPECT_EQ(r.varbinds[1].oid, cell(kVlan, 5, 1));
    EXPECT_EQ(r.varbinds[2].oid, (Oid{1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 6, 1}));
    EXPECT_EQ(r.varbinds[4].value.type, Type::EndOfMibView);
}

TEST_F(ResponderTest, SetIsAllOrNothing) {
    Response r = set({{kName, Value::ofBytes("new")}, integer(kAdmin3, 2), integer(cell(kVlan, 5, 1), 3)});
    EXPECT_EQ(r.errorStatus, WrongValue);
    EXPECT_EQ(r.errorIndex, 3);
    EXPECT_EQ(store_.find(kName)->bytes, "sw");
    EXPECT_EQ(store_.find(kAdmin3)->integer(), 1);
    EXPECT_EQ(set({{kName, Value::ofBytes("new")}, integer(kAdmin3, 2)}).errorStatus, NoError);
    EXPECT_EQ(store_.find(kName)->bytes, "new");
    EXPECT_EQ(store_.find(kAdmin3)->integer(), 2);
}

TEST_F(ResponderTest, CreateAndWaitThenActivateThenDestroy) {
    EXPECT_EQ(set({integer(cell(kVlan, 5, 7), 5)}).errorStatus, NoError);
    EXPECT_EQ(store_.find(cell(kVlan, 5, 7))->integer(), 2); // notInService
    EXPECT_EQ(store_.find(cell(kVlan, 1, 7))->bytes, "");    // defaults fill the other columns
    EXPECT_EQ(store_.find(cell(kVlan, 2, 7))->bytes, std::string(4, '\0'));
    EXPECT_EQ(set({{cell(kVlan, 1, 7), Value::ofBytes("lab")}, integer(cell(kVlan, 5, 7), 1)}).errorStatus,
              NoError);
    EXPECT_EQ(store_.find(cell(kVlan, 5, 7))->integer(), 1);
    EXPECT_EQ(set({integer(cell(kVlan, 5, 7), 6)}).errorStatus, NoError);
    EXPECT_EQ(store_.rowCells(kVlan, {7}).size(), 0u);
    EXPECT_EQ(store_.rowCells(kVlan, {1}).size(), 3u); // other rows untouched
}

TEST_F(ResponderTest, StatusColumnCreatesAndItsInvalidValueRemoves) {
    EXPECT_EQ(
        set({{cell(kFilter, 3, 6), Value::ofBytes("\x40")}, integer(cell(kFilter, 4, 6), 3)}).errorStatus,
        NoError);
    EXPECT_EQ(store_.rowCells(kFilter, {6}).size(), 2u);
    EXPECT_EQ(set({integer(cell(kFilter, 4, 5), 2)}).errorStatus, NoError);
    EXPECT_EQ(store_.rowCells(kFilter, {5}).size(), 0u);
    EXPECT_EQ(store_.rowCells(kFilter, {6}).size(), 2u);
}

struct SetCase {
    const char* name;
    VarBind varbind;
    int v2;
    int v1;
};

class SetErrorCaseTest : public ResponderTest, public testing::WithParamInterface<SetCase> {};

TEST_P(SetErrorCaseTest, AnswersTheStatusAndItsV1Mapping) {
    const auto& c = GetParam();
    EXPECT_EQ(set({c.varbind}).errorStatus, c.v2);
    EXPECT_EQ(set({c.varbind}, V1).errorStatus, c.v1);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, SetErrorCaseTest,
    testing::Values(
        SetCase{"ReadOnly",
                {{1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 18, 1}, Value::ofBytes("x")},
                NotWritable,
                NoSuchName},
        SetCase{"WrongType", {kName, Value::ofInteger(1)}, WrongType, BadValue},
        SetCase{"NullValue", {kName, Value{}}, WrongType, BadValue},
        SetCase{"TooLong", {kName, Value::ofBytes(std::string(17, 'x'))}, WrongLength, BadValue},
        SetCase{"NotInEnum", {kAdmin3, Value::ofInteger(4)}, WrongValue, BadValue},
        SetCase{"UnknownObject", {{1, 3, 6, 1, 4, 1, 9}, Value::ofInteger(1)}, NoCreation, NoSuchName},
        SetCase{
            "NewScalarInstance", {{1, 3, 6, 1, 2, 1, 1, 5, 1}, Value::ofBytes("x")}, NoCreation, NoSuchName},
        SetCase{"ColumnOfMissingRow", {cell(kVlan, 1, 8), Value::ofBytes("x")}, NoCreation, NoSuchName},
        SetCase{"CreateExisting", {cell(kVlan, 5, 1), Value::ofInteger(4)}, InconsistentValue, BadValue},
        SetCase{"ActivateMissing", {cell(kVlan, 5, 8), Value::ofInteger(1)}, InconsistentValue, BadValue},
        SetCase{"NotReady", {cell(kVlan, 5, 1), Value::ofInteger(3)}, WrongValue, BadValue},
        SetCase{"OutOfRowStatus", {cell(kVlan, 5, 1), Value::ofInteger(7)}, WrongValue, BadValue}),
    [](const testing::TestParamInfo<SetCase>& c) { return std::string(c.param.name); });

TEST_F(ResponderTest, ReadCommunityGetsNoAccess) {
    Request request;
    request.pdu = PduType::Set;
    request.varbinds = {{kName, Value::ofBytes("x")}};
    EXPECT_EQ(responder_.answer(request).errorStatus, NoAccess);
    request.version = V1;
    EXPECT_EQ(responder_.answer(request).errorStatus, NoSuchName);
    EXPECT_EQ(store_.find(kName)->bytes, "sw");
}

TEST_F(ResponderTest, SetFaultRefusesWithTheGivenStatus) {
    responder_.addSetFault({{1, 3, 6, 1, 2, 1, 2, 2, 1, 7}, CommitFailed});
    Response r = set({{kName, Value::ofBytes("x")}, integer(kAdmin3, 2)});
    EXPECT_EQ(r.errorStatus, CommitFailed);
    EXPECT_EQ(r.errorIndex, 2);
    EXPECT_EQ(store_.find(kName)->bytes, "sw");
    EXPECT_EQ(set({integer(kAdmin3, 2)}, V1).errorStatus, GenErr);
}

TEST_F(ResponderTest, BrokenNextAnswersTheRequestedOid) {
    responder_.setBrokenNext({1, 3, 6, 1, 2, 1, 2, 2, 1, 7});
    Oid column{1, 3, 6, 1, 2, 1, 2, 2, 1, 7};
    EXPECT_EQ(send(PduType::GetNext, {null(column)}).varbinds[0].oid, column);
    EXPECT_EQ(send(PduType::GetNext, {null(kAdmin3)}).varbinds[0].oid, kAdmin3);
    EXPECT_EQ(send(PduType::GetNext, {null(kName)}).varbinds[0].oid, kAdmin3); // outside: normal
}

TEST(ErrorNameTest, NamesAndNumbersRoundTrip) {
    for (int status = NoError; status <= InconsistentName; ++status) {
        EXPECT_EQ(errorFromName(errorName(status)), status);
        EXPECT_EQ(errorFromName(std::to_string(status)), status);
    }
    EXPECT_EQ(errorFromName("noSuchThing"), -1);
    EXPECT_EQ(errorFromName("19"), -1);
}

} // namespace
} // namespace krssim
