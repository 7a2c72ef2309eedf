// The Ethernet mask dialogs of the access lists and of the CPU interface filter against krs-sim:
// the exact SETs of Add and Delete, the MAC mask state that decides which MAC masks are tested
// and written, and the refusals that send nothing.
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "EthernetMaskInformationForm.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "RuleEditorFixture.h"
#include "StaticText.h"

#include <QTimer>

namespace qs::test {
namespace {

const char* const kAcl = "TEthernetMaskInformationForm";
const char* const kCpu = "TCPUEthernetInformationForm";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

TEST_F(RuleEditorTest, EthernetMasksListTheirRowsAndOpenAsTheirPartsSay) {
    Open(kAcl);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(0), QStringLiteral("Profile ID "));
    EXPECT_EQ(dialog->ListView1->ColumnCaption(7), QStringLiteral("VLAN Mask"));
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(1), QStringLiteral("dst-src-mac-addr"));
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(6), QStringLiteral("0FFF"));
    EXPECT_EQ(dialog->Count()->Caption(), QStringLiteral("2"));
    EXPECT_EQ(Combo("RowStatusComBo")->Text(), QStringLiteral("active"));
    EXPECT_EQ(Combo("MacMaskStateComBo")->Text(), QStringLiteral("other"));
    EXPECT_FALSE(Button("SetBtn")->Visible());
    EXPECT_FALSE(Button("BT_Delete")->Enabled());
    Step("row:0");
    EXPECT_EQ(Edit("IDEdit")->Text(), QStringLiteral("1"));
    EXPECT_FALSE(Edit("IDEdit")->Enabled());
    EXPECT_EQ(Edit("MacMaskDstEdit")->Text(), QStringLiteral("FFFFFFFFFFFF"));
    EXPECT_TRUE(Button("BT_Delete")->Enabled());
    EXPECT_FALSE(Button("AddBtn")->Enabled());
    Screenshot(dialog, "EthernetMaskInformationForm");
    CloseDialog();

    Open(kCpu);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(Combo("RowStatusComBo")->Text(), QStringLiteral("createAndGo"));
    EXPECT_EQ(Button("Button1"), nullptr); // no Stop
    Step("row:0");
    Screenshot(dialog, "CPUEthernetInformationForm");
}

