// The packet-content rule dialog against krs-sim: what it lists, the exact SETs of Add and Delete,
// the refusals that send nothing, the dependency rules, Stop, a write during a walk and closing.
#include "PacketContentRuleForm.h"
#include "AclDialogs.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

using F = TPacketContentRuleForm;

const std::string kTable = ".1.3.6.1.4.1.58613.12.9.3.10.1.1.";
const char* const kPort2 = "40 00 00 00 00 00 00 00";

class PacketContentRuleFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TPacketContentRuleForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait(std::vector<std::string> args = {}) {
        Open(std::move(args));
        Settle();
        Mark();
        messages.boxes.clear();
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
    bool Quiet() const { return !dialog->Request->Busy && dialog->Request->Request.Pending == 0; }
    // Waits for every reply and for the walks that follow them.
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return Quiet(); }));
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return Quiet(); }));
    }
    void SelectRow(int i) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(i));
        dialog->ListView1Click();
    }
    // Keys, a ticked Permit and a ticked createAndGo, port 2: what every Add needs.
    void FillNewRule(const char* profile = "9", const char* access = "1") {
        dialog->ProfileEdit->SetText(QLatin1String(profile));
        dialog->AccessEdit->SetText(QLatin1String(access));
        dialog->BoxOf(F::kPermit)->SetChecked(true);
        dialog->ComboOf(F::kPermit)->SetItemIndex(1);
        dialog->BoxOf(F::kRowStatus)->SetChecked(true);
        dialog->ComboOf(F::kRowStatus)->SetItemIndex(3);
        dialog->TickPort(2, true);
    }
    // A user's choice in a combo box: its change handler runs.
    void Choose(int column, int position) {
        TComboBox* combo = dialog->ComboOf(column);
        combo->SetItemIndex(position);
        combo->OnChange(combo);
    }
    void Type(int column, const char* text) {
        dialog->BoxOf(column)->SetChecked(true);
        dialog->EditOf(column)->SetText(QLatin1String(text));
    }
    QString Status() const { return dialog->StatusBar->SimpleText(); }

    TPacketContentRuleForm* dialog = nullptr;
};

TEST_F(PacketContentRuleFormTest, ListsTheRulesAndShowsTheSelectedOne) {
    OpenAndWait();
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ItemCount(), 2);
    ASSERT_EQ(list->ColumnCount(), 18);
    EXPECT_EQ(list->ColumnCaption(0), QStringLiteral("Profile ID"));
    EXPECT_EQ(list->ColumnCaption(13), QStringLiteral("Row Status"));
    EXPECT_EQ(list->ColumnCaption(17), QStringLiteral("Mask STag"));
    EXPECT_EQ(list->Item(1)->Caption(), QStringLiteral("6"));
    EXPECT_EQ(list->Item(1)->SubItem(0), QStringLiteral("2"));
    EXPECT_EQ(dialog->Count->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->EditButton->isVisible());
    EXPECT_FALSE(dialog->DeleteButton->Enabled());
    SelectRow(0);
    EXPECT_EQ(dialog->ProfileEdit->Text(), QStringLiteral("5"));
    EXPECT_EQ(dialog->AccessEdit->Text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog->ProfileEdit->isEnabled());
    EXPECT_FALSE(dialog->AddButton->Enabled());
    EXPECT_TRUE(dialog->DeleteButton->Enabled());
    EXPECT_EQ(dialog->EditOf(F::kSrcMac)->Text(), QStringLiteral("001122334455"));
    EXPECT_EQ(dialog->EditOf(F::kCTag)->Text(), QStringLiteral("0064"));
    EXPECT_EQ(dialog->ComboOf(F::kPermit)->Text(), QStringLiteral("permit"));
    EXPECT_TRUE(dialog->PortGrid->PortBoxes[0]->Checked());
    EXPECT_TRUE(dialog->PortGrid->PortBoxes[27]->Checked());
    EXPECT_FALSE(dialog->PortGrid->PortBoxes[1]->Checked());
    // Enable Priority reads "enabled", Enable Replace DSCP "disabled".
    EXPECT_TRUE(dialog->EditOf(F::kPriority)->isEnabled());
    EXPECT_FALSE(dialog->EditOf(F::kDscp)->isEnabled());
    EXPECT_FALSE(dialog->BoxOf(F::kDscp)->isEnabled());
    Screenshot(dialog, "PacketContentRuleForm");
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(PacketContentRuleFormTest, AddAndDeleteSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(PacketContentRuleFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const std::string port = std::string("13.9.1=STRING:") + kPort2;
    const Case cases[] = {
        {"Add with nothing else ticked: Permit, the ports and createAndGo",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->AddButton->Click();
         },
         {"12.9.1=INTEGER:2 " + port + " 21.9.1=INTEGER:4"},
         3},
        {"Add with addresses, tags and masks in table order",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.Type(F::kSrcMac, "00AABBCCDDEE");
             t.Type(F::kCTag, "0064");
             t.Type(F::kMaskSrcMac, "FFFFFF000000");
             t.Type(F::kMaskCTag, "0FFF");
             t.dialog->AddButton->Click();
         },
         {"3.9.1=STRING:00 AA BB CC DD EE 5.9.1=STRING:00 64 12.9.1=INTEGER:2 " + port +
          " 21.9.1=INTEGER:4 22.9.1=STRING:FF FF FF 00 00 00 24.9.1=STRING:0F FF"},
         3},
        {"Add with Enable Priority disabled leaves the ticked Priority out",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kEnablePriority)->SetChecked(true);
             t.Type(F::kPriority, "5");
             t.Choose(F::kEnablePriority, 1);
             t.dialog->AddButton->Click();
         },
         {"7.9.1=INTEGER:2 12.9.1=INTEGER:2 " + port + " 21.9.1=INTEGER:4"},
         3},
        {"Add with both actions enabled sends their values",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kEnableReplaceDscp)->SetChecked(true);
             t.Choose(F::kEnableReplaceDscp, 0);
             t.Type(F::kDscp, "46");
             t.Type(F::kPriority, "3");
             t.dialog->AddButton->Click();
         },
         {"8.9.1=INTEGER:3 10.9.1=INTEGER:1 11.9.1=INTEGER:46 12.9.1=INTEGER:2 " + port +
          " 21.9.1=INTEGER:4"},
         3},
        {"Delete: Row Status destroy alone, without a question",
         [](PacketContentRuleFormTest& t) {
             t.SelectRow(1);
             t.dialog->BoxOf(F::kSrcMac)->SetChecked(true);
             t.dialog->DeleteButton->Click();
         },
         {"21.6.2=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAndWait();
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kTable), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_EQ(dialog->ListView1->ItemCount(), c.rowsAfter);
        EXPECT_EQ(dialog->Count->Caption(), QString::number(c.rowsAfter));
        EXPECT_FALSE(dialog->BoxOf(F::kPermit)->Checked()) << "the input is reset";
        Close();
    }
}

