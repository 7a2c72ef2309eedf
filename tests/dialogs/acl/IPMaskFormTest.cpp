// The IPv4 mask dialogs of the access lists and of the CPU interface filter against krs-sim: the
// columns each protocol type writes, every input checked under the condition that sends it, and
// the shared Delete that asks first.
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "RuleEditorFixture.h"

namespace qs::test {
namespace {

const char* const kAcl = "TIPMaskInformationForm";
const char* const kCpu = "TCPUIPMaskInformationForm";

QStringList One(const char* text) {
    return {QString::fromLatin1(text)};
}

TEST_F(RuleEditorTest, IPMasksOpenWithTheirSelections) {
    Open(kAcl);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(16), QStringLiteral("Profile ID Mask"));
    EXPECT_EQ(Combo("UseDSCPComBo")->Text(), QStringLiteral("disabled"));
    EXPECT_EQ(Combo("cbb_igmp")->Text(), QStringLiteral("disable"));
    EXPECT_EQ(Combo("RowStatusComBo")->Text(), QStringLiteral("active"));
    Step("row:0");
    EXPECT_EQ(Edit("IpAddMaskSrcEdit")->Text(), QStringLiteral("255.255.255.0"));
    Screenshot(dialog, "IPMaskInformationForm");
    CloseDialog();

    Open(kCpu);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 1);
    // The reversed lists: the first item is "disabled", value 2.
    EXPECT_EQ(Combo("UseVlanComboBox")->Text(), QStringLiteral("disabled"));
    EXPECT_EQ(Combo("ProOptionComBo")->Text(), QStringLiteral("disable"));
    Step("row:0");
    EXPECT_EQ(Combo("ProOptionComBo")->Text(), QStringLiteral("enable"));
    EXPECT_EQ(Edit("ProIDMaskEdit")->Text(), QStringLiteral("FFFF0000"));
    Screenshot(dialog, "CPUIPMaskInformationForm");
}