TEST_F(RuleEditorTest, EthernetMaskWritesSendExactlyTheirColumns) {
    const RuleScenario scenarios[] = {
        {"state other: neither MAC mask, whatever the edits hold; no empty VLAN mask",
         kAcl,
         {"IDEdit=5", "RowStatusComBo#1", "MacAddMaskSourceEdit=zz", "MacMaskDstEdit=00112233445G",
          "click:AddBtn"},
         {"2.1.1.2.5=INTEGER:1 2.1.1.6.5=INTEGER:1 2.1.1.7.5=INTEGER:1 2.1.1.8.5=INTEGER:4"}},
        {"dst-mac-addr: the destination alone, the VLAN mask before Row Status",
         kAcl,
         {"IDEdit=6", "RowStatusComBo#1", "MacMaskStateComBo=dst-mac-addr", "UseVLanComBo=disabled",
          "MacAddMaskSourceEdit=nonsense", "MacMaskDstEdit=00112233aaBB", "edt_vlanmask=0FFF",
          "click:AddBtn"},
         {"2.1.1.2.6=INTEGER:2 2.1.1.3.6=INTEGER:2 2.1.1.5.6=STRING:00 11 22 33 AA BB 2.1.1.6.6=INTEGER:1 "
          "2.1.1.7.6=INTEGER:1 2.1.1.12.6=STRING:0F FF 2.1.1.8.6=INTEGER:4"}},
        {"dst-src-mac-addr with an empty source: the destination alone",
         kAcl,
         {"IDEdit=7", "RowStatusComBo#1", "MacMaskStateComBo=dst-src-mac-addr", "MacMaskDstEdit=FFFFFF000000",
          "click:AddBtn"},
         {"2.1.1.2.7=INTEGER:1 2.1.1.3.7=INTEGER:4 2.1.1.5.7=STRING:FF FF FF 00 00 00 2.1.1.6.7=INTEGER:1 "
          "2.1.1.7.7=INTEGER:1 2.1.1.8.7=INTEGER:4"}},
        {"Delete: Row Status destroy for the selected profile, without asking",
         kAcl,
         {"row:1", "click:BT_Delete"},
         {"2.1.1.8.2=INTEGER:6"}},
        {"CPU filter: the form opens at createAndGo, src-mac-addr sends the source",
         kCpu,
         {"IDEdit=2", "MacMaskStateComBo=src-mac-addr", "MacAddMaskSourceEdit=0000FFFFFFFF",
          "MacMaskDstEdit=bad", "click:AddBtn"},
         {"4.1.1.2.2=INTEGER:1 4.1.1.3.2=INTEGER:3 4.1.1.4.2=STRING:00 00 FF FF FF FF 4.1.1.6.2=INTEGER:1 "
          "4.1.1.7.2=INTEGER:1 4.1.1.8.2=INTEGER:4"}},
        {"CPU filter Delete, then Add refused: the combo keeps destroy",
         kCpu,
         {"row:0", "click:BT_Delete", "IDEdit=3", "click:AddBtn"},
         {"4.1.1.8.1=INTEGER:6"},
         One("Row Status must be createAndGo."),
         "RowStatusComBo"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, EthernetMaskRefusalsSendNothing) {
    const RuleScenario scenarios[] = {
        {"a listed profile, before Row Status is looked at",
         kAcl,
         {"IDEdit=1", "click:AddBtn"},
         {},
         One("There is already a record with the same Ethernet Mask ID. Please modified it."),
         "IDEdit"},
        {"exact text: 01 is not the listed 1, so Row Status refuses",
         kAcl,
         {"IDEdit=01", "click:AddBtn"},
         {},
         One("Row Status must be createAndGo."),
         "RowStatusComBo"},
        {"no Profile ID",
         kAcl,
         {"RowStatusComBo#1", "click:AddBtn"},
         {},
         One("Mask ID must be set"),
         "IDEdit"},
        {"eleven hex digits and a G",
         kAcl,
         {"IDEdit=9", "RowStatusComBo#1", "MacMaskStateComBo=dst-mac-addr", "MacMaskDstEdit=00112233445G",
          "click:AddBtn"},
         {},
         One("Invalid MAC Address"),
         "MacMaskDstEdit"},
        {"the hyphen and colon forms, sent as six octets",
         kAcl,
         {"IDEdit=9", "RowStatusComBo#1", "MacMaskStateComBo=dst-src-mac-addr",
          "MacMaskDstEdit=00:11:22:33:44:55", "MacAddMaskSourceEdit=00-11-22-33-44-55", "click:AddBtn"},
         {"2.1.1.2.9=INTEGER:1 2.1.1.3.9=INTEGER:4 2.1.1.4.9=STRING:00 11 22 33 44 55 "
          "2.1.1.5.9=STRING:00 11 22 33 44 55 2.1.1.6.9=INTEGER:1 2.1.1.7.9=INTEGER:1 2.1.1.8.9=INTEGER:4"},
         {},
         "ListView1"},
        {"five pairs",
         kAcl,
         {"IDEdit=9", "RowStatusComBo#1", "MacMaskStateComBo=src-mac-addr",
          "MacAddMaskSourceEdit=00-11-22-33-44", "click:AddBtn"},
         {},
         One("Invalid MAC Address"),
         "MacAddMaskSourceEdit"},
        {"CPU filter: a listed profile",
         kCpu,
         {"IDEdit=1", "click:AddBtn"},
         {},
         One("There is already a record with the same Ethernet Mask ID. Please modified it."),
         "IDEdit"},
        {"CPU filter: no Profile ID", kCpu, {"click:AddBtn"}, {}, One("Mask ID must be set"), "IDEdit"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, EthernetMaskStopEmptiesTheNextReadUntilAnAddSetsTheFlagAgain) {
    Open(kAcl);
    Button("Button1")->Click();
    Step("click:BT_Get");
    EXPECT_EQ(dialog->ListView1->ItemCount(), 0);
    EXPECT_EQ(dialog->Count()->Caption(), QStringLiteral("0"));
    Step("IDEdit=8");
    Step("RowStatusComBo#1");
    Step("click:AddBtn");
    EXPECT_EQ(Sets(kAclTables), std::vector<std::string>{"2.1.1.2.8=INTEGER:1 2.1.1.6.8=INTEGER:1 "
                                                         "2.1.1.7.8=INTEGER:1 2.1.1.8.8=INTEGER:4"});
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
    EXPECT_EQ(Edit("IDEdit")->Text(), QString());
}

TEST_F(RuleEditorTest, EthernetMaskRefusedSetIsShownAndTheTableReadAgain) {
    ASSERT_TRUE(StartSim({"--set-error", ".1.3.6.1.4.1.58613.12.9.2.1.1.8=noCreation"})) << sim->lastError();
    Open(kAcl);
    Step("IDEdit=4");
    Step("RowStatusComBo#1");
    Step("click:AddBtn");
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_FALSE(messages.Texts().front().isEmpty());
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_TRUE(Button("AddBtn")->Enabled());
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

// A click on Add while a blocking walk processes messages: the Ethernet masks refuse with their
// own text, the other blocking editors ignore it; neither sends anything.
TEST_F(RuleEditorTest, AddDuringABlockingWalkSendsNothing) {
    struct Case {
        const char* dialog;
        std::vector<std::string> steps;
        const char* add;
        const char* refresh;
        QStringList messages;
    };
    const Case cases[] = {
        {"TEthernetMaskInformationForm",
         {"IDEdit=5", "RowStatusComBo#1"},
         "AddBtn",
         "BT_Get",
         {QStringLiteral("Get data not complet")}},
        {"TEthernetInformationRuleForm",
         {"MaskIDEdit=5", "AccessEdit=5", "cbxRow+"},
         "AddButton",
         "GetButton",
         {}},
    };
    ASSERT_TRUE(StartSim({"--delay", "200"})) << sim->lastError();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        Open(c.dialog);
        for (const std::string& s : c.steps) {
            Step(s);
        }
        QTimer::singleShot(100, dialog, [this, &c] { Button(c.add)->Click(); });
        Button(c.refresh)->Click();
        Settle();
        EXPECT_EQ(messages.Texts(), c.messages);
        EXPECT_TRUE(Sets(kAclTables).empty());
        CloseDialog();
    }
}

} // namespace
} // namespace qs::test
