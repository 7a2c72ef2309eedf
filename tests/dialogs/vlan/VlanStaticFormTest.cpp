// The static VLAN dialog against krs-sim: what it reads on opening, the exact SETs of Set, Add
// and Delete, the refusals that send nothing, failures that are always shown, and closing.
#include "VlanStaticForm.h"
#include "BlockingAction.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kTable = ".1.3.6.1.2.1.17.7.1.4.3.1.";
const char* const kZeros = "00 00 00 00 00 00 00 00";

class VlanStaticFormTest : public DialogSimTest {
public: // the write cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TVlanStaticForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait(std::vector<std::string> args = {}) {
        Open(std::move(args));
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Select(const char* vlan) {
        TListView* list = dialog->LV_dot1qVlanStaticEntry;
        for (int i = 0; i < list->ItemCount(); ++i) {
            if (list->Item(i)->Caption() == QLatin1String(vlan)) {
                list->SetSelected(list->Item(i));
                return;
            }
        }
        FAIL() << "no row " << vlan;
    }
    // Waits for the walk that follows a write and for every reply.
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->VlanRequest->Busy; }));
        QTest::qWait(100);
    }
    QString Panel0() const { return dialog->StatusOut().Text(); }
    std::vector<QString> Captions() const {
        std::vector<QString> c;
        for (int i = 0; i < dialog->LV_dot1qVlanStaticEntry->ItemCount(); ++i) {
            c.push_back(dialog->LV_dot1qVlanStaticEntry->Item(i)->Caption());
        }
        return c;
    }

    TVlanStaticForm* dialog = nullptr;
};

TEST_F(VlanStaticFormTest, OpeningListsTheVlansAndTheNextFreeIndex) {
    OpenAndWait();
    TListView* list = dialog->LV_dot1qVlanStaticEntry;
    ASSERT_EQ(list->ColumnCount(), 6);
    const char* titles[] = {"VLAN Index",     "Name",      "Egress Ports", "Forbidden Egress Ports",
                            "Untagged Ports", "Row Status"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list->ColumnCaption(i), QLatin1String(titles[i]));
    }
    EXPECT_EQ(Captions(), (std::vector<QString>{"1", "10", "20", "40"}));
    EXPECT_EQ(list->Item(2)->SubItem(0), QStringLiteral("voice"));
    EXPECT_EQ(list->Item(2)->SubItem(1), QStringLiteral("1-2[C000000000000000]"));
    EXPECT_EQ(list->Item(2)->SubItem(2), QStringLiteral("2000000000000000"));
    EXPECT_EQ(list->Item(2)->SubItem(4), QStringLiteral("active"));
    EXPECT_EQ(dialog->ST_Count2->Caption(), QStringLiteral("4"));
    EXPECT_EQ(dialog->NextFreeLocalVlanIndex->Caption(), QStringLiteral("4095"));
    EXPECT_FALSE(dialog->SetBtn->Enabled());
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    EXPECT_TRUE(dialog->AddBtn->Enabled());
    EXPECT_EQ(dialog->PageControl1->PageCount(), 3);
    EXPECT_EQ(dialog->PageControl1->Pages(1)->Caption(), QStringLiteral("Forbidden Egress Ports"));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(VlanStaticFormTest, SelectingARowShowsItAndSwapsTheButtons) {
    OpenAndWait();
    Select("20");
    EXPECT_EQ(dialog->ED_VLANID->Text(), QStringLiteral("20"));
    EXPECT_EQ(dialog->ED_VLANName->Text(), QStringLiteral("voice"));
    EXPECT_TRUE(dialog->EgressPorts.Ticked(1));
    EXPECT_TRUE(dialog->EgressPorts.Ticked(2));
    EXPECT_FALSE(dialog->EgressPorts.Ticked(3));
    EXPECT_TRUE(dialog->ForbiddenPorts.Ticked(3));
    EXPECT_TRUE(dialog->UntaggedPorts.Ticked(1));
    EXPECT_EQ(dialog->Status->Text(), QStringLiteral("active"));
    EXPECT_TRUE(dialog->SetBtn->Enabled());
    EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    EXPECT_FALSE(dialog->AddBtn->Enabled());
    Screenshot(dialog, "VlanStaticForm");
    dialog->LV_dot1qVlanStaticEntry->SetSelected(nullptr);
    EXPECT_EQ(dialog->ED_VLANID->Text(), QString());
    EXPECT_FALSE(dialog->EgressPorts.Ticked(1));
    EXPECT_TRUE(dialog->AddBtn->Enabled());
}