TEST_F(RuleEditorTest, IPMaskWritesSendWhatTheProtocolTypeUses) {
    const RuleScenario scenarios[] = {
        {"type none: no protocol column; the state other leaves the addresses out",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "IpAddMaskSrcEdit=255.0.0.0", "click:BT_Add"},
         {"2.2.1.2.5=INTEGER:1 2.2.1.6.5=INTEGER:2 2.2.1.19.5=INTEGER:4"}},
        {"src-ip-addr: the source mask; the VLAN mask before Row Status",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "IpAddMaskStateComboBox=src-ip-addr",
          "IpAddMaskSrcEdit=255.0.0.0", "IpAddMaskDstEdit=1.2.3.4", "edt_VLANMask=0FFF", "click:BT_Add"},
         {"2.2.1.2.5=INTEGER:1 2.2.1.3.5=INTEGER:3 2.2.1.4.5=IpAddress:255.0.0.0 2.2.1.6.5=INTEGER:2 "
          "2.2.1.24.5=STRING:0F FF 2.2.1.19.5=INTEGER:4"}},
        {"protocolId: type, option and the mask, tested although the option is disable",
         kAcl,
         {"IPIDEdit=6", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProIDMaskEdit=255",
          "TCPUDPSrcMaskEdit=zz", "click:BT_Add"},
         {"2.2.1.2.6=INTEGER:1 2.2.1.6.6=INTEGER:2 2.2.1.7.6=INTEGER:6 2.2.1.16.6=INTEGER:2 "
          "2.2.1.17.6=INTEGER:255 2.2.1.19.6=INTEGER:4"}},
        {"tcp with dst-port: the destination port mask alone, the flag option",
         kAcl,
         {"IPIDEdit=7", "RowStatusComBo#1", "UseProTypeComBo=tcp", "TCPOptionComBo=dst-port",
          "TCPUDPDstPortMaskEdit=FFFF", "TCPUDPSrcMaskEdit=zz", "TCPFlagBitMaskEdit=99", "click:BT_Add"},
         {"2.2.1.2.7=INTEGER:1 2.2.1.6.7=INTEGER:2 2.2.1.7.7=INTEGER:4 2.2.1.10.7=INTEGER:2 "
          "2.2.1.13.7=STRING:FF FF 2.2.1.14.7=INTEGER:2 2.2.1.19.7=INTEGER:4"}},
        {"Delete asks, then Row Status destroy",
         kAcl,
         {"row:0", "click:BT_Delete"},
         {"2.2.1.19.3=INTEGER:6"},
         One("Are you sure to delete it?")},
        {"Delete cancelled sends nothing",
         kAcl,
         {"row:0", "answer:cancel", "click:BT_Delete"},
         {},
         One("Are you sure to delete it?")},
        {"CPU filter type none: the reversed lists send 2 for their first item",
         kCpu,
         {"IPIDEdit=1", "RowStatusComBo#1", "click:BT_Add"},
         {"4.2.1.2.1=INTEGER:2 4.2.1.6.1=INTEGER:2 4.2.1.19.1=INTEGER:4"}},
        {"CPU filter protocolId with the option enabled: protocol ID mask and user mask",
         kCpu,
         {"IPIDEdit=3", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProOptionComBo=enable",
          "ProtoIDEdit=17", "ProIDMaskEdit=ffff0000", "click:BT_Add"},
         {"4.2.1.2.3=INTEGER:2 4.2.1.6.3=INTEGER:2 4.2.1.7.3=INTEGER:6 4.2.1.16.3=INTEGER:1 "
          "4.2.1.17.3=INTEGER:17 4.2.1.18.3=STRING:FF FF 00 00 4.2.1.19.3=INTEGER:4"}},
        {"CPU filter protocolId with the option disabled: the user mask neither tested nor sent",
         kCpu,
         {"IPIDEdit=3", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProIDMaskEdit=bad",
          "click:BT_Add"},
         {"4.2.1.2.3=INTEGER:2 4.2.1.6.3=INTEGER:2 4.2.1.7.3=INTEGER:6 4.2.1.16.3=INTEGER:2 "
          "4.2.1.19.3=INTEGER:4"}},
        {"CPU filter tcp, both options dst-port: the source mask is sent, so it is tested",
         kCpu,
         {"IPIDEdit=3", "RowStatusComBo#1", "UseProTypeComBo=tcp", "TCPOptionComBo=dst-port",
          "UDPOptionComBo=dst-port", "TCPUDPSrcMaskEdit=00FF", "click:BT_Add"},
         {"4.2.1.2.3=INTEGER:2 4.2.1.6.3=INTEGER:2 4.2.1.7.3=INTEGER:4 4.2.1.10.3=INTEGER:2 "
          "4.2.1.12.3=STRING:00 FF 4.2.1.14.3=INTEGER:2 4.2.1.19.3=INTEGER:4"}},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, IPMaskRefusalsSendNothing) {
    const RuleScenario scenarios[] = {
        {"right after opening Row Status is active",
         kAcl,
         {"IPIDEdit=5", "click:BT_Add"},
         {},
         One("Row Status must be createAndGo."),
         "RowStatusComBo"},
        {"a listed profile",
         kAcl,
         {"IPIDEdit=3", "RowStatusComBo#1", "click:BT_Add"},
         {},
         One("There is already a record with the same IP Mask ID. Please modified it."),
         "IPIDEdit"},
        {"no profile", kAcl, {"click:BT_Add"}, {}, One("IP Mask ID must be set."), "IPIDEdit"},
        {"a source mask above 255",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "IpAddMaskStateComboBox=dst-src-ip-addr",
          "IpAddMaskSrcEdit=256.0.0.0", "click:BT_Add"},
         {},
         One("Please input a valid ip"),
         "IpAddMaskSrcEdit"},
        {"a 16-character address is refused, not cut to 15",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "IpAddMaskStateComboBox=dst-ip-addr",
          "IpAddMaskDstEdit=192.168.100.2001", "click:BT_Add"},
         {},
         One("Please input a valid ip"),
         "IpAddMaskDstEdit"},
        {"a protocol mask of letters is an input error, not an exception",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProIDMaskEdit=ab", "click:BT_Add"},
         {},
         One("Invalid Mask!"),
         "ProIDMaskEdit"},
        {"a protocol mask of 256",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProIDMaskEdit=256",
          "click:BT_Add"},
         {},
         One("Invalid Mask!"),
         "ProIDMaskEdit"},
        {"a port mask with a G",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "UseProTypeComBo=udp", "UDPOptionComBo=src-port",
          "TCPUDPSrcMaskEdit=0FFG", "click:BT_Add"},
         {},
         One("Invalid Mask!"),
         "TCPUDPSrcMaskEdit"},
        {"a TCP flag mask of 64",
         kAcl,
         {"IPIDEdit=5", "RowStatusComBo#1", "UseProTypeComBo=tcp", "TCPFlagBitOptionComBo=enable",
          "TCPFlagBitMaskEdit=64", "click:BT_Add"},
         {},
         One("Please input a valid value"),
         "TCPFlagBitMaskEdit"},
        {"CPU filter: an address part above 255",
         kCpu,
         {"IPIDEdit=1", "RowStatusComBo#1", "IpAddMaskStateComboBox=src-ip-addr",
          "IpAddMaskSrcEdit=1.1.1.256", "click:BT_Add"},
         {},
         One("Please input a valid IP."),
         "IpAddMaskSrcEdit"},
        {"CPU filter: a user mask of seven digits",
         kCpu,
         {"IPIDEdit=1", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProOptionComBo=enable",
          "ProIDMaskEdit=FFFFFFF", "click:BT_Add"},
         {},
         One("Invalid Mask!"),
         "ProIDMaskEdit"},
        {"CPU filter: a protocol ID mask of 256",
         kCpu,
         {"IPIDEdit=1", "RowStatusComBo#1", "UseProTypeComBo=protocolId", "ProtoIDEdit=256", "click:BT_Add"},
         {},
         One("Please input a valid value"),
         "ProtoIDEdit"},
        {"CPU filter tcp, both options dst-port: a bad source mask is refused before it is sent",
         kCpu,
         {"IPIDEdit=1", "RowStatusComBo#1", "UseProTypeComBo=tcp", "TCPOptionComBo=dst-port",
          "UDPOptionComBo=dst-port", "TCPUDPSrcMaskEdit=zz", "click:BT_Add"},
         {},
         One("Invalid Mask!"),
         "TCPUDPSrcMaskEdit"},
    };
    for (const RuleScenario& s : scenarios) {
        Run(s);
    }
}

