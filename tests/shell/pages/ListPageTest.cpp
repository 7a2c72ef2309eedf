// The list page against krs-sim: the walk, Add through createAndGo, Edit, Delete after the
// confirmation, and closing while reads run.

#include "PageSimSupport.h"
#include "SubFormScript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace qs::test {
namespace {

constexpr int kName = 1;
constexpr int kPorts = 2;
constexpr int kStatus = 3;

class ListPage : public PageSimTest {
protected:
    TSNMPListViewPanel* Open(int port = 0, const char* add = "createAndGo", const char* del = "destroy") {
        page = std::make_unique<TConfigForm>();
        page->SetCaption(QStringLiteral("Lab Rows: 127.0.0.1"));
        request = Aimed(page.get(), RowTable(), MVT_FMV, 1, "Lab Rows", port);
        return panel = page->SetListViewPage(request, add ? kStatus : -1, add, del ? kStatus : -1, del);
    }
    TListView* List() const { return panel->ListPanel->ListView; }
    QStringList Names() const {
        QStringList out;
        for (int i = 0; i < List()->ItemCount(); ++i) {
            out << List()->Item(i)->SubItem(0);
        }
        return out;
    }
    bool WalkDone() const { return !request->Busy && panel->StatusBar->SimpleText().startsWith("Get:"); }
    void Select(const QString& name) {
        for (int i = 0; i < List()->ItemCount(); ++i) {
            if (List()->Item(i)->SubItem(0) == name) {
                List()->SetSelected(List()->Item(i));
            }
        }
        panel->ListClick(List());
    }
    TEdit* Edit(int i) const { return dynamic_cast<TEdit*>(panel->EditsPanel->Items[i].Control); }
    TCheckBox* Box(int i) const { return panel->EditsPanel->Items[i].CheckBox; }

    std::unique_ptr<TConfigForm> page;
    QsSNMPRequest2Edits* request = nullptr;
    TSNMPListViewPanel* panel = nullptr;
};

TEST_F(ListPage, ColumnOfAListPage) {
    Open();
    const TCtrlBtnPanel* b = panel->BtnPanel;
    std::vector<std::string> shown;
    for (TControl* c : b->ArrangeList) {
        if (c->Visible()) {
            shown.push_back(c->Name().toStdString());
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"SamplesCount", "SamplesLabel", "RefreshBtn", "EditBtn",
                                               "AddBtn", "DeleteBtn", "CloseBtn"}));
    EXPECT_FALSE(b->EditBtn->Enabled());
    EXPECT_FALSE(b->DeleteBtn->Enabled());
    EXPECT_EQ(b->SamplesCount->Caption(), "0");
    // 350 high with its status line below; 8 x 20 caption characters wide, widened to 350.
    EXPECT_EQ(page->ClientHeight(), 350 + 20);
    EXPECT_EQ(page->ClientWidth(), 350);
    EXPECT_FALSE(panel->EditsPanel->Visible());
}

TEST_F(ListPage, WithoutStatusValuesNoAddOrDelete) {
    Open(0, nullptr, nullptr);
    EXPECT_FALSE(panel->BtnPanel->AddBtn->Visible());
    EXPECT_FALSE(panel->BtnPanel->DeleteBtn->Visible());
    EXPECT_TRUE(panel->BtnPanel->EditBtn->Visible());
}

TEST_F(ListPage, WrongStatusValueRaises) {
    Open(0, nullptr, nullptr);
    try {
        panel->SetAddStatus(kStatus, "bogus");
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:bogus");
    }
    try {
        panel->SetDeleteStatus(kName, "destroy"); // not a combo item
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy");
    }
}

