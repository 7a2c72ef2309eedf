// The ARP spoofing prevention dialog against krs-sim: Add leaves the ports out when none is
// ticked, Set sends them with the row's status, Delete asks and destroys the selected row; the
// address and MAC are checked before anything is sent.
#include "ARPSpoofingPreventMgmtForm.h"
#include "AddressPortTableTest.h"
#include "Button.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kSpoof = ".1.3.6.1.4.1.58613.12.62.3.1.1.";
const std::string kRow = ".10.90.90.254.0.28.35.69.103.254";

using ArpSpoofingFormTest = AddressPortTableTest<TARPSpoofingPreventMgmtForm>;

TEST_F(ArpSpoofingFormTest, ARowFillsTheKeysAndThePorts) {
    Open();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("1"));
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(1), QStringLiteral("1-8[FF00000000000000]"));
    Select(0);
    EXPECT_EQ(dialog->edtIpAddr->Text(), QStringLiteral("10.90.90.254"));
    EXPECT_FALSE(dialog->btnAdd->Enabled());
    EXPECT_TRUE(dialog->Ports.Ticked(8));
    EXPECT_FALSE(dialog->Ports.Ticked(9));
    Screenshot(dialog, "ARPSpoofingPreventMgmtForm");
}

TEST_F(ArpSpoofingFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(ArpSpoofingFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add without a port: row status alone",
         [](ArpSpoofingFormTest& t) {
             t.Type("10.90.90.253", "00-1C-23-45-67-FD");
             t.dialog->btnAdd->Click();
         },
         {"4.10.90.90.253.0.28.35.69.103.253=INTEGER:4"},
         2},
        {"Add with a port: the ports too",
         [](ArpSpoofingFormTest& t) {
             t.Type("10.90.90.253", "001C234567FD");
             t.dialog->Ports.Tick(28, true);
             t.dialog->btnAdd->Click();
         },
         {"3.10.90.90.253.0.28.35.69.103.253=STRING:00 00 00 10 00 00 00 00 "
          "4.10.90.90.253.0.28.35.69.103.253=INTEGER:4"},
         2},
        {"Set: the ports and the row's status",
         [](ArpSpoofingFormTest& t) {
             t.Select(0);
             t.dialog->Ports.Tick(1, false);
             t.dialog->btnEdit->Click();
         },
         {"3" + kRow + "=STRING:7F 00 00 00 00 00 00 00 4" + kRow + "=INTEGER:1"},
         1},
        {"Delete: confirmed, destroy alone at the selected row",
         [](ArpSpoofingFormTest& t) {
             t.Select(0);
             t.dialog->btnDelete->Click();
         },
         {"4" + kRow + "=INTEGER:6"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        EXPECT_EQ(Sets(kSpoof), c.sets);
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_EQ(dialog->StaticText1->Caption(), QString::number(c.rowsAfter));
        for (const BoxRequest& box : messages.boxes) {
            EXPECT_EQ(box.text, QStringLiteral("Are you sure to delete it?"));
        }
        Close();
    }
}

TEST_F(ArpSpoofingFormTest, BadEntriesSendNothing) {
    struct Case {
        const char* ip;
        const char* mac;
        QStringList shown;
    };
    const Case cases[] = {
        {"10.90.90", "001C234567FD", {QStringLiteral("Please input a valid IP.")}},
        {"010.90.90.253", "001C234567FD", {QStringLiteral("Please input a valid IP.")}}, // never octal
        {"10.90.90.253", "001C234567F", {MacRefusal()}},
        {"10.90.90.253", "00-1C-23-45-67", {MacRefusal()}},
        {"10.90.90.253", "00:1C-23-45-67-FD", {MacRefusal()}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ip);
        messages.boxes.clear();
        Type(c.ip, c.mac);
        dialog->btnAdd->Click();
        EXPECT_EQ(messages.Texts(), c.shown);
        EXPECT_EQ(dialog->edtIpAddr->Text(), QString::fromLatin1(c.ip)) << "the entry is kept";
        EXPECT_EQ(FocusName(), c.shown == QStringList{MacRefusal()} ? QStringLiteral("edtMacAddr")
                                                                    : QStringLiteral("edtIpAddr"));
    }
    EXPECT_TRUE(Sets(kSpoof).empty());
}

} // namespace
} // namespace qs::test
