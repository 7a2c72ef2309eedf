// The port trunk dialog against krs-sim: the exact SET of Add, Set and Delete, every input
// message with nothing sent, the buttons after a Delete (a second Delete cannot reach another
// group), and the digit-only key filter of the master-port edits.
#include "PortTrunkForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "stackingPortUitFormUnit.h"

namespace qs::test {
namespace {

const std::string kTrunk = ".1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.";

class PortTrunkFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open();
    }
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        Mark();
        dialog = CreateForm<TPortTrunkForm>(nullptr);
        dialog->Show();
    }
    void Reopen(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        Open(std::move(args));
        Mark();
        messages.boxes.clear();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectRow(int i) { dialog->LV_PortTrunk->SetSelected(dialog->LV_PortTrunk->Item(i)); }
    void Tick(std::initializer_list<int> ports) {
        for (int p : ports) {
            dialog->MemberPorts.Tick(p, true);
        }
    }
    // An Add whose every check passes: index 3, master 5, members 5 and 6, type static.
    void FillNewGroup() {
        dialog->ED_Index->SetText(QStringLiteral("3"));
        dialog->PortEdit->SetText(QStringLiteral("5"));
        dialog->Combo_Type->SetItemIndex(0);
        Tick({5, 6});
    }
    int Rows() const { return dialog->LV_PortTrunk->ItemCount(); }

    TPortTrunkForm* dialog = nullptr;
};

TEST_F(PortTrunkFormTest, OpensWithTheGroupsReadTwiceAndAddReady) {
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("2"));
    EXPECT_EQ(dialog->IndexLabel->Caption(), QStringLiteral("Index(1-14)"));
    EXPECT_EQ(dialog->TrunkRequest->Request.Timeout, 300);
    EXPECT_EQ(dialog->TrunkRequest->Mode, RM_BLOCKING);
    int walksOfMasterColumn = 0;
    for (const JournalRecord& r : Sent()) {
        walksOfMasterColumn += r.pdu == "getnext" && r.varbinds.front().oid == kTrunk + "2" ? 1 : 0;
    }
    EXPECT_EQ(walksOfMasterColumn, 2) << "the table is read at creation and by the Refresh that follows";
    EXPECT_TRUE(dialog->BT_Set->Enabled());
    EXPECT_FALSE(dialog->SetBtn->Enabled());
    EXPECT_FALSE(dialog->BT_Delete->Enabled());
    EXPECT_EQ(dialog->Combo_Type->ItemIndex(), -1);
    EXPECT_EQ(dialog->Combo_Type->Items().Count(), 2);
}

TEST_F(PortTrunkFormTest, ARowShowsItsGroupAndLocksTheIndex) {
    SelectRow(1);
    EXPECT_EQ(dialog->ED_Index->Text(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->ED_Index->Enabled());
    EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->PortEdit->Text(), QStringLiteral("9"));
    EXPECT_EQ(dialog->Combo_Type->Text(), QStringLiteral("lacp"));
    EXPECT_EQ(dialog->ST_FloodingPort->Caption(), QStringLiteral("9"));
    EXPECT_TRUE(dialog->MemberPorts.Ticked(9));
    EXPECT_TRUE(dialog->MemberPorts.Ticked(10));
    EXPECT_FALSE(dialog->MemberPorts.Ticked(1));
    EXPECT_TRUE(dialog->SetBtn->Enabled());
    EXPECT_FALSE(dialog->BT_Set->Enabled());
    SelectRow(0);
    EXPECT_TRUE(dialog->ActivePorts.Ticked(1));
    EXPECT_FALSE(dialog->ActivePorts.Picker()->PortBoxes[0]->Enabled()) << "active ports are only shown";
    Screenshot(dialog, "PortTrunkForm");
    dialog->LV_PortTrunk->SetSelected(nullptr);
    EXPECT_TRUE(dialog->ED_Index->Enabled());
    EXPECT_TRUE(dialog->ED_Index->Text().isEmpty());
    EXPECT_TRUE(dialog->BT_Set->Enabled());
    EXPECT_FALSE(dialog->MemberPorts.Ticked(1));
}

