// The Ethernet rule dialogs of the access lists and of the CPU interface filter against krs-sim:
// a column is written only when its include box is ticked, the port list always; the rule Edit
// of the CPU filter; the checks that refuse and send nothing.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "RuleEditorFixture.h"

namespace qs::test {
namespace {

const char* const kAcl = "TEthernetInformationRuleForm";
const char* const kCpu = "TCPUEthernetInformationRuleForm";
const char* const kNoPorts = "STRING:00 00 00 00 00 00 00 00";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

TEST_F(RuleEditorTest, EthernetRulesListTheirRowsAndShowARowInTheEditors) {
    Open(kAcl);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(13), QStringLiteral("Rule Port"));
    EXPECT_EQ(Combo("PermitComboBox")->Text(), QStringLiteral("permit"));
    EXPECT_EQ(Combo("RowComboBox")->Text(), QStringLiteral("createAndGo"));
    EXPECT_EQ(Combo("EnablePriorityComboBox")->ItemIndex(), -1);
    EXPECT_FALSE(Button("EditButton")->Visible());
    Step("row:0");
    EXPECT_EQ(Edit("MaskIDEdit")->Text(), QStringLiteral("1"));
    EXPECT_EQ(Edit("AccessEdit")->Text(), QStringLiteral("1"));
    EXPECT_FALSE(Edit("AccessEdit")->Enabled());
    EXPECT_EQ(Edit("SourceMACEdit")->Text(), QStringLiteral("001122334455"));
    EXPECT_TRUE(dialog->Ports.Ticked(1));
    EXPECT_TRUE(dialog->Ports.Ticked(28));
    EXPECT_FALSE(dialog->Ports.Ticked(3));
    Screenshot(dialog, "EthernetInformationRuleForm");
    CloseDialog();