TEST_F(RuleEditorTest, IPMaskAddAfterStopSendsAndReadsAgain) {
    Open(kAcl);
    Button("Button1")->Click();
    for (const char* step : {"IPIDEdit=9", "RowStatusComBo#1", "click:BT_Add"}) {
        Step(step);
    }
    EXPECT_EQ(Sets(kAclTables),
              std::vector<std::string>{"2.2.1.2.9=INTEGER:1 2.2.1.6.9=INTEGER:2 2.2.1.19.9=INTEGER:4"});
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(Combo("RowStatusComBo")->Text(), QStringLiteral("createAndGo")); // kept over the reset
}

TEST_F(RuleEditorTest, CpuIPMaskResetPutsEveryComboAtItsFirstItem) {
    Open(kCpu);
    for (const char* step : {"IPIDEdit=3", "UseProTypeComBo=udp", "RowStatusComBo#1", "click:BT_Add"}) {
        Step(step);
    }
    EXPECT_EQ(Sets(kAclTables).size(), 1U);
    EXPECT_EQ(Combo("UseProTypeComBo")->Text(), QStringLiteral("none"));
    EXPECT_EQ(Combo("RowStatusComBo")->Text(), QStringLiteral("active"));
    EXPECT_EQ(Combo("UseDSCPComBo")->Text(), QStringLiteral("disabled"));
}

} // namespace
} // namespace qs::test