TEST_F(PortTrunkFormTest, WritesSendTheGroupAndReadAgain) {
    struct Case {
        const char* what;
        std::function<void(PortTrunkFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add: master, members, type and createAndGo",
         [](PortTrunkFormTest& t) {
             t.FillNewGroup();
             t.dialog->BT_Set->Click();
         },
         {"2.3=INTEGER:5 3.3=STRING:0C 00 00 00 00 00 00 00 4.3=INTEGER:1 6.3=INTEGER:4"},
         3},
        {"Set: the row's own state; no duplicate-master check",
         [](PortTrunkFormTest& t) {
             t.SelectRow(1);
             t.dialog->PortEdit->SetText(QStringLiteral("10"));
             t.dialog->Combo_Type->SetItemIndex(0);
             t.Tick({11});
             t.dialog->SetBtn->Click();
         },
         {"2.2=INTEGER:10 3.2=STRING:00 E0 00 00 00 00 00 00 4.2=INTEGER:1 6.2=INTEGER:1"},
         2},
        {"Delete: destroy for the selected group alone",
         [](PortTrunkFormTest& t) {
             t.SelectRow(0);
             t.dialog->BT_Delete->Click();
         },
         {"6.1=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reopen();
        c.act(*this);
        EXPECT_EQ(Sets(kTrunk), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(Pdus().back(), "getnext") << "the table is read again";
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_EQ(dialog->StaticText1->Caption(), QString::number(c.rowsAfter));
        EXPECT_TRUE(dialog->BT_Set->Enabled());
        EXPECT_FALSE(dialog->SetBtn->Enabled());
        EXPECT_FALSE(dialog->BT_Delete->Enabled());
        EXPECT_TRUE(dialog->ED_Index->Enabled());
        const QStringList expectedBoxes = c.sets.front().starts_with("6.1")
                                              ? QStringList{QStringLiteral("Are you sure to delete it?")}
                                              : QStringList{};
        EXPECT_EQ(messages.Texts(), expectedBoxes);
    }
}

TEST_F(PortTrunkFormTest, EveryInputMessageSendsNothing) {
    struct Case {
        const char* what;
        bool set; // Set on row 2 instead of Add
        std::function<void(PortTrunkFormTest&)> fill;
        const char* message;
    };
    const Case cases[] = {
        {"Add without index", false, [](PortTrunkFormTest& t) { t.dialog->ED_Index->SetText(QString()); },
         "The index should not be empty."},
        {"Add with an index in the list", false,
         [](PortTrunkFormTest& t) { t.dialog->ED_Index->SetText("2"); }, "The Index must be different!"},
        {"Add without port", false, [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText(QString()); },
         "The Port should not be empty."},
        {"Add with port 0", false, [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText("0"); },
         "set valid master port"},
        {"Add with port 29", false, [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText("29"); },
         "set valid master port"},
        {"Add without type", false, [](PortTrunkFormTest& t) { t.dialog->Combo_Type->SetItemIndex(-1); },
         "Please choose trunk type."},
        {"Add with another group's master", false,
         [](PortTrunkFormTest& t) {
             t.dialog->PortEdit->SetText("9");
             t.Tick({9});
         },
         "The master port must be different!"},
        {"Add with the master unticked", false,
         [](PortTrunkFormTest& t) { t.dialog->MemberPorts.Tick(5, false); }, "Master port must be checked."},
        {"Add with one member", false, [](PortTrunkFormTest& t) { t.dialog->MemberPorts.Tick(6, false); },
         "You must choose at least two members!"},
        {"Add with nine members", false,
         [](PortTrunkFormTest& t) {
             t.Tick({1, 2, 3, 4, 7, 8, 20});
         },
         "The trunk member can't over eight!"},
        {"Set without a group", true, [](PortTrunkFormTest& t) { t.dialog->ED_Index->SetText(QString()); },
         "Please select trunk group."},
        {"Set without port", true, [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText(QString()); },
         "The Port Edit should not be empty"},
        {"Set with port 30", true, [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText("30"); },
         "set valid master port"},
        {"Set with the master unticked", true,
         [](PortTrunkFormTest& t) { t.dialog->PortEdit->SetText("11"); }, "Master port must be checked."},
        {"Set with one member", true, [](PortTrunkFormTest& t) { t.dialog->MemberPorts.Tick(10, false); },
         "You must choose at least two members!"},
        {"Set with nine members", true,
         [](PortTrunkFormTest& t) {
             t.Tick({1, 2, 3, 4, 5, 6, 7});
         },
         "The trunk member can't over eight!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reopen();
        if (c.set) {
            SelectRow(1);
        } else {
            FillNewGroup();
        }
        c.fill(*this);
        (c.set ? dialog->SetBtn : dialog->BT_Set)->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sets(kTrunk).empty());
        EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("1"));
    }
}

TEST_F(PortTrunkFormTest, TheNinthMemberIsUntickedAndTheOnesAfterItStay) {
    FillNewGroup();
    Tick({1, 2, 3, 4, 7, 8, 20, 21});
    dialog->BT_Set->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("The trunk member can't over eight!")});
    EXPECT_TRUE(dialog->MemberPorts.Ticked(8));
    EXPECT_FALSE(dialog->MemberPorts.Ticked(20)) << "the ninth ticked box in port order";
    EXPECT_TRUE(dialog->MemberPorts.Ticked(21));
}