    Open(kCpu);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_TRUE(Button("EditButton")->Visible());
    Step("row:0");
    EXPECT_TRUE(dialog->Ports.Ticked(25));
    Screenshot(dialog, "CPUEthernetInformationRuleForm");
}

TEST_F(RuleEditorTest, EthernetRuleWritesSendTheTickedColumnsAndThePorts) {
    const RuleScenario scenarios[] = {
        {"only Row Status ticked: the port list and createAndGo",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=7", "cbxRow+", "click:AddButton"},
         {"3.1.1.14.2.7=" + std::string(kNoPorts) + " 3.1.1.15.2.7=INTEGER:4"}},
        {"ticked columns in table order, ports, the hyphen MAC mask as six octets",
         kAcl,
         {"MaskIDEdit=2",
          "AccessEdit=8",
          "cbxVlan+",
          "VlanRuleEdit=v30",
          "cbxSource+",
          "SourceMACEdit=0011223344aa",
          "DestMACEdit=not sent",
          "cbxEtherType+",
          "EthTypeEdit=0800",
          "cbxPermit+",
          "cbxRow+",
          "cbxRxRate+",
          "RxRateEdit=156249",
          "chk_MaskSrcMac+",
          "edt_MaskSrcMac=00-1A-2B-3C-4D-5E",
          "chk_MaskDstMac+",
          "edt_MaskDstMac=FF-FF-FF-00-00-00",
          "port:1",
          "port:28",
          "click:AddButton"},
         {"3.1.1.3.2.8=STRING:v30 3.1.1.4.2.8=STRING:00 11 22 33 44 AA 3.1.1.7.2.8=STRING:08 00 "
          "3.1.1.13.2.8=INTEGER:2 3.1.1.14.2.8=STRING:80 00 00 10 00 00 00 00 3.1.1.15.2.8=INTEGER:4 "
          "3.1.1.17.2.8=INTEGER:156249 3.1.1.23.2.8=STRING:00 1A 2B 3C 4D 5E "
          "3.1.1.24.2.8=STRING:FF FF FF 00 00 00"}},
        {"MAC addresses with colons or hyphens, sent as six octets",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=8", "cbxSource+", "SourceMACEdit=00:11:22:33:44:aa", "cbxDestination+",
          "DestMACEdit=00-1A-2B-3C-4D-5E", "cbxRow+", "click:AddButton"},
         {"3.1.1.4.2.8=STRING:00 11 22 33 44 AA 3.1.1.5.2.8=STRING:00 1A 2B 3C 4D 5E 3.1.1.14.2.8=" +
          std::string(kNoPorts) + " 3.1.1.15.2.8=INTEGER:4"}},
        {"Delete: Row Status destroy alone, without asking",
         kAcl,
         {"row:1", "click:DeleteButton"},
         {"3.1.1.15.1.2=INTEGER:6"}},
        {"CPU filter Add: Row Status before the ports, as the table orders them",
         kCpu,
         {"MaskIDEdit=2", "AccessEdit=3", "cbxRow+", "click:AddButton"},
         {"5.1.1.9.2.3=INTEGER:4 5.1.1.10.2.3=" + std::string(kNoPorts)}},
        {"CPU filter Edit: the ticked Permit and the row's ports",
         kCpu,
         {"row:0", "cbxPermit+", "PermitComboBox=deny", "click:EditButton"},
         {"5.1.1.8.1.1=INTEGER:1 5.1.1.10.1.1=STRING:00 00 00 F0 00 00 00 00"}},
        {"CPU filter Edit with destroy ticked: Row Status alone",
         kCpu,
         {"row:0", "cbxVlan+", "cbxRow+", "RowComboBox=destroy", "click:EditButton"},
         {"5.1.1.9.1.1=INTEGER:6"}},
        {"CPU filter Delete, then the combo keeps destroy",
         kCpu,
         {"row:0", "click:DeleteButton", "MaskIDEdit=3", "AccessEdit=1", "cbxRow+", "click:AddButton"},
         {"5.1.1.9.1.1=INTEGER:6"},
         One("Row State must be checked and set to createAndGo."),
         "RowComboBox"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, EthernetRuleRefusalsSendNothing) {
    const RuleScenario scenarios[] = {
        {"createAndGo chosen but its box unticked",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=9", "click:AddButton"},
         {},
         One("Row State must be checked and set to createAndGo."),
         "RowComboBox"},
        {"a listed pair",
         kAcl,
         {"MaskIDEdit=1", "AccessEdit=2", "cbxRow+", "click:AddButton"},
         {},
         One("Has already a record with the same Mask ID and Access ID. Please change eithor of them."),
         "MaskIDEdit"},
        {"no Access ID",
         kAcl,
         {"MaskIDEdit=1", "click:AddButton"},
         {},
         One("Access ID must be set."),
         "AccessEdit"},
        {"a ticked DSCP state without a choice",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=9", "cbxRow+", "cbxEnableReplaceDscp+", "click:AddButton"},
         {},
         One("Some check field is empty"),
         "cbbEnableReplaceDscp"},
        {"three hex digits of Ethernet type",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=9", "cbxRow+", "cbxEtherType+", "EthTypeEdit=080", "click:AddButton"},
         {},
         One("Invalid Ethernet Type"),
         "EthTypeEdit"},
        {"a receive rate of 156250",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=9", "cbxRow+", "cbxRxRate+", "RxRateEdit=156250", "click:AddButton"},
         {},
         One("Rx Rate should between 0-156249"),
         "RxRateEdit"},
        {"a priority of 8",
         kAcl,
         {"MaskIDEdit=2", "AccessEdit=9", "cbxRow+", "cbxPriority+", "PriorityEdit=8", "click:AddButton"},
         {},
         One("Priority value should between 0-7"),
         "PriorityEdit"},
        {"CPU filter: a ticked empty 802.1p",
         kCpu,
         {"MaskIDEdit=2", "AccessEdit=2", "cbxRow+", "cbxIEEE802dot1P+", "click:AddButton"},
         {},
         One("Some check field is empty"),
         "IEEE8021pEdit"},
        {"CPU filter: pairs joined by two kinds of separator",
         kCpu,
         {"MaskIDEdit=2", "AccessEdit=2", "cbxRow+", "cbxDestination+", "DestMACEdit=00:11-22:33:44:55",
          "click:AddButton"},
         {},
         One("Invalid MAC Address"),
         "DestMACEdit"},
        {"CPU filter: a G among twelve MAC characters",
         kCpu,
         {"MaskIDEdit=2", "AccessEdit=2", "cbxRow+", "cbxSource+", "SourceMACEdit=00112233445G",
          "click:AddButton"},
         {},
         One("Invalid MAC Address"),
         "SourceMACEdit"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, EthernetRuleResetKeepsOnlyTheMaskBoxesAndClearsTheCombos) {
    Open(kAcl);
    for (const char* step : {"MaskIDEdit=3", "AccessEdit=1", "cbxRow+", "cbxVlan+", "VlanRuleEdit=x",
                             "chk_MaskVlan+", "edt_MaskVlan=0FFF", "click:AddButton"}) {
        Step(step);
    }
    EXPECT_EQ(Sets(kAclTables).size(), 1U);
    EXPECT_FALSE(Box("cbxRow")->Checked());
    EXPECT_FALSE(Box("cbxVlan")->Checked());
    EXPECT_TRUE(Box("chk_MaskVlan")->Checked());
    EXPECT_EQ(Combo("RowComboBox")->ItemIndex(), -1);
    EXPECT_EQ(Edit("MaskIDEdit")->Text(), QString());
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
    Button("AddCheckButton")->Click();
    EXPECT_TRUE(Box("cbxPermit")->Checked());
    EXPECT_FALSE(dialog->Ports.Ticked(1)); // the port boxes are no include boxes
    Button("btnClearChecks")->Click();
    EXPECT_FALSE(Box("chk_MaskVlan")->Checked());
}

} // namespace
} // namespace qs::test