TEST_F(ListPage, AddEditDeleteFollowTheTable) {
    Open();
    QString addCaption;
    QString editCaption;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        EXPECT_EQ(Names(), QStringList({"default", "mgmt"}));
        EXPECT_EQ(panel->BtnPanel->SamplesCount->Caption(), "2");

        OnSubForm([&](TForm* sub, TSNMPPanel* frame) {
            addCaption = sub->Caption();
            EXPECT_FALSE(frame->BtnPanel->RefreshBtn->Visible());
            EXPECT_FALSE(panel->EditsPanel->Items[kStatus].Control->Visible());
            Edit(0)->SetText(QStringLiteral("20"));
            Edit(kName)->SetText(QStringLiteral("lab"));
            Box(kName)->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->AddBtn->Click();
        ASSERT_TRUE(WaitFor([&] { return WalkDone() && List()->ItemCount() == 3; }));
        EXPECT_EQ(Names(), QStringList({"default", "mgmt", "lab"}));

        Select(QStringLiteral("lab"));
        EXPECT_TRUE(panel->BtnPanel->EditBtn->Enabled());
        OnSubForm([&](TForm* sub, TSNMPPanel* frame) {
            editCaption = sub->Caption();
            EXPECT_FALSE(frame->BtnPanel->SetCheckedBtn->Enabled());
            EXPECT_EQ(Edit(kName)->Text(), "lab");
            auto* status = dynamic_cast<TComboBox*>(panel->EditsPanel->Items[kStatus].Control);
            EXPECT_EQ(status->Items().ToList(),
                      QStringList({"active", "notInService", "notReady", "createAndWait"}));
            Edit(kName)->SetText(QStringLiteral("lab-renamed"));
            Box(kName)->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->EditBtn->Click();
        ASSERT_TRUE(WaitFor([&] { return WalkDone() && Names().contains(QStringLiteral("lab-renamed")); }));
        auto* status = dynamic_cast<TComboBox*>(panel->EditsPanel->Items[kStatus].Control);
        EXPECT_EQ(status->Items().ToList(), QStringList({"active", "notInService", "notReady", "createAndGo",
                                                         "createAndWait", "destroy"}));

        Select(QStringLiteral("lab-renamed"));
        messages.answers = {IDOK};
        panel->BtnPanel->DeleteBtn->Click();
        // The re-read is blocking: the list is complete when Delete returns.
        EXPECT_EQ(Names(), QStringList({"default", "mgmt"}));
        EXPECT_EQ(panel->BtnPanel->SamplesCount->Caption(), "2");
        EXPECT_EQ(request->Mode, RM_ASYNC);
    }));
    EXPECT_EQ(addCaption, "Lab Rows: 127.0.0.1 (Add)");
    EXPECT_EQ(editCaption, "Lab Rows: 127.0.0.1 (Edit)");
    EXPECT_EQ(Sets(), QStringList({"2.1.2.20=STRING:lab 2.1.4.20=INTEGER:4", "2.1.2.20=STRING:lab-renamed",
                                   "2.1.4.20=INTEGER:6"}));
    EXPECT_EQ(messages.Texts(), QStringList({"Are you sure to delete it?"}));
    EXPECT_FALSE(panel->EditsPanel->Visible()); // the grid is back on the page, hidden
    EXPECT_EQ(panel->EditsPanel->Parent(), panel->ClientPanel);
}

TEST_F(ListPage, CancelledDeleteSendsNothing) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        Select(QStringLiteral("mgmt"));
        messages.answers = {IDCANCEL};
        panel->BtnPanel->DeleteBtn->Click();
    }));
    EXPECT_TRUE(Sets().isEmpty());
}

TEST_F(ListPage, RefusedAddNeverShowsSuccess) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            Edit(0)->SetText(QStringLiteral("10")); // the row exists: createAndGo is refused
            Edit(kName)->SetText(QStringLiteral("again"));
            Box(kName)->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->AddBtn->Click();
        EXPECT_FALSE(panel->StatusBar->SimpleText().startsWith(QStringLiteral("Set: Ok!")));
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        EXPECT_EQ(Names(), QStringList({"default", "mgmt"}));
    }));
    ASSERT_EQ(messages.boxes.size(), 1); // the driver's box with the agent's error
    EXPECT_EQ(messages.boxes[0].caption, "KRS-5400MX-28Module");
}

