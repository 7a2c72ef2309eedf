// Parts of QsSNMPRequest that need no agent: row indexes, PDU rules, references and formulas,
// and the selection list.
#include "QsException.h"
#include "QsNumList.h"
#include "QsSNMPRequest.h"

#include <gtest/gtest.h>

namespace {

int CodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 0;
}

const QsSNMPVarDesc kTwoKeys[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "K1", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.1.1.2", "K2", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.1.1.3", "V", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

TEST(RequestRowIndex, SuffixGivesTheKeysTheirValuesAndBack) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kTwoKeys, MVT_FMV, 2);
    request.SetRowIndex("3.1");
    EXPECT_EQ(request.List.GetVar(0)->Value, "3");
    EXPECT_EQ(request.List.GetVar(1)->Value, "1");
    EXPECT_EQ(request.List.GetVar(0)->CurrentOid, "1.3.6.1.4.1.99999.1.1.1.3.1");
    EXPECT_EQ(request.GetRowIndex(), "3.1");
    EXPECT_EQ(CodeOf([&] { request.SetRowIndex("5"); }), -514);
}

TEST(RequestPdu, ScalarsHaveNoGetNextContinuation) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kTwoKeys, SVT_SV, 0);
    EXPECT_EQ(CodeOf([&] { request.MakePdu(QsSNMPRequest::kNextRead); }), -510);
    request.List.ItemType = MVT_SV;
    EXPECT_EQ(CodeOf([&] { request.MakePdu(QsSNMPRequest::kNextRead); }), -510);
}

TEST(RequestPdu, FirstReadAsksColumnsAndScalarInstances) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kTwoKeys, MVT_FMV, 2);
    request.List.GetVar(2)->CurrentOid = "stale";
    auto vbs = request.MakePdu(QsSNMPRequest::kFirstRead);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(qs::OidToText(vbs[0].oid), "1.3.6.1.4.1.99999.1.1.3");
    EXPECT_TRUE(request.List.GetVar(2)->CurrentOid.empty());
    request.List.ItemType = SVT_SV;
    request.List.InstanceSuffix = "7";
    vbs = request.MakePdu(QsSNMPRequest::kFirstRead);
    EXPECT_EQ(qs::OidToText(vbs[0].oid), "1.3.6.1.4.1.99999.1.1.3.7.0");
}

const QsSNMPVarDesc kMixed[] = {
    {"1.3.6.1.4.1.99999.5", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.6", "Flag", SYN_BOOLEAN, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.7", "Count", SYN_INTEGER, ACC_READWRITE, nullptr, "$2*2"},
    {"1.3.6.1.4.1.99999.8", "Up", SYN_TIMETICKS, ACC_READWRITE},
    {nullptr},
};

struct Expansion {
    const char* expression;
    bool quote;
    const char* expanded; // null: raises `code`
    int code;
};

void PrintTo(const Expansion& c, std::ostream* os) {
    *os << '"' << c.expression << '"';
}

class RequestReferences : public testing::TestWithParam<Expansion> {};

TEST_P(RequestReferences, ExpandByTheVariablesSyntax) {
    const auto& c = GetParam();
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kMixed, SVT_SV, 0);
    request.List.GetVar(0)->Value = "abc";
    request.List.GetVar(1)->Value = "true";
    request.List.GetVar(2)->Value = "7";
    request.List.GetVar(3)->Value = "1 day 0:00:00.01";
    if (c.expanded) {
        EXPECT_EQ(request.ExpandReferences(c.expression, c.quote, "$"), c.expanded);
    } else {
        EXPECT_EQ(CodeOf([&] { request.ExpandReferences(c.expression, c.quote, "$"); }), c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RequestReferences,
                         testing::Values(Expansion{"$2 > 5", true, "7 > 5", 0},
                                         Expansion{"$0=abc", true, "\"abc\"=abc", 0},
                                         Expansion{"$1|$3", true, "1|8640001", 0},
                                         Expansion{"$0", false, nullptr, -513},
                                         Expansion{"$9", true, nullptr, -12}));

TEST(RequestReferences, NullValueCannotBeReferenced) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kMixed, SVT_SV, 0);
    request.List.GetVar(2)->Value = "(NULL)";
    EXPECT_EQ(CodeOf([&] { request.CheckExpression("$2 > 5"); }), -512);
    request.List.GetVar(2)->Value = "7";
    EXPECT_TRUE(request.CheckExpression("$2 > 5"));
    EXPECT_TRUE(request.CheckRowCondition()); // empty condition
}

TEST(RequestFormulas, GetFormulaReplacesTheValueAfterARead) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(kMixed, SVT_SV, 0);
    request.List.GetVar(2)->Value = "7";
    request.ApplyFormula(2, true);
    EXPECT_EQ(request.List.GetVar(2)->Value, "14");
    request.ApplyFormula(2, false); // no set formula: nothing changes
    EXPECT_EQ(request.List.GetVar(2)->Value, "14");
}

TEST(NumList, ParsesSelectionTexts) {
    QsNumList<int> list;
    EXPECT_EQ(list.Delimiter, '.');
    list.Delimiter = ',';
    list.Parse("1,,3");
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItem(0), 1);
    EXPECT_EQ(list.GetItem(1), 0);
    EXPECT_EQ(list.GetItem(2), 3);
    EXPECT_EQ(list.IndexOf(3), 2);
    EXPECT_EQ(list.IndexOf(4), -1);
    list.Parse("12.5,7");
    EXPECT_EQ(list.GetItem(0), 12);
    list.Parse("");
    EXPECT_EQ(list.GetCount(), 0);
}

} // namespace