// Every write, as krs-sim received it.
TEST_F(VlanStaticFormTest, WritesSendTheirColumnsOneSetAtATimeInOrder) {
    struct Case {
        const char* what;
        std::function<void(VlanStaticFormTest&)> act;
        std::vector<std::string> sets;
        std::vector<QString> rowsAfter;
    };
    const Case cases[] = {
        {"Set on a row: egress, forbidden, untagged, status, name",
         [](VlanStaticFormTest& t) {
             t.Select("20");
             t.dialog->ED_VLANName->SetText(QStringLiteral("phones"));
             t.dialog->EgressPorts.Tick(28, true);
             t.dialog->SetBtn->Click();
         },
         {"2.20=STRING:C0 00 00 10 00 00 00 00", "3.20=STRING:20 00 00 00 00 00 00 00",
          "4.20=STRING:80 00 00 00 00 00 00 00", "5.20=INTEGER:1", "1.20=STRING:phones"},
         {"1", "10", "20", "40"}},
        {"Set with an empty name sends it empty",
         [](VlanStaticFormTest& t) {
             t.Select("40");
             t.dialog->ED_VLANName->SetText(QString());
             t.dialog->SetBtn->Click();
         },
         {"2.40=STRING:0F 00 00 00 00 00 00 00", std::string("3.40=STRING:") + kZeros,
          "4.40=STRING:0F 00 00 00 00 00 00 00", "5.40=INTEGER:1", "1.40=STRING:"},
         {"1", "10", "20", "40"}},
        {"Add with a name: four columns, then the forbidden ports alone",
         [](VlanStaticFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("100"));
             t.dialog->ED_VLANName->SetText(QStringLiteral("cams"));
             t.dialog->EgressPorts.Tick(5, true);
             t.dialog->UntaggedPorts.Tick(5, true);
             t.dialog->AddBtn->Click();
         },
         {"1.100=STRING:cams 2.100=STRING:08 00 00 00 00 00 00 00 4.100=STRING:08 00 00 00 00 00 00 00 "
          "5.100=INTEGER:4",
          std::string("3.100=STRING:") + kZeros},
         {"1", "10", "20", "40", "100"}},
        {"Add without a name leaves the name out",
         [](VlanStaticFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("4094"));
             t.dialog->ForbiddenPorts.Tick(9, true);
             t.dialog->AddBtn->Click();
         },
         {std::string("2.4094=STRING:") + kZeros + " 4.4094=STRING:" + kZeros + " 5.4094=INTEGER:4",
          "3.4094=STRING:00 80 00 00 00 00 00 00"},
         {"1", "10", "20", "40", "4094"}},
        {"Delete sends destroy and asks nothing",
         [](VlanStaticFormTest& t) {
             t.Select("10");
             t.dialog->DeleteBtn->Click();
         },
         {"5.10=INTEGER:6"},
         {"1", "20", "40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAndWait();
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kTable), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError") << r.pdu;
        }
        EXPECT_EQ(Captions(), c.rowsAfter);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_EQ(dialog->ED_VLANID->Text(), QString()) << "editors cleared";
        EXPECT_FALSE(dialog->SetBtn->Enabled());
        for (int i = 0; i < dialog->VlanRequest->Request.List.GetCount(); ++i) {
            EXPECT_FALSE(dialog->VlanRequest->Request.List.GetVar(i)->Access & ACC_INVALID) << i;
        }
        EXPECT_EQ(dialog->NextFreeLocalVlanIndex->Caption(), QStringLiteral("4095"))
            << "only Refresh reads it";
        delete dialog;
        dialog = nullptr;
        sim.reset();
    }
}

TEST_F(VlanStaticFormTest, RefusedInputSendsNothing) {
    OpenAndWait();
    dialog->SetBtn->Click(); // no row selected: nothing, silently
    EXPECT_TRUE(messages.boxes.isEmpty());
    dialog->ED_VLANName->SetText(QStringLiteral("x"));
    dialog->AddBtn->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input VLAN ID.")});
    QTest::qWait(100);
    EXPECT_TRUE(Sent().empty());
}

// Set and Add name their row by the VLAN ID: a text that is no VLAN ID is refused with a box that
// says why and the focus on the edit, never sent.
TEST_F(VlanStaticFormTest, AVlanIdThatIsNoneIsRefusedWithAMessageAndTheFocusOnItsEdit) {
    OpenAndWait();
    const QString range = QStringLiteral("Please input a VLAN ID from 1 to 4094.");
    const QString empty = QStringLiteral("Please input VLAN ID.");
    const struct {
        const char* text;
        QString message;
    } cases[] = {{"", empty},     {"  ", empty}, {"-1", range},        {"0", range},
                 {"4095", range}, {"zz", range}, {"1.2.3.4.5", range}, {"99999999999999999999", range}};
    for (const bool add : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(add ? "Add '" : "Set '") + c.text + "'");
            messages.boxes.clear();
            if (!add) {
                Select("1");
            } else {
                dialog->LV_dot1qVlanStaticEntry->SetSelected(nullptr); // Add is offered without a row
                dialog->LV_dot1qVlanStaticEntryClick();
            }
            dialog->ED_VLANID->SetText(QString::fromLatin1(c.text));
            (add ? dialog->AddBtn : dialog->SetBtn)->Click();
            EXPECT_EQ(messages.Texts(), QStringList{c.message});
            EXPECT_EQ(dialog->focusWidget(), dialog->ED_VLANID);
        }
    }
    QTest::qWait(100);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(VlanStaticFormTest, AVlanIdWithBlanksOrAPlusIsSentAsItsNumber) {
    OpenAndWait();
    dialog->ED_VLANID->SetText(QStringLiteral(" +77 "));
    dialog->AddBtn->Click();
    Settle();
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    ASSERT_FALSE(Sets(kTable).empty());
    EXPECT_TRUE(Sets(kTable)[0].find(".77=") != std::string::npos) << Sets(kTable)[0];
}

