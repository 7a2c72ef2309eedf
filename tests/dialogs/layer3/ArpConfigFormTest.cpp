// The static ARP dialogs against krs-sim: the exact SETs of Add, Edit and Delete, the typed keys
// checked before anything is sent, Delete acting on the selected row only, and a write made
// while a walk runs sent once the walk has ended.
#include "ARPConfigForm.h"
#include "ARPAddEdit.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kArp = ".1.3.6.1.2.1.4.35.1.";

class ArpConfigFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> simArgs = {}) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<TARPConfigForm>(nullptr);
        dialog->Show();
        Settle();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    // Runs fill inside the add/edit dialog once it is shown, presses its Add/Set button, and
    // closes it when it stayed open (noting that it did).
    void WhileEditorShown(std::function<void(TARPAddEdit&)> fill) {
        stayedOpen = false;
        QTimer::singleShot(0, [this, fill] {
            TARPAddEdit* editor = ARPAddEdit;
            if (editor != nullptr && editor->isVisible()) {
                caption = editor->Caption();
                fill(*editor);
                editor->AddBtn->Click();
                stayedOpen = editor->ModalResult() == mrNone; // Close ends the modal loop
                macAfterSet = editor->MACEdit->Text();
                if (stayedOpen) {
                    editor->Close();
                }
            }
        });
    }
    void Settle() {
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->ArpRequest->Busy; }));
    }
    void Select(int row) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(row));
        dialog->ListView1Click();
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }

    TARPConfigForm* dialog = nullptr;
    QString caption;
    bool stayedOpen = false;
    QString macAfterSet; // the MAC in the add/edit dialog after its Add or Set
};

TEST_F(ArpConfigFormTest, OpensWithTheTableAndNoRowActions) {
    Open();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("ARPConfigForm"));
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(1), QStringLiteral("0A5A5A01"));
    EXPECT_EQ(dialog->StaticText->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->EditBtn->Enabled());
    EXPECT_FALSE(dialog->DelBtn->Enabled());
    Select(0);
    EXPECT_TRUE(dialog->EditBtn->Enabled());
    EXPECT_TRUE(dialog->DelBtn->Enabled());
    EXPECT_EQ(dialog->Editor->IPEdit->Text(), QStringLiteral("0A5A5A01"));
    Screenshot(dialog, "ARPConfigForm");
}

TEST_F(ArpConfigFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(ArpConfigFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add: MAC, type and createAndGo at the typed instance",
         [](ArpConfigFormTest& t) {
             t.WhileEditorShown([](TARPAddEdit& e) {
                 EXPECT_TRUE(e.IPEdit->isEnabled());
                 EXPECT_EQ(e.TypeComb->Text(), QStringLiteral("static"));
                 e.IndexEdit->SetText(QStringLiteral("1"));
                 e.IPEdit->SetText(QStringLiteral("0a5a5a1e"));
                 e.MACEdit->SetText(QStringLiteral("001C2345671E"));
             });
             t.dialog->AddBtn->Click();
         },
         {"4.1.1.4.10.90.90.30=STRING:00 1C 23 45 67 1E 6.1.1.4.10.90.90.30=INTEGER:4 "
          "8.1.1.4.10.90.90.30=INTEGER:4"},
         3},
        {"Edit: MAC and type of the selected row, never State or Row Status",
         [](ArpConfigFormTest& t) {
             t.Select(1);
             t.WhileEditorShown([](TARPAddEdit& e) {
                 EXPECT_FALSE(e.IPEdit->isEnabled());
                 e.TypeComb->SetItemIndex(3);
             });
             t.dialog->EditBtn->Click();
         },
         {"4.1.1.4.10.90.90.20=STRING:00 1C 23 45 67 20 6.1.1.4.10.90.90.20=INTEGER:4"},
         2},
        {"Delete: destroy alone at the selected row, no question",
         [](ArpConfigFormTest& t) {
             t.Select(0);
             t.dialog->DelBtn->Click();
         },
         {"8.1.1.4.10.90.90.1=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        stayedOpen = false;
        c.act(*this);
        Settle();
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(Sets(kArp), c.sets);
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        delete dialog;
        dialog = nullptr;
    }
    EXPECT_EQ(caption, QStringLiteral("ARP Edit:"));
}

TEST_F(ArpConfigFormTest, MalformedKeysAreRefusedAndTheEditorStaysOpen) {
    const char* const badIndex = "Please input an index from 1 to 65535.";
    const char* const badAddress =
        "Please enter an IP address such as 10.90.90.90, or an IPv6 address such as 2001:db8::10!";
    struct Case {
        const char* index;
        const char* address;
        const char* message;
    };
    const Case cases[] = {
        {"", "0A5A5A1E", badIndex},  {"0", "0A5A5A1E", badIndex},       {"1", "010.90.90.30", badAddress},
        {"1", "0A5A5A", badAddress}, {"1", "0A5A5A1", badAddress},      {"1", "0A5A5AZZ", badAddress},
        {"1", "", badAddress},       {"1", "fe80::1%eth0", badAddress}, {"1", "0A 5A 5A 1E", badAddress},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        messages.boxes.clear();
        WhileEditorShown([&c](TARPAddEdit& e) {
            e.IndexEdit->SetText(QString::fromLatin1(c.index));
            e.IPEdit->SetText(QString::fromLatin1(c.address));
            e.MACEdit->SetText(QStringLiteral("001C2345671E"));
        });
        dialog->AddBtn->Click();
        Settle();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sets(kArp).empty());
    }
    EXPECT_EQ(caption, QStringLiteral("ARP Add:"));
}