// A SET the agent refuses leaves the Add or Edit sub-form open with what was typed and the agent's
// reason in a box, so the user can correct it; the list is read again only once it closes.
TEST_F(ListPage, ASetTheAgentRefusesKeepsTheSubFormOpenWithWhatWasTyped) {
    const QString tooLong(40, QLatin1Char('n')); // the agent takes names of 32 octets at most
    const struct {
        const char* name;
        bool add;
        QString typed;
        QString reason;
    } cases[] = {
        {"Add of a row that exists", true, QStringLiteral("again"),
         QStringLiteral("(SNMP) Cannot create/set variable, Inconsistent Value!")},
        {"Edit with a name too long", false, tooLong,
         QStringLiteral("(SNMP) Cannot create/set variable, Wrong Length!")},
    };
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            messages.boxes.clear();
            ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
            Select(QStringLiteral("mgmt"));
            bool stillOpen = false;
            QString kept;
            OnSubForm([&](TForm* sub, TSNMPPanel* frame) {
                if (c.add) {
                    Edit(0)->SetText(QStringLiteral("10"));
                }
                Edit(kName)->SetText(c.typed);
                Box(kName)->SetChecked(true);
                frame->BtnPanel->SetCheckedBtn->SetEnabled(true);
                frame->BtnPanel->SetCheckedBtn->Click();
                stillOpen = sub->isVisible();
                kept = Edit(kName)->Text();
            });
            (c.add ? panel->BtnPanel->AddBtn : panel->BtnPanel->EditBtn)->Click();
            EXPECT_TRUE(stillOpen);
            EXPECT_EQ(kept, c.typed);
            ASSERT_EQ(messages.boxes.size(), 1);
            EXPECT_EQ(messages.boxes[0].text, c.reason);
        }
    }));
    EXPECT_EQ(Sets().size(), 2);
}

TEST_F(ListPage, EmptyTickedItemKeepsTheAddFormOpen) {
    Open();
    bool stillOpen = false;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        OnSubForm([&](TForm* sub, TSNMPPanel* frame) {
            Edit(0)->SetText(QStringLiteral("30"));
            Box(kName)->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
            stillOpen = sub->isVisible();
        });
        panel->BtnPanel->AddBtn->Click();
    }));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(messages.Texts(), QStringList({"Some items are empty!"}));
    EXPECT_TRUE(Sets().isEmpty());
}

// The port-list picker in the Add sub-form: nothing to start from, so every box is unticked and
// the ticks become a map of ceil(28 / 8) = 4 octets, which the agent takes.
TEST_F(ListPage, AddWithPortsPickedFromNothing) {
    Open();
    panel->EditsPanel->SetPortListItem(kPorts, 12, 28);
    int tickedAtOpen = -1;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            Edit(0)->SetText(QStringLiteral("40"));
            QTimer::singleShot(0, [&] {
                auto* picker = dynamic_cast<TForm*>(QApplication::activeModalWidget());
                ASSERT_NE(picker, nullptr);
                tickedAtOpen = 0;
                for (int n = 1; n <= 28; ++n) {
                    auto* box =
                        dynamic_cast<TCheckBox*>(picker->FindComponent(QStringLiteral("PortBox%1").arg(n)));
                    tickedAtOpen += box->Checked() ? 1 : 0;
                    box->SetChecked(n <= 2 || n == 28);
                }
                dynamic_cast<TButton*>(picker->FindComponent(QStringLiteral("OKBtn")))->Click();
            });
            Edit(kPorts)->OnClick(Edit(kPorts));
            EXPECT_EQ(Edit(kPorts)->Text(), "1-2,28");
            Box(kPorts)->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->AddBtn->Click();
        ASSERT_TRUE(WaitFor([&] { return WalkDone() && List()->ItemCount() == 3; }));
        EXPECT_EQ(List()->Item(2)->SubItem(1), "1-2,28[C0000010]");
        // Delete it again, so the table is as the other tests expect it.
        List()->SetSelected(List()->Item(2));
        panel->ListClick(List());
        messages.answers = {IDOK};
        panel->BtnPanel->DeleteBtn->Click();
    }));
    EXPECT_EQ(tickedAtOpen, 0);
    ASSERT_EQ(Sets().size(), 2);
    EXPECT_EQ(Sets()[1], "2.1.4.40=INTEGER:6");
    EXPECT_TRUE(Sets()[0].startsWith(QStringLiteral("2.1.3.40="))) << Sets()[0].toStdString();
    EXPECT_TRUE(Sets()[0].contains(QStringLiteral("C0 00 00 10"))) << Sets()[0].toStdString();
}

const QsSNMPVarDesc kReadOnlyRows[] = {
    {"1.3.6.1.4.1.99998.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99998.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

TEST_F(ListPage, ReadOnlyTableHasNoEditButtonButADoubleClickStillEdits) {
    page = std::make_unique<TConfigForm>();
    request = Aimed(page.get(), kReadOnlyRows, MVT_FMV, 1, "Read-only");
    panel = page->SetListViewPage(request, -1, nullptr, -1, nullptr);
    EXPECT_FALSE(panel->BtnPanel->EditBtn->Visible());
    QString caption;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        Select(QStringLiteral("mgmt"));
        OnSubForm([&](TForm* sub, TSNMPPanel*) { caption = sub->Caption(); });
        List()->OnDblClick(List());
    }));
    EXPECT_EQ(caption, "ConfigForm (Edit)"); // the form's own caption: none was set
}

