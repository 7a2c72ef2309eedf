// The port-security entry deletion dialog against krs-sim: the values and the split port number
// on opening, Set's one SET of VLAN name, combined port, MAC address and "start", and the input
// refusals in their order, each sending nothing, with the focus on the field refused.
#include "PrtSecDelCtrlForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kDelete = ".1.3.6.1.4.1.58613.11.113.1.6.2.15.3.";

class PrtSecDelCtrlFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TPrtSecDelCtrlForm>(nullptr);
        dialog->Show();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Type(const char* vlan, const char* port, const char* mac) {
        dialog->edtVlan->SetText(QString::fromLatin1(vlan));
        dialog->PortEdit->SetText(QString::fromLatin1(port));
        dialog->edtMac->SetText(QString::fromLatin1(mac));
    }

    TPrtSecDelCtrlForm* dialog = nullptr;
};

TEST_F(PrtSecDelCtrlFormTest, OpeningShowsTheValuesWithThePortSplitIntoUnitAndPort) {
    EXPECT_EQ(dialog->edtVlan->Text(), QStringLiteral("default"));
    EXPECT_EQ(dialog->edtPort->Text(), QStringLiteral("65"));
    EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("2"));
    EXPECT_EQ(dialog->PortEdit->Text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->edtMac->Text(), QStringLiteral("001E58A1B2C3"));
    EXPECT_EQ(dialog->cbxOper->Text(), QStringLiteral("none"));
    EXPECT_FALSE(dialog->UnitEdit->isVisible());
    EXPECT_FALSE(dialog->edtPort->isVisible());
    EXPECT_EQ(dialog->UnitPortCount(1), 28);
    EXPECT_EQ(dialog->UnitPortCount(2), -1);
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: Ok!")));
    Screenshot(dialog, "PrtSecDelCtrlForm");
}

TEST_F(PrtSecDelCtrlFormTest, SetSendsTheEntryAndStartInOneSet) {
    struct Case {
        const char* vlan;
        const char* port;
        const char* mac;
        std::string set;
    };
    const Case cases[] = {
        {"v10", "5", "001e58a1b2c3",
         "1.0=STRING:v10 2.0=INTEGER:5 3.0=STRING:00 1E 58 A1 B2 C3 4.0=INTEGER:2"},
        {"default", "28", "AABBCCDDEEFF",
         "1.0=STRING:default 2.0=INTEGER:28 3.0=STRING:AA BB CC DD EE FF 4.0=INTEGER:2"},
        {"v", "1", "000000000001", "1.0=STRING:v 2.0=INTEGER:1 3.0=STRING:00 00 00 00 00 01 4.0=INTEGER:2"},
        {"v10", "5", "00-1E-58-A1-B2-C3",
         "1.0=STRING:v10 2.0=INTEGER:5 3.0=STRING:00 1E 58 A1 B2 C3 4.0=INTEGER:2"},
        {"v10", "5", "aa:bb:cc:dd:ee:f0",
         "1.0=STRING:v10 2.0=INTEGER:5 3.0=STRING:AA BB CC DD EE F0 4.0=INTEGER:2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        Mark();
        Type(c.vlan, c.port, c.mac);
        dialog->btnSet->Click();
        EXPECT_EQ(Sets(kDelete), std::vector<std::string>{c.set});
        EXPECT_EQ(Pdus(), std::vector<std::string>{"set"}) << "nothing read again";
        EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("1"));
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    }
}

TEST_F(PrtSecDelCtrlFormTest, RefusedInputSendsNothing) {
    struct Case {
        const char* vlan;
        const char* port;
        const char* mac;
        const char* message;
        const char* portAfter;
    };
    const Case cases[] = {
        {"", "29", "zz", "You should input VLAN name.", "29"},
        {"v10", "29", "001E58A1B2C3", "You should input valid port.", "0"},
        {"v10", "0", "001E58A1B2C3", "You should input valid port.", "0"},
        {"v10", "x", "001E58A1B2C3", "You should input valid port.", "x"},
        {"v10", "5", "00-1E-58-A1-B2", "You should input valid MAC address.", "5"},
        {"v10", "5", "01:1E:58:A1:B2:C3", "You should input valid MAC address.", "5"}, // a group
        {"v10", "5", "001E58A1B2C", "You should input valid MAC address.", "5"},
        {"v10", "5", "", "You should input valid MAC address.", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + std::string(" ") + c.port + " " + c.mac);
        messages.boxes.clear();
        Type(c.vlan, c.port, c.mac);
        dialog->btnSet->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(dialog->PortEdit->Text(), QString::fromLatin1(c.portAfter));
        EXPECT_TRUE(Sent().empty());
    }
    EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("1"));
}

// Each garbage text in each field is refused with that field's message and the focus on it; a
// MAC that is not a station's address (group, broadcast, all zero) is refused as well.
TEST_F(PrtSecDelCtrlFormTest, GarbageInAFieldIsRefusedWithTheFocusThere) {
    const QString nines(300, u'9'); // the MAC edit keeps twelve of them: a group address
    const QString vlan = QStringLiteral("You should input VLAN name.");
    const QString port = QStringLiteral("You should input valid port.");
    const QString mac = QStringLiteral("You should input valid MAC address.");
    struct Case {
        TEdit* edit;
        QString text;
        QString message;
    };
    std::vector<Case> cases = {{dialog->edtVlan, QString(), vlan}};
    for (const QString& garbage :
         {QStringLiteral("zz"), QString(), QStringLiteral("-1"), nines, QStringLiteral("1.2.3.4.5")}) {
        cases.push_back({dialog->PortEdit, garbage, port});
        cases.push_back({dialog->edtMac, garbage, mac});
    }
    for (const char* group : {"999999999999", "FFFFFFFFFFFF", "000000000000", "011E58A1B2C3"}) {
        cases.push_back({dialog->edtMac, QString::fromLatin1(group), mac});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit->objectName().toStdString() + " " + c.text.left(20).toStdString());
        Type("v10", "5", "001E58A1B2C3");
        c.edit->SetText(c.text);
        dialog->btnSet->setFocus();
        messages.boxes.clear();
        dialog->btnSet->Click();
        EXPECT_EQ(messages.Texts(), QStringList{c.message});
        EXPECT_EQ(dialog->focusWidget(), c.edit);
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(PrtSecDelCtrlFormTest, RefreshReadsTheValuesAgain) {
    Type("x", "3", "000000000000");
    dialog->btnRefresh->Click();
    EXPECT_EQ(Pdus(), std::vector<std::string>{"get"});
    EXPECT_EQ(dialog->edtVlan->Text(), QStringLiteral("default"));
    EXPECT_EQ(dialog->PortEdit->Text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->UnitPortCount(1), 28);
}

} // namespace
} // namespace qs::test
