// The DHCP server screening permit dialog against krs-sim: the exact SETs of Add, Set and
// Delete (7-octet port lists), and the port, address and MAC checks before any of them.
#include "FilterDHCPPermitForm.h"
#include "AddressPortTableTest.h"
#include "Button.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kPermit = ".1.3.6.1.4.1.58613.12.37.1.1.1.";

using FilterDhcpPermitFormTest = AddressPortTableTest<TFilterDHCPPermitForm>;

TEST_F(FilterDhcpPermitFormTest, ARowFillsTheKeysAndThePorts) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->btnEdit->Enabled());
    Select(0);
    EXPECT_EQ(dialog->edtIpAddr->Text(), QStringLiteral("10.90.90.5"));
    EXPECT_FALSE(dialog->edtMacAddr->isEnabled());
    EXPECT_TRUE(dialog->Ports.Ticked(4));
    EXPECT_FALSE(dialog->Ports.Ticked(5));
    EXPECT_TRUE(dialog->btnDelete->Enabled());
    Screenshot(dialog, "FilterDHCPPermitForm");
}

TEST_F(FilterDhcpPermitFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(FilterDhcpPermitFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add: ports and createAndGo at the typed keys (the MAC in pairs joined by colons)",
         [](FilterDhcpPermitFormTest& t) {
             t.Type("10.90.90.7", "00:1c:23:45:67:07");
             t.dialog->Ports.Tick(1, true);
             t.dialog->btnAdd->Click();
         },
         {"3.10.90.90.7.0.28.35.69.103.7=STRING:80 00 00 00 00 00 00 "
          "4.10.90.90.7.0.28.35.69.103.7=INTEGER:4"},
         3},
        {"Set may clear every port; the row's status goes back",
         [](FilterDhcpPermitFormTest& t) {
             t.Select(1);
             t.dialog->Ports.Tick(32, false);
             t.dialog->btnEdit->Click();
         },
         {"3.10.90.90.6.0.28.35.69.103.6=STRING:00 00 00 00 00 00 00 "
          "4.10.90.90.6.0.28.35.69.103.6=INTEGER:1"},
         2},
        {"Delete: destroy alone at the selected row, no question",
         [](FilterDhcpPermitFormTest& t) {
             t.Select(0);
             t.dialog->btnDelete->Click();
         },
         {"4.10.90.90.5.0.28.35.69.103.5=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        EXPECT_EQ(Sets(kPermit), c.sets);
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_TRUE(dialog->edtIpAddr->isEnabled());
        EXPECT_FALSE(dialog->Ports.Ticked(1));
        Close();
    }
}

TEST_F(FilterDhcpPermitFormTest, InputIsCheckedBeforeAnythingIsSent) {
    struct Case {
        bool port;
        const char* ip;
        const char* mac;
        const char* message;
    };
    const Case cases[] = {
        {false, "1.2.3", "001C23456707", "Please select a certain portlist to configure!"},
        {true, "1.2.3", "001C23456707", "Please input a valid IP"},
        {true, "10.90.90.7.1", "001C23456707", "Please input a valid IP"},
        {true, "010.90.90.7", "001C23456707", "Please input a valid IP"}, // never octal
        {true, "10.90.90.7", "00-1C-23-45-67", "Invalid MAC address"},
        {true, "10.90.90.7", "001C2345670", "Invalid MAC address"},
        {true, "10.90.90.7", "001C234567GG", "Invalid MAC address"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        dialog->Ports.Tick(2, c.port);
        Type(c.ip, c.mac);
        dialog->btnAdd->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
    }
    EXPECT_TRUE(Sets(kPermit).empty());
}

} // namespace
} // namespace qs::test