TEST_F(VlanStaticFormTest, WritesAndClosingWaitForTheWalkUntilStopped) {
    Open({"--delay", "300"});
    ASSERT_FALSE(dialog->WalkFinished.Ready());
    dialog->ED_VLANID->SetText(QStringLiteral("77"));
    dialog->AddBtn->Click();
    dialog->Close();
    EXPECT_TRUE(dialog->isVisible()) << "the close is refused";
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Get data not complete")));
    dialog->btnStop->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
    EXPECT_LT(dialog->LV_dot1qVlanStaticEntry->ItemCount(), 4) << "the walk ended after the reply in flight";
    EXPECT_TRUE(Sets(kTable).empty());
    messages.boxes.clear();
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(dialog->RequestsEnded());
}

TEST_F(VlanStaticFormTest, AFailedWalkIsShownAndTheDialogCanBeClosed) {
    Open({"--no-answer"});
    ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
    EXPECT_FALSE(Panel0().isEmpty());
    EXPECT_TRUE(Panel0().contains(QStringLiteral("time"), Qt::CaseInsensitive)) << Panel0().toStdString();
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
}

// An agent without the next-free-index object: opening (one user action, as the menu command
// runs it) and Refresh show that read's failure, which the walk's success never replaces.
TEST_F(VlanStaticFormTest, AScalarTheAgentLacksNeverLetsTheDialogReadOk) {
    {
        const BlockingAction opening;
        Open({"--without", ".1.3.6.1.2.1.17.7.1.4.4"});
    }
    ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->VlanRequest->Busy; }));
    const QString missing = QString::fromStdString(MapSnmpStatus(2).text); // noSuchName
    EXPECT_EQ(Captions(), (std::vector<QString>{"1", "10", "20", "40"}));
    EXPECT_FALSE(Panel0().contains(QStringLiteral("Ok!"))) << Panel0().toStdString();
    EXPECT_TRUE(Panel0().contains(missing)) << Panel0().toStdString();
    dialog->RefreshBtn->Click();
    Settle();
    EXPECT_FALSE(Panel0().contains(QStringLiteral("Ok!"))) << Panel0().toStdString();
    EXPECT_TRUE(Panel0().contains(missing)) << Panel0().toStdString();
}

TEST_F(VlanStaticFormTest, ARefusedSetIsShownInABox) {
    OpenAndWait({"--set-error", kTable.substr(0, kTable.size() - 1) + ".1=genErr"});
    Select("20");
    dialog->SetBtn->Click();
    Settle();
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("(SNMP) Cannot perform operation, General Error!"));
    EXPECT_EQ(Sets(kTable).size(), 5u);
}

TEST_F(VlanStaticFormTest, DeletingTheDialogDuringAWalkIsSafe) {
    Open({"--delay", "200"});
    QTest::qWait(50);
    delete dialog;
    dialog = nullptr;
    QTest::qWait(400); // late replies reach nobody
    SUCCEED();
}

TEST_F(VlanStaticFormTest, TheMenuCommandOpensItWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    DialogRegistry registry;
    RegisterLayer2Dialogs(registry);
    const DialogDef command{"TVlanStaticForm", "VLAN Static", DialogOwner::MainForm};
    QString caption;
    bool globalSet = false;
    QTimer::singleShot(0, [&] {
        if (VlanStaticForm != nullptr) {
            globalSet = true;
            caption = VlanStaticForm->Caption();
            WaitFor([&] { return VlanStaticForm->WalkFinished.Ready(); });
        }
        if (QWidget* shown = QApplication::activeModalWidget()) {
            shown->close();
        }
    });
    RunDialogCommand(command, registry, "10.90.90.90", nullptr);
    EXPECT_TRUE(globalSet);
    EXPECT_EQ(caption, QStringLiteral("VLAN Static: 10.90.90.90"));
    EXPECT_EQ(VlanStaticForm, nullptr);
    const std::vector<const DialogDef*> commands{&command};
    EXPECT_TRUE(registry.Missing(commands).empty());
}

} // namespace
} // namespace qs::test
