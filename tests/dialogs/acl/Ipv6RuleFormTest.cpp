// The ACL IPv6 rule dialog against krs-sim: the exact SETs of Add and Delete, its own checks,
// the walk-complete flag that refuses operations while a walk or a write is under way, the
// awaited write that Stop and Close end safely, and its Check All and dependency rules.
#include "Ipv6RuleForm.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "RuleEditorFixture.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const char* const kRule = "TIpv6RuleForm";
const std::string kNew =
    "3.4.1.10.9.1=INTEGER:2 3.4.1.11.9.1=STRING:40 00 00 00 00 00 00 00 3.4.1.12.9.1=INTEGER:4";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

std::vector<std::string> NewRule(std::vector<std::string> more = {}) {
    std::vector<std::string> steps = {"edtRuleID=9", "edtRuleAccessID=1", "cbxPermit+", "cbxRow+", "port:2"};
    steps.insert(steps.end(), more.begin(), more.end());
    steps.push_back("click:AddButton");
    return steps;
}

class Ipv6RuleFormTest : public RuleEditorTest {
public:
    TIpv6RuleForm* Form() const { return static_cast<TIpv6RuleForm*>(dialog); }
    // Opens the dialog without waiting for its first walk.
    void OpenNow(std::vector<std::string> args) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = Factories()[kRule]();
        dialog->Show();
        Mark();
    }
    // The keys, a ticked Permit and createAndGo, port 2.
    void Fill() {
        for (const char* s : {"edtRuleID=9", "edtRuleAccessID=1", "cbxPermit+", "cbxRow+", "port:2"}) {
            Step(s);
        }
    }
    void Choose(const char* combo, const char* text) {
        TComboBox* c = Combo(combo);
        c->SetText(QString::fromLatin1(text));
        c->OnChange(c);
    }
};

TEST_F(Ipv6RuleFormTest, ListsTheRulesAndShowsTheSelectedOne) {
    Open(kRule);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->ListView1->ColumnCount(), 19);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(16), QStringLiteral("Mask Sourec IPv6 Address"));
    EXPECT_TRUE(Form()->WalkComplete());
    EXPECT_EQ(Combo("RowComboBox")->Text(), QStringLiteral("createAndGo"));
    EXPECT_EQ(Combo("RuleProtoCombox")->Text(), QStringLiteral("tcp"));
    EXPECT_FALSE(Edit("PriorityEdit")->Enabled()) << "Enable Priority reads disabled";
    Step("row:0");
    EXPECT_EQ(Edit("edtRuleID")->Text(), QStringLiteral("3"));
    EXPECT_FALSE(Edit("edtRuleAccessID")->Enabled());
    EXPECT_EQ(Edit("edtRuleSrcIpv6addr")->Text(), QStringLiteral("20010DB8000000000000000000000001"));
    EXPECT_EQ(Edit("DesPortEdit")->Text(), QStringLiteral("443"));
    EXPECT_TRUE(Edit("PriorityEdit")->Enabled()) << "the row's Enable Priority reads enabled";
    EXPECT_TRUE(Button("DeleteButton")->Enabled());
    EXPECT_FALSE(Button("EditButton")->Visible());
    Screenshot(dialog, "Ipv6RuleForm");
}