TEST_F(PacketContentRuleFormTest, RefusedInputSendsNothing) {
    struct Case {
        const char* what;
        std::function<void(PacketContentRuleFormTest&)> act;
        const char* message;
        const char* focus; // object name, or null when the focus does not matter
    };
    const Case cases[] = {
        {"no Profile ID",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->ProfileEdit->SetText(QString());
         },
         "Profile ID must be set.", "edtProfileID"},
        {"no Access ID",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->AccessEdit->SetText(QString());
         },
         "Access ID must be set.", "edtAccessID"},
        {"Permit box unticked",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kPermit)->SetChecked(false);
         },
         "Permit option must be checked.", "chkPermit"},
        {"a ticked Source MAC left empty",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kSrcMac)->SetChecked(true);
         },
         "Some check field is empty", "edtSrcMac"},
        {"a ticked Priority left empty",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kPriority)->SetChecked(true);
         },
         "Some check field is empty", "edtPriorityEdit"},
        {"no port",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->TickPort(2, false);
         },
         "You must choose at least 1 port!", nullptr},
        {"a listed key pair, before the Row Status test",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule("6", "2");
             t.dialog->BoxOf(F::kRowStatus)->SetChecked(false);
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
         "edtProfileID"},
        {"createAndGo without its box",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kRowStatus)->SetChecked(false);
         },
         "Row State must be checked and set to createAndGo.", "cbbRowComboBox"},
        {"Row Status ticked at active",
         [](PacketContentRuleFormTest& t) {
             t.FillNewRule();
             t.dialog->ComboOf(F::kRowStatus)->SetItemIndex(0);
         },
         "Row State must be checked and set to createAndGo.", "cbbRowComboBox"},
    };
    OpenAndWait();
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->ResetRuleInput();
        dialog->ListView1->SetFocus();
        QTest::qWait(20);
        messages.boxes.clear();
        c.act(*this);
        dialog->AddButton->Click();
        QTest::qWait(50);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        if (c.focus) {
            ASSERT_NE(dialog->ActiveControl(), nullptr);
            EXPECT_EQ(dialog->ActiveControl()->Widget()->objectName(), QLatin1String(c.focus));
        }
    }
    EXPECT_TRUE(Sets(kTable).empty());
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

