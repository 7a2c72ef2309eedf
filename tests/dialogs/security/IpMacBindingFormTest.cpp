// The IP-MAC-port binding dialog against krs-sim: the exact SETs of Add, Edit and Delete, the
// address and MAC checks before any of them (a leading zero is refused, never read as octal), and
// a failed read shown in the status panel.
#include "IPMACBindingForm.h"
#include "AddressPortTableTest.h"
#include "Button.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StatusBar.h"

#include <QTest>

namespace qs::test {
namespace {

const std::string kBinding = ".1.3.6.1.4.1.58613.12.23.4.1.1.";

using IpMacBindingFormTest = AddressPortTableTest<TIPMACBindingForm>;

TEST_F(IpMacBindingFormTest, ARowFillsTheEditorsAndThePorts) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_FALSE(dialog->btnEdit->Enabled());
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    Select(0);
    EXPECT_EQ(dialog->edtIpAddr->Text(), QStringLiteral("10.90.90.100"));
    EXPECT_FALSE(dialog->edtIpAddr->isEnabled());
    EXPECT_TRUE(dialog->Ports.Ticked(1));
    EXPECT_TRUE(dialog->Ports.Ticked(2));
    EXPECT_FALSE(dialog->Ports.Ticked(3));
    EXPECT_TRUE(dialog->btnEdit->Enabled());
    Screenshot(dialog, "IPMACBindingForm");
}

TEST_F(IpMacBindingFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(IpMacBindingFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add: MAC, ports and createAndGo; never ACL status or mode",
         [](IpMacBindingFormTest& t) {
             t.Type("10.90.90.102", "001C23456766");
             t.dialog->Ports.Tick(3, true);
             t.dialog->btnAdd->Click();
         },
         {"2.10.90.90.102=STRING:00 1C 23 45 67 66 4.10.90.90.102=STRING:20 00 00 00 00 00 00 00 "
          "3.10.90.90.102=INTEGER:4"},
         3},
        {"Edit: MAC, ports, the row's mode and status back",
         [](IpMacBindingFormTest& t) {
             t.Select(1);
             t.dialog->Ports.Tick(1, true);
             t.dialog->btnEdit->Click();
         },
         {"2.10.90.90.101=STRING:00 1C 23 45 67 65 4.10.90.90.101=STRING:80 00 00 10 00 00 00 00 "
          "6.10.90.90.101=INTEGER:2 3.10.90.90.101=INTEGER:1"},
         2},
        {"Delete: confirmed, destroy alone at the selected row",
         [](IpMacBindingFormTest& t) {
             t.Select(0);
             t.dialog->btnDelete->Click();
         },
         {"3.10.90.90.100=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        messages.boxes.clear();
        c.act(*this);
        EXPECT_EQ(Sets(kBinding), c.sets);
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(dialog->edtIpAddr->isEnabled());
        EXPECT_TRUE(dialog->edtIpAddr->Text().isEmpty());
        EXPECT_FALSE(dialog->btnDelete->Enabled());
        for (const BoxRequest& box : messages.boxes) {
            EXPECT_EQ(box.text, QStringLiteral("Are you sure to delete it?"));
        }
        Close();
    }
}

// Typed key by key, as a person types: every writing of a MAC fits the edit and is sent as its
// six octets, the address in plain decimal.
TEST_F(IpMacBindingFormTest, MacWritingsAreSentAsTheirOctets) {
    struct Case {
        const char* ip;
        const char* mac;
        std::string sent;
    };
    const Case cases[] = {
        {"10.90.90.102", "aa:bb:cc:dd:ee:ff", "AA BB CC DD EE FF"},
        {"10.90.90.103", "00-1A-2B-3C-4D-5E", "00 1A 2B 3C 4D 5E"},
        {" 10.90.90.104", "00.1a.2b.3c.4d.5e", "00 1A 2B 3C 4D 5E"},
        {"10.90.90.105", "00:1c:23:45:67:64", "00 1C 23 45 67 64"},
        {"10.90.90.106", "001c23456766", "00 1C 23 45 67 66"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mac);
        Open();
        messages.boxes.clear();
        QTest::keyClicks(dialog->edtIpAddr, QString::fromLatin1(c.ip));
        QTest::keyClicks(dialog->edtMacAddr, QString::fromLatin1(c.mac));
        EXPECT_EQ(dialog->edtMacAddr->Text(), QString::fromLatin1(c.mac)) << "nothing is cut";
        dialog->btnAdd->Click();
        const std::string ip = QString::fromLatin1(c.ip).trimmed().toStdString();
        EXPECT_EQ(Sets(kBinding),
                  (std::vector<std::string>{"2." + ip + "=STRING:" + c.sent + " 4." + ip +
                                            "=STRING:00 00 00 00 00 00 00 00 3." + ip + "=INTEGER:4"}));
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        Close();
    }
}

TEST_F(IpMacBindingFormTest, BadEntriesAndACancelledDeleteSendNothing) {
    struct Case {
        const char* ip;
        const char* mac;
        QStringList shown;
    };
    const Case cases[] = {
        {"10.90.90", "001C23456766", {QStringLiteral("Please input a valid IP.")}},
        {"10.90.90.256", "001C23456766", {QStringLiteral("Please input a valid IP.")}},
        {"010.090.090.0102", "001C23456766", {QStringLiteral("Please input a valid IP.")}}, // never octal
        {"10.90.90.102", "001C2345676", {MacRefusal()}},
        {"10.90.90.102", "", {MacRefusal()}},
        {"10.90.90.102", "00:1C:23:45:67:6", {MacRefusal()}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ip);
        messages.boxes.clear();
        Type(c.ip, c.mac);
        dialog->btnAdd->Click();
        EXPECT_EQ(messages.Texts(), c.shown);
        EXPECT_EQ(FocusName(), c.shown == QStringList{MacRefusal()} ? QStringLiteral("edtMacAddr")
                                                                    : QStringLiteral("edtIpAddr"));
    }
    Select(0);
    messages.answers = {IDCANCEL};
    dialog->btnDelete->Click();
    EXPECT_TRUE(Sets(kBinding).empty());
    EXPECT_EQ(Rows(), 2);
    EXPECT_TRUE(dialog->edtIpAddr->isEnabled());
    EXPECT_FALSE(dialog->btnDelete->Enabled());
}

TEST_F(IpMacBindingFormTest, AFailedReadIsShown) {
    Open({"--drop-under", "1.3.6.1.4.1.58613.12.23.4.1"});
    EXPECT_EQ(Rows(), 0);
    const QString status = dialog->StatusOut().Text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Get:"))) << status.toStdString();
    EXPECT_FALSE(status.contains(QStringLiteral("Ok"))) << status.toStdString();
}

} // namespace
} // namespace qs::test
