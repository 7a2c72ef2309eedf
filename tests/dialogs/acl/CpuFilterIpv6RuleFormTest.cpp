// The CPU-filter IPv6 rule dialog against krs-sim: what it lists, the exact SETs of Add, Edit and
// Delete, the refusals that send nothing, and clicks and closing during its blocking walk.
#include "CPUFilterIPV6RuleForm.h"
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
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

using F = TCPUFilterIPV6RuleForm;

const std::string kTable = ".1.3.6.1.4.1.58613.12.9.5.4.1.";

class CpuFilterIpv6RuleFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TCPUFilterIPV6RuleForm>(nullptr);
        dialog->Show();
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
    void Select(const char* profile, const char* access) {
        TListView* list = dialog->ListView1;
        for (int i = 0; i < list->ItemCount(); ++i) {
            if (list->Item(i)->Caption() == QLatin1String(profile) &&
                list->Item(i)->SubItem(0) == QLatin1String(access)) {
                list->SetSelected(list->Item(i));
                dialog->ListView1Click();
                return;
            }
        }
        FAIL() << "no row " << profile << "." << access;
    }
    // Keys, Permit and Row Status ticked at their first positions, port 2.
    void FillNewRule(const char* profile = "2", const char* access = "4") {
        dialog->ProfileEdit->SetText(QLatin1String(profile));
        dialog->AccessEdit->SetText(QLatin1String(access));
        dialog->BoxOf(F::kPermit)->SetChecked(true);
        dialog->BoxOf(F::kRowStatus)->SetChecked(true);
        dialog->TickPort(2, true);
    }
    void Type(int column, const char* text) {
        dialog->BoxOf(column)->SetChecked(true);
        dialog->EditOf(column)->SetText(QLatin1String(text));
    }

    TCPUFilterIPV6RuleForm* dialog = nullptr;
};

TEST_F(CpuFilterIpv6RuleFormTest, ListsTheRulesAndShowsTheSelectedOne) {
    Open();
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ItemCount(), 2);
    ASSERT_EQ(list->ColumnCount(), 9);
    EXPECT_EQ(list->ColumnCaption(3), QStringLiteral("Flowlabel"));
    EXPECT_EQ(list->ColumnCaption(7), QStringLiteral("Row Status"));
    EXPECT_EQ(dialog->Count->Caption(), QStringLiteral("2"));
    EXPECT_EQ(dialog->ComboOf(F::kPermit)->Text(), QStringLiteral("permit"));
    EXPECT_EQ(dialog->ComboOf(F::kRowStatus)->Text(), QStringLiteral("createAndGo"));
    EXPECT_FALSE(dialog->EditButton->Enabled());
    EXPECT_FALSE(dialog->RuleOwnerComboBox->isVisible());
    Select("2", "3");
    EXPECT_EQ(dialog->ProfileEdit->Text(), QStringLiteral("2"));
    EXPECT_EQ(dialog->AccessEdit->Text(), QStringLiteral("3"));
    EXPECT_FALSE(dialog->AccessEdit->isEnabled());
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_TRUE(dialog->DeleteButton->Enabled());
    EXPECT_FALSE(dialog->AddButton->Enabled());
    EXPECT_EQ(dialog->EditOf(F::kDestination)->Text(), QStringLiteral("FE800000000000000000000000000001"));
    EXPECT_EQ(dialog->ComboOf(F::kPermit)->Text(), QStringLiteral("permit"));
    for (int port : {3, 4, 28}) {
        EXPECT_TRUE(dialog->PortGrid->PortBoxes[static_cast<std::size_t>(port - 1)]->Checked()) << port;
    }
    QTest::qWait(50); // the picker fits its scroll box once the loop runs
    Screenshot(dialog, "CPUFilterIPV6RuleForm");
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(CpuFilterIpv6RuleFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(CpuFilterIpv6RuleFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add: Permit, createAndGo and the ports, Row Status before the ports",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->AddButton->Click();
         },
         {"7.2.4=INTEGER:2 8.2.4=INTEGER:4 9.2.4=STRING:40 00 00 00 00 00 00 00"},
         3},
        {"Add with class, flow label and both addresses",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.Type(F::kClass, "64");
             t.Type(F::kFlowLabel, "000ABCDE");
             t.Type(F::kSource, "20010DB8000000000000000000000001");
             t.Type(F::kDestination, "FE800000000000000000000000000002");
             t.dialog->AddButton->Click();
         },
         {"3.2.4=INTEGER:64 4.2.4=STRING:00 0A BC DE "
          "5.2.4=STRING:20 01 0D B8 00 00 00 00 00 00 00 00 00 00 00 01 "
          "6.2.4=STRING:FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 02 "
          "7.2.4=INTEGER:2 8.2.4=INTEGER:4 9.2.4=STRING:40 00 00 00 00 00 00 00"},
         3},
        {"Edit with Class ticked: the class and the ports",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.Select("1", "1");
             t.Type(F::kClass, "16");
             t.dialog->EditButton->Click();
         },
         {"3.1.1=INTEGER:16 9.1.1=STRING:80 00 00 00 00 00 00 00"},
         2},
        {"Edit with nothing ticked: the ports alone",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.Select("1", "1");
             t.dialog->TickPort(2, true);
             t.dialog->EditButton->Click();
         },
         {"9.1.1=STRING:C0 00 00 00 00 00 00 00"},
         2},
        {"Edit with Row Status ticked at destroy deletes the rule",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.Select("1", "1");
             t.dialog->BoxOf(F::kRowStatus)->SetChecked(true);
             t.dialog->ComboOf(F::kRowStatus)->SetItemIndex(5);
             t.dialog->EditButton->Click();
         },
         {"8.1.1=INTEGER:6 9.1.1=STRING:80 00 00 00 00 00 00 00"},
         1},
        {"Delete: Row Status destroy alone, without a question",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.Select("2", "3");
             t.dialog->BoxOf(F::kClass)->SetChecked(true);
             t.dialog->DeleteButton->Click();
         },
         {"8.2.3=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        EXPECT_EQ(Sets(kTable), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_EQ(dialog->ListView1->ItemCount(), c.rowsAfter);
        EXPECT_EQ(dialog->Count->Caption(), QString::number(c.rowsAfter));
        EXPECT_EQ(dialog->ProfileEdit->Text(), QString()) << "the key edits are emptied";
        EXPECT_TRUE(dialog->ProfileEdit->isEnabled());
        EXPECT_FALSE(dialog->EditButton->Enabled());
        Close();
    }
}

