// The ACL IPv6 mask dialog against krs-sim: what it lists, the columns the protocol and the mask
// state send with an Add, Delete, the refusals that send nothing, and the two enabling rules.
#include "Button.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv6MaskInfoForm.h"
#include "ListView.h"
#include "RuleEditorFixture.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const char* const kMask = "TIPv6MaskInfoForm";
const std::string kBase = "2.4.1.2.9=INTEGER:2 2.4.1.3.9=INTEGER:2 2.4.1.7.9=INTEGER:4";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

class Ipv6MaskFormTest : public RuleEditorTest {
public:
    void Choose(const char* combo, const char* text) {
        TComboBox* c = Combo(combo);
        c->SetText(QString::fromLatin1(text));
        c->OnChange(c);
    }
    bool Usable(const char* name) const {
        if (TEdit* e = Edit(name)) {
            return e->Enabled() && e->Color() == clWindow;
        }
        return Combo(name)->Enabled();
    }
};

TEST_F(Ipv6MaskFormTest, ListsTheMasksAndShowsTheSelectedOne) {
    Open(kMask);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->ListView1->ColumnCount(), 11);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(5), QStringLiteral("Row Status"));
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(2), QStringLiteral("src-ipv6-addr"));
    EXPECT_EQ(dialog->Count()->Caption(), QStringLiteral("2"));
    EXPECT_EQ(Combo("cbxMaskClass")->Text(), QStringLiteral("disable"));
    EXPECT_EQ(Combo("cbxStatus")->Text(), QStringLiteral("createAndGo"));
    EXPECT_FALSE(Combo("cbxStatus")->isVisible());
    EXPECT_FALSE(Button("EditButton")->Visible());
    EXPECT_FALSE(Usable("SourcePortEdit")) << "protocol none";
    Step("row:0");
    EXPECT_EQ(Edit("edtMaskID")->Text(), QStringLiteral("3"));
    EXPECT_FALSE(Edit("edtMaskID")->Enabled());
    EXPECT_FALSE(Edit("NameEdit")->Enabled());
    EXPECT_EQ(Edit("edtSrcMask")->Text(), QStringLiteral("FFFFFFFFFFFFFFFF0000000000000000"));
    EXPECT_EQ(Combo("ProtoTypeCombo")->Text(), QStringLiteral("tcp"));
    EXPECT_TRUE(Usable("SourcePortEdit"));
    EXPECT_TRUE(Usable("DstPortEdit"));
    EXPECT_FALSE(Usable("UDPOptionCombo"));
    EXPECT_TRUE(Button("DeleteButton")->Enabled());
    EXPECT_FALSE(Button("AddButton")->Enabled());
    Screenshot(dialog, "IPv6MaskInfoForm");
    dialog->ListView1->SetSelected(nullptr);
    dialog->ListView1->OnClick(dialog->ListView1);
    EXPECT_TRUE(Edit("NameEdit")->Enabled());
    EXPECT_EQ(Edit("edtMaskID")->Text(), QString());
}

TEST_F(Ipv6MaskFormTest, WritesSendTheColumnsTheProtocolAndStateKeep) {
    const RuleScenario scenarios[] = {
        {"protocol none: Class, Flow label and Row Status only, whatever the other editors hold",
         kMask,
         {"edtMaskID=9", "edtSrcMask=FFFF", "SourcePortEdit=FF00", "click:AddButton"},
         {kBase}},
        {"tcp with dst-addr: the protocol, the TCP option and the destination port mask",
         kMask,
         {"edtMaskID=9", "ProtoTypeCombo=tcp", "TCPOptionCombo=dst-addr", "SourcePortEdit=FF00",
          "DstPortEdit=00FF", "click:AddButton"},
         {kBase + " 2.4.1.11.9=INTEGER:2 2.4.1.12.9=INTEGER:2 2.4.1.15.9=STRING:00 FF"}},
        {"tcp with option other still sends the option",
         kMask,
         {"edtMaskID=9", "ProtoTypeCombo=tcp", "click:AddButton"},
         {kBase + " 2.4.1.11.9=INTEGER:2 2.4.1.12.9=INTEGER:1"}},
        {"udp with dst-src-addr: both port masks",
         kMask,
         {"edtMaskID=9", "cbxMaskClass=enable", "ProtoTypeCombo=udp", "UDPOptionCombo=dst-src-addr",
          "SourcePortEdit=FF00", "DstPortEdit=00FF", "click:AddButton"},
         {"2.4.1.2.9=INTEGER:1 2.4.1.3.9=INTEGER:2 2.4.1.7.9=INTEGER:4 2.4.1.11.9=INTEGER:3 "
          "2.4.1.13.9=INTEGER:4 2.4.1.14.9=STRING:FF 00 2.4.1.15.9=STRING:00 FF"}},
        {"mask state src-ipv6-addr: the state and the source mask",
         kMask,
         {"edtMaskID=9", "cbxMaskState=src-ipv6-addr", "edtSrcMask=FFFFFFFFFFFFFFFF0000000000000000",
          "click:AddButton"},
         {"2.4.1.2.9=INTEGER:2 2.4.1.3.9=INTEGER:2 2.4.1.4.9=INTEGER:3 "
          "2.4.1.5.9=STRING:FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 00 2.4.1.7.9=INTEGER:4"}},
        {"Delete: Row Status destroy alone, without a question",
         kMask,
         {"row:1", "click:DeleteButton"},
         {"2.4.1.7.7=INTEGER:6"}},
        {"an empty Profile ID",
         kMask,
         {"click:AddButton"},
         {},
         One("IPv6 Mask ID must be set."),
         "edtMaskID"},
        {"a listed Profile ID",
         kMask,
         {"edtMaskID=3", "click:AddButton"},
         {},
         One("There is already a record with the same IPv6 Mask ID. Please modify it."),
         "edtMaskID"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(Ipv6MaskFormTest, TheProtocolAndMaskStateRulesEnableWhatIsUsed) {
    Open(kMask);
    Choose("ProtoTypeCombo", "tcp");
    EXPECT_TRUE(Usable("TCPOptionCombo"));
    EXPECT_FALSE(Usable("UDPOptionCombo"));
    EXPECT_FALSE(Usable("SourcePortEdit"));
    EXPECT_FALSE(Usable("DstPortEdit"));
    Choose("TCPOptionCombo", "src-addr");
    EXPECT_TRUE(Usable("SourcePortEdit"));
    EXPECT_FALSE(Usable("DstPortEdit"));
    Choose("ProtoTypeCombo", "udp");
    EXPECT_EQ(Combo("TCPOptionCombo")->Text(), QStringLiteral("other"));
    EXPECT_FALSE(Usable("TCPOptionCombo"));
    Choose("UDPOptionCombo", "dst-addr");
    EXPECT_TRUE(Usable("DstPortEdit"));
    EXPECT_FALSE(Usable("SourcePortEdit"));
    Choose("ProtoTypeCombo", "none");
    EXPECT_FALSE(Usable("UDPOptionCombo"));
    EXPECT_FALSE(Usable("DstPortEdit"));
    Choose("cbxMaskState", "src-ipv6-addr");
    EXPECT_TRUE(Usable("edtSrcMask"));
    Choose("cbxMaskState", "other");
    EXPECT_FALSE(Usable("edtSrcMask"));
    EXPECT_TRUE(Sent().empty());
}

} // namespace
} // namespace qs::test