const QsSNMPVarDesc kOneWritableRow[] = {
    {"1.3.6.1.4.1.99998.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99998.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.2.1.4", "Status", SYN_INTEGER, ACC_READWRITE, RowTable()[3].OptionList},
    {nullptr},
};

// Key and status boxes are ticked, so the lone writable item keeps its box and starts unticked:
// Set then creates the row with its index and status only.
TEST_F(ListPage, AddWithOneWritableColumnStartsItUnticked) {
    page = std::make_unique<TConfigForm>();
    request = Aimed(page.get(), kOneWritableRow, MVT_FMV, 1, "One");
    panel = page->SetListViewPage(request, 2, "createAndGo", 2, "destroy");
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            EXPECT_EQ(frame->BtnPanel->SetCheckedBtn->Caption(), "Set");
            EXPECT_TRUE(Box(1)->Visible());
            EXPECT_FALSE(Box(1)->Checked());
            Edit(0)->SetText(QStringLiteral("50"));
            Edit(1)->SetText(QStringLiteral("typed but not ticked"));
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->AddBtn->Click();
        ASSERT_TRUE(WaitFor([&] { return WalkDone() && List()->ItemCount() == 3; }));
        // Delete it again, so the table is as the other tests expect it.
        Select(QString());
        List()->SetSelected(List()->Item(2));
        panel->ListClick(List());
        panel->BtnPanel->DeleteBtn->Click();
    }));
    ASSERT_EQ(Sets().size(), 2);
    EXPECT_EQ(Sets()[0], "2.1.4.50=INTEGER:4");
}

TEST_F(ListPage, RefreshDuringAWalkChangesNothing) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(request->Busy); // the first read is under way
        panel->BtnPanel->RefreshBtn->Click();
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        EXPECT_EQ(List()->ItemCount(), 2);
    }));
    EXPECT_EQ(GetNexts(), 3); // one walk: two rows and the end
}

class SlowListPage : public ListPage {
protected:
    static void SetUpTestSuite() {
        ListPage::SetUpTestSuite();
        SimOptions options;
        options.dataFile = KRS_PAGES_DATA;
        options.args = {"--delay", "150"};
        slow = new SimProcess(options);
        if (!slow->start()) {
            ADD_FAILURE() << slow->lastError();
        }
    }
    static void TearDownTestSuite() {
        delete std::exchange(slow, nullptr);
        ListPage::TearDownTestSuite();
    }
    static SimProcess* slow;
};
SimProcess* SlowListPage::slow = nullptr;

TEST_F(SlowListPage, ClosingDuringTheWalkEndsWithoutHanging) {
    Open(slow->port());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return List()->ItemCount() >= 1; }));
        panel->BtnPanel->CloseBtn->Click();
    }));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(page->Requests.empty());
    EXPECT_EQ(panel->Request, nullptr);
    page.reset(); // nothing left behind touches the freed form
    QTest::qWait(400);
}

TEST_F(SlowListPage, ClosingDuringTheReReadAfterDeleteEndsWithoutHanging) {
    Open(slow->port());
    int nextsBefore = 0;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return WalkDone(); }));
        Select(QStringLiteral("mgmt"));
        nextsBefore = static_cast<int>(slow->journal().size());
        messages.answers = {IDOK};
        // Pressed while the blocking re-read handles its first row.
        QTimer::singleShot(50, panel->BtnPanel->CloseBtn, [this] { panel->BtnPanel->CloseBtn->Click(); });
        panel->BtnPanel->DeleteBtn->Click();
    }));
    // One SET, then the re-read stopped after its first step.
    std::vector<std::string> after;
    const auto records = slow->journal();
    for (std::size_t i = static_cast<std::size_t>(nextsBefore); i < records.size(); ++i) {
        after.push_back(records[i].pdu);
    }
    EXPECT_EQ(after, (std::vector<std::string>{"set", "getnext"}));
    EXPECT_TRUE(page->Requests.empty());
    page.reset();
    QTest::qWait(400);
}

} // namespace
} // namespace qs::test
