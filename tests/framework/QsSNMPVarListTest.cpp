#include "QsSNMPVarList.h"

#include <gtest/gtest.h>

namespace {

const QsOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kOnOffList(kOnOff, OVT_INT);

const QsSNMPVarDesc kTable[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.9.1.2", "State", SYN_INTEGER, ACC_READWRITE, &kOnOffList, "$1*2", nullptr, "r", "7",
     "1.3.6.1.2.1.10.7.9.1.2.5"},
    {"1.3.6.1.2.1.10.7.9.1.3", "Count", SYN_COUNTER, ACC_READONLY},
    {nullptr},
    {"1.3.6.1.2.1.1.1", "after the end", SYN_DISPLAYSTR, ACC_READONLY},
};

TEST(VarList, TableLengthStopsAtNullOid) {
    const QsSNMPVarDesc empty[] = {{nullptr}};
    EXPECT_EQ(VarTableLength(nullptr), 0);
    EXPECT_EQ(VarTableLength(empty), 0);
    EXPECT_EQ(VarTableLength(kTable), 3);
    QsSNMPVarList list(nullptr, SVT_SV, 0);
    list.Append(empty);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(VarList, CopiesRowsWithTheirTexts) {
    QsSNMPVarList list(kTable, MVT_FMV, 1);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.InstanceSuffix, "");
    EXPECT_EQ(list.Name, "");
    EXPECT_EQ(list.ItemType, MVT_FMV);
    EXPECT_EQ(list.PKeyCount, 1);
    const QsSNMPVar* key = list.GetVar(0);
    EXPECT_EQ(key->Oid, " ");
    EXPECT_FALSE(key->GetFormula.has_value());
    EXPECT_EQ(key->Value, "");
    const QsSNMPVar* state = list.GetVar(1);
    EXPECT_EQ(state->Name, "State");
    EXPECT_EQ(state->OptionList, &kOnOffList);
    EXPECT_EQ(state->GetFormula, "$1*2");
    EXPECT_FALSE(state->SetFormula.has_value());
    EXPECT_EQ(state->Reserved, "r");
    EXPECT_EQ(state->Value, "7");
    EXPECT_EQ(state->CurrentOid, "1.3.6.1.2.1.10.7.9.1.2.5");
}

TEST(VarList, AddVarStoresEmptyFormulasAsAbsent) {
    QsSNMPVarList list;
    EXPECT_EQ(list.ItemType, SVT_SV);
    EXPECT_EQ(list.PKeyCount, 0);
    list.AddVar("1.3.6.1.4.1.58613.1", "Reboot", SYN_INTEGER, ACC_READWRITE, nullptr, "", "x+1", "");
    ASSERT_EQ(list.GetCount(), 1);
    const QsSNMPVar* v = list.GetVar(0);
    EXPECT_FALSE(v->GetFormula.has_value());
    EXPECT_EQ(v->SetFormula, "x+1");
    EXPECT_FALSE(v->Reserved.has_value());
    EXPECT_EQ(v->Value, "");
    EXPECT_EQ(v->CurrentOid, "");
}

TEST(VarList, AppendSuffixIsPermanentAndCumulative) {
    QsSNMPVarList list(kTable, MVT_SV, 0);
    list.AppendSuffix("3");
    EXPECT_EQ(list.GetVar(1)->Oid, "1.3.6.1.2.1.10.7.9.1.2.3");
    list.AppendSuffix("3");
    EXPECT_EQ(list.GetVar(1)->Oid, "1.3.6.1.2.1.10.7.9.1.2.3.3");
    EXPECT_EQ(list.InstanceSuffix, "");
}

TEST(VarList, AssignDeepCopiesButKeepsTheTargetSuffix) {
    QsSNMPVarList source(kTable, MVT_FMV, 1);
    source.Name = "Ports";
    source.InstanceSuffix = "9";
    source.GetVar(2)->Value = "42";
    source.GetVar(2)->CurrentOid = "1.3.6.1.2.1.10.7.9.1.3.4";

    QsSNMPVarList target;
    target.InstanceSuffix = "1";
    target.AddVar("1.2", "old", SYN_INTEGER, ACC_READONLY);
    target = source;
    EXPECT_EQ(target.InstanceSuffix, "1");
    EXPECT_EQ(target.Name, "Ports");
    EXPECT_EQ(target.ItemType, MVT_FMV);
    EXPECT_EQ(target.PKeyCount, 1);
    ASSERT_EQ(target.GetCount(), 3);
    EXPECT_EQ(target.GetVar(2)->Value, "42");
    EXPECT_EQ(target.GetVar(2)->CurrentOid, "1.3.6.1.2.1.10.7.9.1.3.4");

    source.GetVar(2)->Value = "changed";
    EXPECT_EQ(target.GetVar(2)->Value, "42");
    EXPECT_NE(target.GetVar(2), source.GetVar(2));

    QsSNMPVarList copy(source);
    EXPECT_EQ(copy.InstanceSuffix, "");
    EXPECT_EQ(copy.GetVar(2)->Value, "changed");
}

