// The static unicast and multicast filter dialogs against krs-sim: the exact SETs of Add, Set and
// Delete, and the refusals that send nothing (keys missing, a MAC address that is not 12 hex
// digits, no port for a unicast entry).
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "MulticastFilterInformationForm.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "UnicastFilterInformationForm.h"

namespace qs::test {
namespace {

const std::string kStatic = ".1.3.6.1.2.1.17.7.1.3.";

class StaticFilterFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(bool multicast) {
        ASSERT_TRUE(StartSim()) << sim->lastError();
        if (multicast) {
            dialog = CreateForm<TMulticastFilterInformationForm>(nullptr);
        } else {
            dialog = CreateForm<TUnicastFilterInformationForm>(nullptr);
        }
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->FilterRequest->Busy; }));
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
        sim.reset();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectRow(int i) {
        dialog->List->SetSelected(dialog->List->Item(i));
        dialog->ListClick();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return !dialog->FilterRequest->Busy; }));
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->FilterRequest->Busy; }));
    }

    StaticFilterForm* dialog = nullptr;
};

TEST_F(StaticFilterFormTest, ListsTheEntriesAndCopiesTheSelectedKeys) {
    Open(false);
    ASSERT_EQ(dialog->List->ItemCount(), 2);
    EXPECT_EQ(dialog->List->ColumnCaption(3), QStringLiteral("Allowed To Go To"));
    EXPECT_EQ(dialog->List->Item(0)->SubItem(0), QStringLiteral("001122334455"));
    EXPECT_EQ(dialog->List->Item(0)->SubItem(3), QStringLiteral("permanent"));
    SelectRow(0);
    EXPECT_EQ(dialog->VidEdit->Text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->MacEdit->Text(), QStringLiteral("001122334455"));
    EXPECT_TRUE(dialog->MacEdit->ReadOnly());
    EXPECT_TRUE(dialog->Ports.Ticked(3));
    EXPECT_FALSE(dialog->AddButton->Enabled());
    EXPECT_TRUE(dialog->DeleteButton->Enabled());
    Screenshot(dialog, "UnicastFilterInformationForm");
}

TEST_F(StaticFilterFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        bool multicast;
        std::function<void(StaticFilterFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"unicast Add: ports and permanent, receive port 0",
         false,
         [](StaticFilterFormTest& t) {
             t.dialog->VidEdit->SetText(QStringLiteral("20"));
             t.dialog->MacEdit->SetText(QStringLiteral("00AABBCCDDEE"));
             t.dialog->Ports.Tick(2, true);
             t.dialog->AddButton->Click();
         },
         {"1.1.3.20.0.170.187.204.221.238.0=STRING:40 00 00 00 00 00 00 00 "
          "1.1.4.20.0.170.187.204.221.238.0=INTEGER:3"},
         3},
        {"unicast Delete: status invalid after the question",
         false,
         [](StaticFilterFormTest& t) {
             t.SelectRow(1);
             t.dialog->DeleteButton->Click();
         },
         {"1.1.4.10.0.26.43.60.77.94.0=INTEGER:2"},
         1},
        {"multicast Add without a port: 8 zero octets",
         true,
         [](StaticFilterFormTest& t) {
             t.dialog->VidEdit->SetText(QStringLiteral("10"));
             t.dialog->MacEdit->SetText(QStringLiteral("01005E7F0001"));
             t.dialog->AddButton->Click();
         },
         {"2.1.3.10.1.0.94.127.0.1.0=STRING:00 00 00 00 00 00 00 00 2.1.5.10.1.0.94.127.0.1.0=INTEGER:3"},
         2},
        {"multicast Set: the port map alone",
         true,
         [](StaticFilterFormTest& t) {
             t.SelectRow(0);
             t.dialog->Ports.Tick(28, true);
             t.dialog->SetBtn->Click();
         },
         {"2.1.3.10.1.0.94.1.2.3.0=STRING:C0 00 00 10 00 00 00 00"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.multicast);
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kStatic), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(dialog->List->ItemCount(), c.rowsAfter);
        EXPECT_EQ(dialog->VidEdit->Text(), QString());
        EXPECT_TRUE(dialog->AddButton->Enabled());
        Close();
    }
}

TEST_F(StaticFilterFormTest, RefusedKeysSendNothing) {
    struct Case {
        bool multicast;
        const char* vid;
        const char* mac;
        int port;
        const char* message;
    };
    const Case cases[] = {
        {false, "", "001122334466", 1, "Please input VLAN ID and MAC Address."},
        {false, "5", "001122334466", 0, "Please select a port to config,be sure the VLAN contains the port."},
        {false, "5", "0011223344", 1, "Please input a valid MAC address."},
        {false, "5", "00112233445", 1, "Please input a valid MAC address."},
        {true, "5", "", 0, "Please input VLAN ID and MAC Address."},
        {true, "5", "01005E0000011", 0, "Please input a valid MAC address."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.vid) + "/" + c.mac);
        Open(c.multicast);
        messages.boxes.clear();
        dialog->VidEdit->SetText(QString::fromLatin1(c.vid));
        dialog->MacEdit->SetText(QString::fromLatin1(c.mac));
        if (c.port) {
            dialog->Ports.Tick(c.port, true);
        }
        dialog->AddButton->Click();
        QTest::qWait(100);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sets(kStatic).empty());
        Close();
    }
}

TEST_F(StaticFilterFormTest, CancelledDeleteSendsNothingButResetsTheEditors) {
    Open(true);
    SelectRow(0);
    messages.answers << IDCANCEL;
    dialog->DeleteButton->Click();
    QTest::qWait(100);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Are you sure to delete it?")});
    EXPECT_TRUE(Sets(kStatic).empty());
    EXPECT_EQ(dialog->VidEdit->Text(), QString());
    EXPECT_TRUE(dialog->VidEdit->isEnabled());
    EXPECT_FALSE(dialog->SetBtn->Enabled());
}

} // namespace
} // namespace qs::test