TEST_F(PortTrunkFormTest, DeleteWithoutASelectedRowAsksAndSendsNothing) {
    SelectRow(0);
    dialog->BT_Delete->Click();
    Mark();
    messages.boxes.clear();
    dialog->BT_Delete->Click(); // disabled: a click by code still reaches the handler
    dialog->BT_DeleteClick();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(Sets(kTrunk).empty());
    EXPECT_EQ(Rows(), 1);
}

TEST_F(PortTrunkFormTest, CancelledDeleteSendsNothing) {
    SelectRow(0);
    messages.answers = {IDCANCEL};
    dialog->BT_Delete->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Are you sure to delete it?")});
    EXPECT_TRUE(Sets(kTrunk).empty());
    EXPECT_EQ(Rows(), 2);
}

TEST_F(PortTrunkFormTest, ARefusedAddIsShownAndTheTableReadAgain) {
    Reopen({"--set-error", ".1.3.6.1.4.1.58613.11.113.1.6.2.4.3.1.6=wrongValue"});
    FillNewGroup();
    dialog->BT_Set->Click();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(Pdus().back(), "getnext");
    EXPECT_EQ(Rows(), 2);
    EXPECT_TRUE(dialog->BT_Set->Enabled());
}

// A master port that is no number (pasted past the edit's keystroke filter) is refused as one out
// of the unit's range: a box, the focus on the port, nothing sent, the row still selected.
TEST_F(PortTrunkFormTest, AMasterPortThatIsNoNumberIsRefusedInABoxWithTheFocusOnThePort) {
    const QString texts[] = {QStringLiteral("x"), QStringLiteral("1.2.3.4.5"), QStringLiteral("-1"),
                             QString(300, QLatin1Char('9'))};
    for (const bool set : {true, false}) {
        for (const QString& text : texts) {
            SCOPED_TRACE((set ? "Set '" : "Add '") + text.left(12).toStdString() + "'");
            Reopen();
            set ? SelectRow(1) : FillNewGroup();
            dialog->PortEdit->SetText(text);
            (set ? dialog->SetBtn : dialog->BT_Set)->Click();
            EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("set valid master port")});
            EXPECT_EQ(dialog->focusWidget(), dialog->PortEdit);
            EXPECT_EQ(dialog->PortEdit->Text(), text) << "kept for the user to correct";
            EXPECT_TRUE(Sets(kTrunk).empty());
            EXPECT_EQ(dialog->SetBtn->Enabled(), set);
        }
    }
}

TEST_F(PortTrunkFormTest, TheMasterPortEditsTakeDigitsAndBackspaceOnly) {
    const struct {
        char16_t key;
        bool kept;
    } cases[] = {{u'0', true}, {u'9', true}, {u'\b', true}, {u'a', false}, {u'-', false}, {u' ', false}};
    for (const auto& c : cases) {
        char16_t key = c.key;
        messages.tones.clear();
        dialog->UnitEditKeyPress(key);
        EXPECT_EQ(key, c.kept ? c.key : char16_t{0}) << static_cast<int>(c.key);
        EXPECT_EQ(messages.tones.size(), c.kept ? 0 : 1);
    }
}

} // namespace
} // namespace qs::test