TEST(VarList, AssignFromAFreshScalarListKeepsTheSuffix) {
    QsSNMPVarList request;
    request.InstanceSuffix = "1";
    request = QsSNMPVarList(kTable, MVT_SV, 0);
    EXPECT_EQ(request.InstanceSuffix, "1");
    EXPECT_EQ(request.ItemType, MVT_SV);
}

TEST(VarList, SelfAssignmentKeepsTheVariables) {
    QsSNMPVarList list(kTable, MVT_FMV, 1);
    list.GetVar(2)->Value = "5";
    QsSNMPVarList& alias = list;
    list = alias;
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetVar(2)->Value, "5");
}

TEST(VarList, ClearKeepsTheListSettings) {
    QsSNMPVarList list(kTable, MVT_UMV, 1);
    list.Name = "n";
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.ItemType, MVT_UMV);
    EXPECT_EQ(list.PKeyCount, 1);
    EXPECT_EQ(list.Name, "n");
}

struct AccessCase {
    std::uint32_t access;
    std::uint8_t itemType;
    int index; // in a list of three variables with key count 1
    bool readable, writable, column, hidden, implied;
};

void PrintTo(const AccessCase& c, std::ostream* os) {
    *os << "access " << c.access << " type " << int(c.itemType) << " var " << c.index;
}

class Predicates : public testing::TestWithParam<AccessCase> {};

TEST_P(Predicates, FollowTheAccessBits) {
    const auto& c = GetParam();
    QsSNMPVarList list(kTable, c.itemType, 1);
    list.GetVar(c.index)->Access = c.access;
    EXPECT_EQ(list.IsReadable(c.index), c.readable);
    EXPECT_EQ(list.IsWritable(c.index), c.writable);
    EXPECT_EQ(list.IsColumn(c.index), c.column);
    EXPECT_EQ(list.IsHiddenColumn(c.index), c.hidden);
    EXPECT_EQ(list.IsImplied(c.index), c.implied);
}

INSTANTIATE_TEST_SUITE_P(Cases, Predicates,
                         testing::Values(
                             // access        item type index read  write  column hidden implied
                             AccessCase{6, SVT_SV, 1, true, true, true, false, false},
                             AccessCase{4, SVT_SV, 1, false, true, false, true, false},
                             AccessCase{38, SVT_SV, 1, false, false, false, true, false},
                             AccessCase{1, MVT_FMV, 0, false, true, true, false, false},
                             AccessCase{1, MVT_UMV, 0, false, true, true, false, false},
                             AccessCase{1, SVT_SV, 0, false, false, true, false, false},
                             AccessCase{1, MVT_FMV, 1, false, false, true, false, false},
                             AccessCase{33, MVT_FMV, 0, false, false, false, true, false},
                             AccessCase{65, MVT_FMV, 0, false, true, true, false, true},
                             AccessCase{0, SVT_SV, 1, false, false, false, false, false},
                             AccessCase{0, MVT_FMV, 0, false, true, false, false, false},
                             AccessCase{12, SVT_SV, 1, false, true, true, false, false},
                             AccessCase{20, SVT_SV, 1, false, true, false, true, false},
                             AccessCase{18, SVT_SV, 1, true, false, false, true, false},
                             AccessCase{8, SVT_SV, 1, false, false, true, false, false}));

TEST(VarList, CountsColumns) {
    QsSNMPVarList list(kTable, MVT_FMV, 1);
    EXPECT_EQ(list.CountColumns(), 3);
    EXPECT_EQ(list.CountHiddenColumns(), 0);
    list.GetVar(1)->Access = ACC_WRITEONLY;
    list.GetVar(2)->Access |= ACC_INVALID;
    EXPECT_EQ(list.CountColumns(), 1);
    EXPECT_EQ(list.CountHiddenColumns(), 2);
}

TEST(VarList, NameListsNameEveryCode) {
    EXPECT_EQ(ItemTypeNames().GetCount(), 4);
    EXPECT_EQ(SyntaxNames().GetCount(), 28);
    EXPECT_EQ(AccessNames().GetCount(), 7);
    EXPECT_EQ(SyntaxNames().ValueToText("66"), "guage");
    EXPECT_EQ(SyntaxNames().TextToValue("InetAddress"), "81");
    EXPECT_EQ(AccessNames().ValueToText("6"), "readwrite");
    EXPECT_EQ(ItemTypeNames().TextToValue("MVT_UMV"), "3");
}

} // namespace
