// The IPv4 rule dialogs of the access lists and of the CPU interface filter against krs-sim, both
// asynchronous: the ticked columns that the chosen protocol keeps, the read-only protocol never
// sent, the priority dependency, and the checks that refuse and send nothing.
#include "IPRuleForm.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "RuleEditorFixture.h"

#include <QTimer>

namespace qs::test {
namespace {

const char* const kAcl = "TIPRuleForm";
const char* const kCpu = "TCPUIPRuleForm";
const std::string kNoPorts = "STRING:00 00 00 00 00 00 00 00";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

TEST_F(RuleEditorTest, IPRulesListTheirRowsAsTheyArrive) {
    Open(kAcl);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(6), QStringLiteral("Protocol"));
    EXPECT_EQ(Combo("cbbEnableReplaceDscp")->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(Combo("ReplaceComboBox")->ItemIndex(), -1);
    Step("cbxProtocol+");
    Step("row:0");
    EXPECT_EQ(Edit("IPRuleEdit")->Text(), QStringLiteral("3"));
    EXPECT_EQ(Combo("ProtocolComboBox")->Text(), QStringLiteral("tcp"));
    EXPECT_FALSE(Combo("ProtocolComboBox")->Enabled());
    EXPECT_FALSE(Box("cbxProtocol")->Checked());
    EXPECT_FALSE(Box("cbxProtocol")->Enabled());
    EXPECT_FALSE(Edit("PriorityEdit")->Enabled()); // priority is disabled in the row
    EXPECT_TRUE(dialog->Ports.Ticked(1));
    Screenshot(dialog, "IPRuleForm");
    CloseDialog();

    Open(kCpu);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(Combo("PermitComboBox")->Text(), QStringLiteral("deny"));
    Step("row:0");
    EXPECT_EQ(Edit("UserMaskEdit")->Text(), QStringLiteral("000000FF"));
    Screenshot(dialog, "CPUIPRuleForm");
}

TEST_F(RuleEditorTest, IPRuleWritesSendTheTickedColumnsTheProtocolKeeps) {
    const RuleScenario scenarios[] = {
        {"only Row Status: the ports and createAndGo",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "click:AddButton"},
         {"3.2.1.21.3.2=" + kNoPorts + " 3.2.1.22.3.2=INTEGER:4"}},
        {"tcp: everything ticked but the protocol ID, Type and Code included",
         kAcl,
         {"IPRuleEdit=3",   "AccessIDEdit=2",    "cbxProtocol+",   "ProtocolComboBox=tcp",
          "cbxVlan+",       "VlanEdit=v5",       "cbxSourceIP+",   "SourceIPEdit=10.0.0.1",
          "chk_Type+",      "edt_Type=-1",       "chk_Code+",      "edt_Code=3",
          "cbxSourcePort+", "SourcePortEdit=80", "cbxProtocolID+", "ProtocolIDEdit=6",
          "cbxPermit+",     "cbxRow+",           "port:2",         "click:AddButton"},
         {"3.2.1.3.3.2=STRING:v5 3.2.1.4.3.2=IpAddress:10.0.0.1 3.2.1.8.3.2=INTEGER:-1 3.2.1.9.3.2=INTEGER:3 "
          "3.2.1.10.3.2=INTEGER:80 3.2.1.20.3.2=INTEGER:2 3.2.1.21.3.2=STRING:40 00 00 00 00 00 00 00 "
          "3.2.1.22.3.2=INTEGER:4"}},
        {"none: Type, the ports and the flag bits left out",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxProtocol+", "chk_Type+", "edt_Type=1", "cbxSourcePort+",
          "SourcePortEdit=80", "cbxDscp+", "DSCPEdit=10", "cbxRow+", "click:AddButton"},
         {"3.2.1.6.3.2=INTEGER:10 3.2.1.21.3.2=" + kNoPorts + " 3.2.1.22.3.2=INTEGER:4"}},
        {"protocol unticked: a ticked flag column travels whatever the combo says",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxFBs+", "FlagEdit=2", "cbxRow+", "click:AddButton"},
         {"3.2.1.12.3.2=INTEGER:2 3.2.1.21.3.2=" + kNoPorts + " 3.2.1.22.3.2=INTEGER:4"}},
        {"the rate and masks after Row Status, as the table orders them",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "cbxRxRate+", "RxRateEdit=100", "chk_maskvlan+",
          "edt_maskvlan=0FFF", "chk_maskSrcIP+", "edt_maskSrcIP=255.255.0.0", "click:AddButton"},
         {"3.2.1.21.3.2=" + kNoPorts +
          " 3.2.1.22.3.2=INTEGER:4 3.2.1.24.3.2=INTEGER:100 3.2.1.30.3.2=STRING:0F FF "
          "3.2.1.31.3.2=IpAddress:255.255.0.0"}},
        {"Delete: Row Status destroy alone, without asking",
         kAcl,
         {"row:0", "click:DeleteButton"},
         {"3.2.1.22.3.1=INTEGER:6"}},
        {"CPU filter: Row Status before the ports",
         kCpu,
         {"IPRuleEdit=1", "AccessIDEdit=1", "cbxRow+", "RowStatusComboBox=createAndGo", "click:AddButton"},
         {"5.2.1.16.1.1=INTEGER:4 5.2.1.17.1.1=" + kNoPorts}},
        {"CPU filter tcp: neither Type, Code, protocol ID nor user mask",
         kCpu,
         {"IPRuleEdit=1",
          "AccessIDEdit=1",
          "cbxProtocol+",
          "ProtocolComboBox=tcp",
          "cbxVlan+",
          "VLANEdit=v1",
          "cbxDscp+",
          "DSCPEdit=5",
          "cbxType+",
          "TypeEdit=8",
          "cbxCode+",
          "CodeEdit=0",
          "cbxSourcePort+",
          "SourcePortEdit=20",
          "cbxDestPort+",
          "DestPortEdit=21",
          "cbxFBs+",
          "FlagEdit=2",
          "cbxProtocolID+",
          "ProtocolIDEdit=6",
          "cbxUserMask+",
          "UserMaskEdit=000000ff",
          "cbxPermit+",
          "cbxRow+",
          "RowStatusComboBox=createAndGo",
          "click:AddButton"},
         {"5.2.1.3.1.1=STRING:v1 5.2.1.6.1.1=INTEGER:5 5.2.1.10.1.1=INTEGER:20 5.2.1.11.1.1=INTEGER:21 "
          "5.2.1.12.1.1=INTEGER:2 5.2.1.15.1.1=INTEGER:1 5.2.1.16.1.1=INTEGER:4 5.2.1.17.1.1=" +
          kNoPorts}},
        {"CPU filter Edit: the ticked DSCP and the row's ports",
         kCpu,
         {"row:0", "cbxDscp+", "DSCPEdit=7", "click:EditButton"},
         {"5.2.1.6.2.1=INTEGER:7 5.2.1.17.2.1=STRING:FF FF FF F0 00 00 00 00"}},
        {"CPU filter Edit with destroy ticked: Row Status alone",
         kCpu,
         {"row:0", "cbxRow+", "RowStatusComboBox=destroy", "click:EditButton"},
         {"5.2.1.16.2.1=INTEGER:6"}},
        {"CPU filter Delete asks first",
         kCpu,
         {"row:0", "click:DeleteButton"},
         {"5.2.1.16.2.1=INTEGER:6"},
         One("Are you sure to delete it?")},
        {"CPU filter Delete cancelled",
         kCpu,
         {"row:0", "answer:cancel", "click:DeleteButton"},
         {},
         One("Are you sure to delete it?")},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, IPRuleRefusalsSendNothing) {
    const RuleScenario scenarios[] = {
        {"a source address of three groups",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "cbxSourceIP+", "SourceIPEdit=1.2.3",
          "click:AddButton"},
         {},
         One("Please input a valid ip"),
         "SourceIPEdit"},
        {"a ticked empty Type is no silent 0",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "chk_Type+", "click:AddButton"},
         {},
         One("Some checked field is empty"),
         "edt_Type"},
        {"a ticked DSCP state without a choice keeps the focus where it is",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "chkEnableReplaceDscp+", "cbbEnableReplaceDscp#-1",
          "click:AddButton"},
         {},
         One("Some checked field is empty"),
         "ListView1"}, // where it was
        {"a receive rate of 156250",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=2", "cbxRow+", "cbxRxRate+", "RxRateEdit=156250", "click:AddButton"},
         {},
         One("RX Rate should between 0-156249"),
         "RxRateEdit"},
        {"a listed pair",
         kAcl,
         {"IPRuleEdit=3", "AccessIDEdit=1", "cbxRow+", "click:AddButton"},
         {},
         One("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."),
         "IPRuleEdit"},
        {"no Access ID",
         kAcl,
         {"IPRuleEdit=3", "click:AddButton"},
         {},
         One("IP Rule Access ID must be set."),
         "AccessIDEdit"},
        {"CPU filter: a user mask of seven digits",
         kCpu,
         {"IPRuleEdit=1", "AccessIDEdit=1", "cbxUserMask+", "UserMaskEdit=FFFFFFF", "click:AddButton"},
         {},
         One("Invalid User Mask"),
         "UserMaskEdit"},
        {"CPU filter: a source address part above 255",
         kCpu,
         {"IPRuleEdit=1", "AccessIDEdit=1", "cbxSourceIP+", "SourceIPEdit=1.1.1.300", "click:AddButton"},
         {},
         One("Please input a valid IP."),
         "SourceIPEdit"},
        {"CPU filter: a ticked empty source address",
         kCpu,
         {"IPRuleEdit=1", "AccessIDEdit=1", "cbxSourceIP+", "click:AddButton"},
         {},
         One("Some checked field is empty"),
         "SourceIPEdit"},
        {"CPU filter: Row Status not ticked",
         kCpu,
         {"IPRuleEdit=1", "AccessIDEdit=1", "RowStatusComboBox=createAndGo", "click:AddButton"},
         {},
         One("Row State must be checked and set to createAndGo."),
         "RowStatusComboBox"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, IPRulePriorityDependencyAndStickyBoxes) {
    Open(kAcl);
    auto* rule = static_cast<TIPRuleForm*>(dialog);
    Step("EnablePriorityComboBox=disabled");
    rule->EnablePriorityComboBoxChange();
    EXPECT_FALSE(Edit("PriorityEdit")->Enabled());
    EXPECT_FALSE(Combo("ReplaceComboBox")->Enabled());
    EXPECT_FALSE(Box("cbxPriority")->Enabled());
    Button("CheckButton")->Click();
    EXPECT_TRUE(Box("cbxVlan")->Checked());
    EXPECT_FALSE(Box("cbxPriority")->Checked());
    EXPECT_FALSE(Box("cbxReplacePriority")->Checked());
    Button("UncheckButton")->Click();
    Step("EnablePriorityComboBox=enabled");
    rule->EnablePriorityComboBoxChange();
    EXPECT_TRUE(Box("cbxPriority")->Enabled());
    for (const char* step :
         {"IPRuleEdit=3", "AccessIDEdit=4", "cbxRow+", "chk_Type+", "edt_Type=0", "chk_Code+", "edt_Code=0",
          "cbxProtocol+", "ProtocolComboBox=icmp", "click:AddButton"}) {
        Step(step);
    }
    EXPECT_EQ(Sets(kAclTables).size(), 1U);
    EXPECT_TRUE(Box("chk_Type")->Checked());
    EXPECT_TRUE(Box("chk_Code")->Checked());
    EXPECT_FALSE(Box("cbxRow")->Checked());
    EXPECT_EQ(Combo("ProtocolComboBox")->Text(), QStringLiteral("icmp")); // selections kept
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

// Closing while a walk runs: the close waits for the request (the agent answers slowly) and
// nothing is used after it is freed.
TEST_F(RuleEditorTest, ClosingDuringAWalkIsSafe) {
    ASSERT_TRUE(StartSim({"--delay", "300"})) << sim->lastError();
    dialog = Factories()["TIPRuleForm"]();
    dialog->Show();
    QTest::qWait(50);
    ASSERT_TRUE(dialog->Request->Busy); // the asynchronous walk is under way
    dialog->Close();
    EXPECT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
    CloseDialog();

    dialog = Factories()["TEthernetMaskInformationForm"]();
    dialog->Show();
    QTimer::singleShot(100, dialog, [this] { dialog->Close(); });
    Button("BT_Get")->Click(); // a blocking walk; the close comes while it processes messages
    EXPECT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