// The address of an Add is typed as dotted IPv4, IPv6 text or hex; the key sent is its octets
// with the address type and length they give, and the editor shows their hex.
TEST_F(ArpConfigFormTest, AddressWritingsBecomeTheKeyTheyName) {
    struct Case {
        const char* address;
        const char* shown;
        std::string instance; // interface index, address type, length, octets
    };
    const Case cases[] = {
        {"10.90.90.50", "0A5A5A32", "1.1.4.10.90.90.50"},
        {" 10.90.90.51 ", "0A5A5A33", "1.1.4.10.90.90.51"},
        {"0a5a5a34", "0A5A5A34", "1.1.4.10.90.90.52"},
        {"fe80::1", "FE800000000000000000000000000001", "1.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        {"2001:db8::10", "20010DB8000000000000000000000010", "1.2.16.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.16"},
        {"::ffff:10.0.0.1", "00000000000000000000FFFF0A000001",
         "1.2.16.0.0.0.0.0.0.0.0.0.0.255.255.10.0.0.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        Open();
        WhileEditorShown([&c](TARPAddEdit& e) {
            e.IndexEdit->SetText(QStringLiteral("1"));
            e.IPEdit->SetText(QString::fromLatin1(c.address));
            e.MACEdit->SetText(QStringLiteral("001C23456732"));
        });
        dialog->AddBtn->Click();
        Settle();
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(dialog->Editor->IPEdit->Text(), QString::fromLatin1(c.shown));
        const std::vector<std::string> sets = Sets(kArp);
        ASSERT_FALSE(sets.empty());
        EXPECT_EQ(sets.front(), "4." + c.instance + "=STRING:00 1C 23 45 67 32 6." + c.instance +
                                    "=INTEGER:4 8." + c.instance + "=INTEGER:4");
        delete dialog;
        dialog = nullptr;
    }
}

// An Add opened and abandoned changes the editors; Delete still destroys the selected row.
TEST_F(ArpConfigFormTest, DeleteActsOnTheSelectedRowOnly) {
    Open();
    dialog->DelBtn->Click();
    Settle();
    EXPECT_TRUE(Sets(kArp).empty()) << "no row selected: nothing to delete";
    Select(1);
    QTimer::singleShot(0, [] {
        ARPAddEdit->IndexEdit->SetText(QStringLiteral("7"));
        ARPAddEdit->IPEdit->SetText(QStringLiteral("0A5A5A01"));
        ARPAddEdit->Close();
    });
    dialog->AddBtn->Click();
    Select(1); // a click on the row that is still selected
    EXPECT_EQ(dialog->Editor->IndexEdit->Text(), QStringLiteral("7"));
    dialog->DelBtn->Click();
    Settle();
    EXPECT_EQ(Sets(kArp), std::vector<std::string>{"8.1.1.4.10.90.90.20=INTEGER:6"});
    EXPECT_EQ(Rows(), 1);
}

TEST_F(ArpConfigFormTest, EditRightAfterAnAddShowsTheSavedRow) {
    Open();
    Select(0);
    QTimer::singleShot(0, [] { ARPAddEdit->Close(); });
    dialog->AddBtn->Click();
    QString shownIp;
    QTimer::singleShot(0, [&shownIp] {
        shownIp = ARPAddEdit->IPEdit->Text();
        ARPAddEdit->Close();
    });
    dialog->EditBtnClick();
    EXPECT_EQ(shownIp, QStringLiteral("0A5A5A01"));
    EXPECT_TRUE(Sets(kArp).empty());
}

// A write made while a walk runs waits for the walk to end and is then sent; the add dialog
// closes only then, and the list is read whole again.
TEST_F(ArpConfigFormTest, AWriteDuringAWalkIsSentAfterIt) {
    Open({"--delay", "150"});
    dialog->RefreshBtn->Click();
    ASSERT_TRUE(dialog->ArpRequest->Busy);
    WhileEditorShown([](TARPAddEdit& e) {
        e.IndexEdit->SetText(QStringLiteral("1"));
        e.IPEdit->SetText(QStringLiteral("0A5A5A1E"));
        e.MACEdit->SetText(QStringLiteral("001C2345671E"));
    });
    dialog->AddBtn->Click();
    QTest::qWait(400);
    Settle();
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(Sets(kArp).size(), 1U);
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

// A write the agent refuses leaves the add or edit dialog open with what was typed, so the user
// can correct it; the agent's reason is in a box.
TEST_F(ArpConfigFormTest, AWriteTheAgentRefusesKeepsTheDialogOpenWithWhatWasTyped) {
    Open({"--set-error", kArp + "4=wrongValue"});
    const struct {
        const char* name;
        bool add;
    } cases[] = {{"Add", true}, {"Edit", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.boxes.clear();
        Mark();
        if (!c.add) {
            Select(1);
        }
        WhileEditorShown([&c](TARPAddEdit& e) {
            if (c.add) {
                e.IndexEdit->SetText(QStringLiteral("1"));
                e.IPEdit->SetText(QStringLiteral("10.90.90.30"));
            }
            e.MACEdit->SetText(QStringLiteral("001C2345671F"));
        });
        (c.add ? dialog->AddBtn : dialog->EditBtn)->Click();
        Settle();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(macAfterSet, QStringLiteral("001C2345671F"));
        EXPECT_EQ(messages.Texts(),
                  QStringList{QStringLiteral("(SNMP) Cannot create/set variable, Wrong Value!")});
        EXPECT_EQ(Sets(kArp).size(), 1U) << "sent once, refused";
        EXPECT_EQ(Rows(), 2);
    }
}

} // namespace
} // namespace qs::test