// The key test compares texts: "05" is not the listed "5", so the SET goes out and the device
// refuses to create a row it has.
TEST_F(PacketContentRuleFormTest, TheKeyTestComparesTexts) {
    OpenAndWait();
    FillNewRule("05", "1");
    dialog->AddButton->Click();
    Settle();
    ASSERT_EQ(Sets(kTable).size(), 1u);
    EXPECT_EQ(Sets(kTable)[0].substr(0, 7), "12.5.1=");
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

TEST_F(PacketContentRuleFormTest, TheDependencyRulesFollowTheirCombos) {
    OpenAndWait();
    Choose(F::kEnablePriority, 1);
    EXPECT_FALSE(dialog->EditOf(F::kPriority)->isEnabled());
    EXPECT_FALSE(dialog->BoxOf(F::kPriority)->isEnabled());
    Choose(F::kEnablePriority, 0);
    EXPECT_TRUE(dialog->EditOf(F::kPriority)->isEnabled());
    Choose(F::kEnableReplaceDscp, 1);
    EXPECT_FALSE(dialog->EditOf(F::kDscp)->isEnabled());
    // A row shows its own values and the rules follow them; an empty click resets the input.
    SelectRow(1);
    EXPECT_FALSE(dialog->EditOf(F::kPriority)->isEnabled());
    EXPECT_TRUE(dialog->EditOf(F::kDscp)->isEnabled());
    dialog->ListView1->SetSelected(nullptr);
    dialog->ListView1Click();
    EXPECT_TRUE(dialog->ProfileEdit->isEnabled());
    EXPECT_EQ(dialog->ComboOf(F::kEnablePriority)->ItemIndex(), 0);
    // Refresh resets the combos without running the rules: the controls keep their state.
    Choose(F::kEnablePriority, 1);
    dialog->RefreshButton->Click();
    Settle();
    EXPECT_EQ(dialog->ComboOf(F::kEnablePriority)->Text(), QStringLiteral("enabled"));
    EXPECT_FALSE(dialog->EditOf(F::kPriority)->isEnabled());
}

TEST_F(PacketContentRuleFormTest, AfterStopRefreshReadsNothingUntilAWrite) {
    OpenAndWait();
    dialog->StopButton->Click();
    dialog->RefreshButton->Click();
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 0);
    EXPECT_EQ(dialog->Count->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(Sent().empty());
    FillNewRule();
    dialog->AddButton->Click();
    Settle();
    EXPECT_EQ(Sets(kTable).size(), 1u);
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
}

// An Add while a walk runs goes out at once; the table is read again once that walk has ended,
// so the new rule is listed and no row twice.
TEST_F(PacketContentRuleFormTest, AnAddDuringAWalkIsReadBackAfterIt) {
    Open({"--delay", "150"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 1; }));
    ASSERT_FALSE(Quiet());
    FillNewRule();
    dialog->AddButton->Click();
    Settle();
    EXPECT_EQ(Sets(kTable).size(), 1u);
    std::vector<QString> keys;
    for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
        keys.push_back(dialog->ListView1->Item(i)->Caption() + "." + dialog->ListView1->Item(i)->SubItem(0));
    }
    EXPECT_EQ(keys, (std::vector<QString>{"5.1", "6.2", "9.1"}));
}

TEST_F(PacketContentRuleFormTest, ARefusedAddIsShownInABox) {
    OpenAndWait({"--set-error", kTable + "21=noCreation"});
    FillNewRule();
    dialog->AddButton->Click();
    Settle();
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

TEST_F(PacketContentRuleFormTest, ClosingDuringAWalkIsSafe) {
    Open({"--delay", "200"});
    QTest::qWait(50);
    dialog->Close();
    ASSERT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
    delete dialog;
    dialog = nullptr;
    QTest::qWait(300); // late replies reach nobody
}

TEST_F(PacketContentRuleFormTest, TheMenuCommandOpensItWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    DialogRegistry registry;
    RegisterAclDialogs(registry);
    const DialogDef command{"TPacketContentRuleForm", "Packet Content Rule Table", DialogOwner::Application};
    QString caption;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        if (PacketContentRuleForm != nullptr) {
            caption = PacketContentRuleForm->Caption();
            WaitFor([&] { return PacketContentRuleForm->ListView1->ItemCount() == 2; });
            rows = PacketContentRuleForm->ListView1->ItemCount();
        }
        if (QWidget* shown = QApplication::activeModalWidget()) {
            shown->close();
        }
    });
    RunDialogCommand(command, registry, "10.90.90.90", nullptr);
    EXPECT_EQ(caption, QStringLiteral("Packet Content Rule Table: 10.90.90.90"));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(PacketContentRuleForm, nullptr);
}

} // namespace
} // namespace qs::test
