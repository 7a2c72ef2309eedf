// The packet-content mask and rule dialogs of the CPU interface filter against krs-sim: the
// offset texts (empty, or up to 32 hex digits) with each range's own message, the port list
// written only when a port is ticked, and Row Status carried by a hidden combo in the mask.
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "RuleEditorFixture.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const char* const kMask = "TCPUUserMaskInfoForm";
const char* const kRule = "TCPUUserMaskRuleForm";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

TEST_F(RuleEditorTest, PacketContentDialogsListTheirRows) {
    Open(kMask);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(1), QStringLiteral("Offset Mask (0-15)"));
    EXPECT_FALSE(Combo("ComboBox1")->isVisible());
    EXPECT_FALSE(Button("OperButton")->Visible());
    Step("row:0");
    EXPECT_EQ(Edit("Edit5")->Text(), QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFF00000000"));
    EXPECT_EQ(Combo("ComboBox1")->Text(), QStringLiteral("active"));
    Screenshot(dialog, "CPUUserMaskInfoForm");
    CloseDialog();

    Open(kRule);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(Combo("StatusComboBox")->Text(), QStringLiteral("createAndGo"));
    Step("row:0");
    EXPECT_EQ(Edit("Edit1")->Text(), QStringLiteral("001A2B3C4D5E00000000000008000000"));
    EXPECT_TRUE(dialog->Ports.Ticked(28));
    Screenshot(dialog, "CPUUserMaskRuleForm");
}

TEST_F(RuleEditorTest, PacketContentWritesSendTheirColumns) {
    const RuleScenario scenarios[] = {
        {"mask Add with only a profile: Row Status alone",
         kMask,
         {"Edit1=2", "click:AddButton"},
         {"4.3.1.7.2=INTEGER:4"}},
        {"mask Add: the filled offsets in column order, an odd digit count as the framework converts it",
         kMask,
         {"Edit1=2", "Edit4=00ff00", "Edit5=FFFFffff", "click:AddButton"},
         {"4.3.1.2.2=STRING:FF FF FF FF 4.3.1.4.2=STRING:00 FF 00 4.3.1.7.2=INTEGER:4"}},
        {"mask Add after a row was selected still creates",
         kMask,
         {"row:0", "click:DeleteButton", "Edit1=1", "click:AddButton"},
         {"4.3.1.7.1=INTEGER:6", "4.3.1.7.1=INTEGER:4"}},
        {"rule Add without a port: Row Status alone",
         kRule,
         {"ProfileID_Edit=2", "AccessID_Edit=5", "StatusCBox+", "click:AddButton"},
         {"5.3.1.9.2.5=INTEGER:4"}},
        {"rule Add with a port, a ticked offset and Permit",
         kRule,
         {"ProfileID_Edit=2", "AccessID_Edit=5", "StatusCBox+", "CheckBox1+", "Edit1=0800", "Edit2=not sent",
          "PermitCBox+", "port:2", "click:AddButton"},
         {"5.3.1.3.2.5=STRING:08 00 5.3.1.8.2.5=INTEGER:2 5.3.1.9.2.5=INTEGER:4 "
          "5.3.1.10.2.5=STRING:40 00 00 00 00 00 00 00"}},
        {"rule Edit: the ticked offset and the row's ports",
         kRule,
         {"row:0", "CheckBox5+", "Edit5=ABCD", "click:OperButton"},
         {"5.3.1.7.1.1=STRING:AB CD 5.3.1.10.1.1=STRING:00 00 00 10 00 00 00 00"}},
        {"rule Edit with destroy ticked: Row Status alone",
         kRule,
         {"row:0", "StatusCBox+", "StatusComboBox=destroy", "click:OperButton"},
         {"5.3.1.9.1.1=INTEGER:6"}},
        {"rule Delete, then Add refused: the combo keeps destroy",
         kRule,
         {"row:0", "click:DeleteButton", "ProfileID_Edit=1", "AccessID_Edit=1", "StatusCBox+",
          "click:AddButton"},
         {"5.3.1.9.1.1=INTEGER:6"},
         One("Row State must be checked and set to createAndGo."),
         "StatusComboBox"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, PacketContentRefusalsSendNothing) {
    const RuleScenario scenarios[] = {
        {"mask without a profile",
         kMask,
         {"click:AddButton"},
         {},
         One("Payload Entry ID must be set."),
         "Edit1"},
        {"mask with a listed profile",
         kMask,
         {"Edit1=1", "click:AddButton"},
         {},
         One("Payload Entry ID must be different."),
         "Edit1"},
        {"mask: the first offset empty, the second with a G",
         kMask,
         {"Edit1=2", "Edit3=12G", "click:AddButton"},
         {},
         One("Filtered Port(s) [16 to 31] can not contain invalid character(s)."),
         "Edit3"},
        {"mask: 33 characters",
         kMask,
         {"Edit1=2", "Edit7=000000000000000000000000000000000", "click:AddButton"},
         {},
         One("Filtered Port(s) [64 to 79] can not contain invalid character(s)."),
         "Edit7"},
        {"rule without an Access ID: no focus moved",
         kRule,
         {"ProfileID_Edit=2", "click:AddButton"},
         {},
         One("Access ID must be set."),
         "ListView1"},
        {"rule with a listed pair",
         kRule,
         {"ProfileID_Edit=1", "AccessID_Edit=1", "StatusCBox+", "click:AddButton"},
         {},
         One("Has already a record with the same Profile Rule ID and Access ID. Please change eithor of "
             "them."),
         "ProfileID_Edit"},
        {"rule: a ticked offset with a hyphen",
         kRule,
         {"ProfileID_Edit=2", "AccessID_Edit=2", "StatusCBox+", "CheckBox4+", "Edit4=12-4",
          "click:AddButton"},
         {},
         One("Packet(s) Offset [48 to 63] can not contain invalid character(s)."),
         "Edit4"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, PacketContentRuleTickedEmptyOffsetIsRefusedByTheDeviceAndShown) {
    Open(kRule);
    for (const char* step :
         {"ProfileID_Edit=2", "AccessID_Edit=2", "StatusCBox+", "CheckBox2+", "click:AddButton"}) {
        Step(step);
    }
    ASSERT_EQ(messages.boxes.size(), 1); // the framework's report of the refused SET
    EXPECT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(dialog->Count()->Caption(), QStringLiteral("1"));
}

} // namespace
} // namespace qs::test