TEST_F(Ipv6RuleFormTest, WritesSendExactlyTheirColumnsAndRefusalsNothing) {
    const RuleScenario scenarios[] = {
        {"Add: Permit, the ports and createAndGo", kRule, NewRule(), {kNew}},
        {"Enable Priority ticked but disabled: neither Priority nor Replace Priority",
         kRule,
         NewRule({"cbxEnablePriority+", "PriorityEdit=5", "cbxPriority+", "cbxReplacePriority+"}),
         {"3.4.1.7.9.1=INTEGER:2 " + kNew}},
        {"flow label in mixed case, source address and a port mask",
         kRule,
         NewRule({"cbxRuleFlowlabel+", "edtRuleFlowlabel=000abcDE", "cbxRuleSrcIpv6addr+",
                  "edtRuleSrcIpv6addr=20010DB8000000000000000000000009", "chk_MaskSrcPort+",
                  "edt_MaskSrcPort=FF00"}),
         {"3.4.1.4.9.1=STRING:00 0A BC DE 3.4.1.5.9.1=STRING:20 01 0D B8 00 00 00 00 00 00 00 00 00 00 00 "
          "09 " +
          kNew + " 3.4.1.25.9.1=STRING:FF 00"}},
        {"Delete: Row Status destroy alone",
         kRule,
         {"row:1", "click:DeleteButton"},
         {"3.4.1.12.3.2=INTEGER:6"}},
        {"no Rule ID", kRule, {"click:AddButton"}, {}, One("Rule ID must be set."), "edtRuleID"},
        {"a flow label of 7 digits",
         kRule,
         NewRule({"cbxRuleFlowlabel+", "edtRuleFlowlabel=000ABCD"}),
         {},
         One("Invalid data!"),
         "edtRuleFlowlabel"},
        {"a flow label with a letter beyond F",
         kRule,
         NewRule({"cbxRuleFlowlabel+", "edtRuleFlowlabel=000ABCDG"}),
         {},
         One("Invalid data!"),
         "edtRuleFlowlabel"},
        {"a source address of 31 digits",
         kRule,
         NewRule({"cbxRuleSrcIpv6addr+", "edtRuleSrcIpv6addr=20010DB800000000000000000000000"}),
         {},
         One("Invalid Ipv6 Address value"),
         "edtRuleSrcIpv6addr"},
        {"a ticked Class left empty",
         kRule,
         NewRule({"cbxRuleClass+"}),
         {},
         One("Some checked field is empty"),
         "edtRuleClass"},
        {"a listed key pair, before the Permit test",
         kRule,
         {"edtRuleID=3", "edtRuleAccessID=1", "cbxRow+", "port:2", "click:AddButton"},
         {},
         One("Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."),
         "edtRuleID"},
        {"Permit unticked",
         kRule,
         {"edtRuleID=9", "edtRuleAccessID=1", "cbxRow+", "port:2", "click:AddButton"},
         {},
         One("Permit option must be checked."),
         "PermitComboBox"},
        {"Row Status unticked",
         kRule,
         {"edtRuleID=9", "edtRuleAccessID=1", "cbxPermit+", "port:2", "click:AddButton"},
         {},
         One("Row State must be checked and set to createAndGo."),
         "RowComboBox"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(Ipv6RuleFormTest, AfterAnAddTheEditorsKeepWhatWasSent) {
    Open(kRule);
    for (const std::string& s : NewRule({"cbxRuleClass+", "edtRuleClass=7"})) {
        Step(s);
    }
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
    EXPECT_EQ(Edit("edtRuleID")->Text(), QStringLiteral("9"));
    EXPECT_EQ(Edit("edtRuleClass")->Text(), QStringLiteral("7"));
    EXPECT_TRUE(Form()->WalkComplete());
}

TEST_F(Ipv6RuleFormTest, OperationsWaitForTheFirstWalkUntilStopped) {
    OpenNow({"--delay", "200"});
    ASSERT_FALSE(Form()->WalkComplete());
    Fill();
    Button("AddButton")->Click();
    Button("GetButton")->Click();
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Get data not complete!")));
    Button("StopButton")->Click();
    EXPECT_TRUE(Form()->WalkComplete());
    messages.boxes.clear();
    Button("AddButton")->Click(); // waits for the reply, then reads again
    EXPECT_FALSE(Form()->Waiting());
    Settle();
    EXPECT_EQ(Sets(kAclTables), std::vector<std::string>{kNew});
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
    EXPECT_TRUE(Form()->WalkComplete());
}

// A refused write is shown in the framework's box; the list is read again without the row.
TEST_F(Ipv6RuleFormTest, ARefusedAddIsShown) {
    ASSERT_TRUE(StartSim({"--set-error", kAclTables + "3.4.1.12=noCreation"})) << sim->lastError();
    Open(kRule);
    for (const std::string& s : NewRule()) {
        Step(s);
    }
    Settle();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_FALSE(messages.Texts()[0].isEmpty());
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_TRUE(Form()->WalkComplete());
}

TEST_F(Ipv6RuleFormTest, StopEndsTheWaitAndLeavesTheDialogUsable) {
    OpenNow({"--delay", "400"});
    Button("StopButton")->Click();
    Fill();
    bool waited = false;
    QTimer::singleShot(100, [&] {
        waited = Form()->Waiting();
        Button("DeleteButton")->Click(); // refused while the write waits
        Button("StopButton")->Click();
    });
    Button("AddButton")->Click();
    EXPECT_TRUE(waited);
    EXPECT_FALSE(Form()->Waiting());
    EXPECT_TRUE(Form()->WalkComplete());
    QTest::qWait(600); // the late reply reaches the hook, which only raises the flag again
    EXPECT_TRUE(Form()->WalkComplete());
    Button("GetButton")->Click();
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
}

TEST_F(Ipv6RuleFormTest, ClosingDuringTheAwaitedWriteIsSafe) {
    OpenNow({"--delay", "300"});
    Button("StopButton")->Click();
    Fill();
    QTimer::singleShot(80, [this] { dialog->Close(); });
    Button("AddButton")->Click();
    EXPECT_FALSE(Form()->Waiting());
    ASSERT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
    EXPECT_TRUE(dialog->RequestsEnded());
    CloseDialog();
    QTest::qWait(500); // the late reply reaches nobody
}

TEST_F(Ipv6RuleFormTest, CheckAllAndTheDependencyRules) {
    Open(kRule);
    Button("CheckButton")->Click();
    for (const char* box : {"cbxRuleClass", "cbxRuleFlowlabel", "cbxRuleSrcIpv6addr", "cbxEnablePriority",
                            "chk_MaskSrcIp", "chk_MaskSrcPort", "chk_MaskDstPort", "cbxPermit", "cbxRow"}) {
        EXPECT_TRUE(Box(box)->Checked()) << box;
    }
    for (const char* box : {"cbxPriority", "cbxReplacePriority", "cbxEnableReplaceDSCP", "cbxEnableDSCPValue",
                            "RuleProtoChx", "SrcPortChx"}) {
        EXPECT_FALSE(Box(box)->Checked()) << box;
    }
    Choose("EnableReplaceDSCPComboBox", "enabled");
    Choose("PriorityComboBox", "enabled");
    Button("CheckButton")->Click();
    EXPECT_TRUE(Box("cbxEnableDSCPValue")->Checked());
    EXPECT_TRUE(Box("cbxPriority")->Checked());
    Choose("PriorityComboBox", "disabled");
    EXPECT_FALSE(Box("cbxPriority")->Checked());
    EXPECT_FALSE(Box("cbxPriority")->Enabled());
    Choose("EnableReplaceDSCPComboBox", "disabled");
    EXPECT_FALSE(Box("cbxEnableDSCPValue")->Enabled());
    EXPECT_FALSE(Edit("DSCPEdit")->Enabled());
    Step("SrcPortChx+");
    Choose("RuleProtoCombox", "none");
    EXPECT_FALSE(Box("SrcPortChx")->Checked());
    EXPECT_FALSE(Box("SrcPortChx")->Enabled());
    EXPECT_FALSE(Edit("DesPortEdit")->Enabled());
    Button("UncheckButton")->Click();
    EXPECT_FALSE(Box("cbxRow")->Checked());
}

} // namespace
} // namespace qs::test