TEST_F(CpuFilterIpv6RuleFormTest, RefusedInputSendsNothing) {
    struct Case {
        const char* what;
        std::function<void(CpuFilterIpv6RuleFormTest&)> act;
        const char* message;
        const char* focus; // object name, or null when the focus does not matter
    };
    const Case cases[] = {
        {"no Profile ID",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->ProfileEdit->SetText(QString());
         },
         "Profile ID must be set.", "ProfileIDEdit"},
        {"no Access ID",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->AccessEdit->SetText(QString());
         },
         "Access ID must be set.", "AccessEdit"},
        {"a ticked Class left empty",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kClass)->SetChecked(true);
         },
         "Some check field is empty", "ClassEdit"},
        {"the destination is tested before the flow label",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kFlowLabel)->SetChecked(true);
             t.dialog->BoxOf(F::kDestination)->SetChecked(true);
         },
         "Some check field is empty", "DestIPV6Edit"},
        {"no port",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->TickPort(2, false);
         },
         "You must choose at least 1 port!", nullptr},
        {"a listed key pair, before the Permit test",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule("1", "1");
             t.dialog->BoxOf(F::kPermit)->SetChecked(false);
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
         "ProfileIDEdit"},
        {"Permit box unticked",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kPermit)->SetChecked(false);
         },
         "Permit option must be checked.", "PermitComboBox"},
        {"Row Status box unticked",
         [](CpuFilterIpv6RuleFormTest& t) {
             t.FillNewRule();
             t.dialog->BoxOf(F::kRowStatus)->SetChecked(false);
         },
         "Row State must be checked and set to createAndGo.", "RowComboBox"},
    };
    Open();
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
}

// Delete leaves Row Status at destroy and resets keep the combos: the next Add is refused until
// createAndGo is chosen again.
TEST_F(CpuFilterIpv6RuleFormTest, AfterDeleteRowStatusStaysAtDestroy) {
    Open();
    dialog->ComboOf(F::kPermit)->SetItemIndex(0);
    Select("1", "1");
    dialog->DeleteButton->Click();
    EXPECT_EQ(Sets(kTable).size(), 1u);
    EXPECT_EQ(dialog->ComboOf(F::kRowStatus)->Text(), QStringLiteral("destroy"));
    EXPECT_EQ(dialog->ComboOf(F::kPermit)->Text(), QStringLiteral("deny"));
    Mark();
    FillNewRule();
    dialog->AddButton->Click();
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("Row State must be checked and set to createAndGo.")});
    EXPECT_TRUE(Sets(kTable).empty());
}

// The blocking walk handles clicks between its rows: a write clicked then is not started inside
// it, and a close waits until the walk has ended.
TEST_F(CpuFilterIpv6RuleFormTest, ClicksDuringTheBlockingWalkWaitForIt) {
    Open({"--delay", "60"});
    FillNewRule();
    bool clicked = false;
    QTimer::singleShot(30, [&] {
        clicked = true;
        dialog->AddButton->Click();
        dialog->RefreshButton->Click();
        dialog->Close();
    });
    dialog->RefreshButton->Click();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(Sets(kTable).empty());
    EXPECT_LE(dialog->ListView1->ItemCount(), 2);
    ASSERT_TRUE(WaitFor([this] { return !dialog->isVisible(); }));
    QTest::qWait(200);
}

TEST_F(CpuFilterIpv6RuleFormTest, ARefusedWriteIsShownInABox) {
    Open({"--set-error", kTable + "3=wrongValue"});
    Select("1", "1");
    Type(F::kClass, "16");
    dialog->EditButton->Click();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(Sets(kTable).size(), 1u);
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_FALSE(dialog->EditButton->Enabled());
}

TEST_F(CpuFilterIpv6RuleFormTest, TheMenuCommandOpensItWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    DialogRegistry registry;
    RegisterAclDialogs(registry);
    const DialogDef command{"TCPUFilterIPV6RuleForm", "IPv6 Rule (CPU Interface Filtering)",
                            DialogOwner::MainForm};
    QString caption;
    int rows = -1;
    // The blocking first read pumps messages before the dialog is shown: wait for the shown dialog.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (CPUFilterIPV6RuleForm == nullptr || shown == nullptr) {
            return;
        }
        poll.stop();
        caption = CPUFilterIPV6RuleForm->Caption();
        rows = CPUFilterIPV6RuleForm->ListView1->ItemCount();
        shown->close();
    });
    poll.start(20);
    RunDialogCommand(command, registry, "10.90.90.90", nullptr);
    EXPECT_EQ(caption, QStringLiteral("IPv6 Rule (CPU Interface Filtering): 10.90.90.90"));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(CPUFilterIPV6RuleForm, nullptr);
}

} // namespace
} // namespace qs::test
