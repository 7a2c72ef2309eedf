// The IGMP and MLD snooping router-port dialogs against krs-sim: what a walk shows and enables,
// the exact SET of the static and forbidden maps, the walk gates of the MLD dialog, failed reads
// shown, and the menu entries.
#include "Button.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "IGMPRouterPortsForm.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MLD_SnoopingRouterPortsForm.h"
#include "MenuEntryCheck.h"
#include "PageControl.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kSnooping = ".1.3.6.1.4.1.58613.12.";
const char* const kZeros = "00 00 00 00 00 00 00 00";

class RouterPortsFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(bool mld, std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        if (mld) {
            dialog = CreateForm<TMLD_SnoopingRouterPortsForm>(nullptr);
        } else {
            dialog = CreateForm<TIGMPRouterPortsForm>(nullptr);
        }
        dialog->Show();
    }
    void OpenAndWait(bool mld) {
        Open(mld);
        Settle();
        Mark();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->RouterRequest->Busy; }));
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return !dialog->RouterRequest->Busy; }));
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
    void Select(const char* vlan) {
        TListView* list = dialog->ListView1;
        for (int i = 0; i < list->ItemCount(); ++i) {
            if (list->Item(i)->Caption() == QLatin1String(vlan)) {
                list->SetSelected(list->Item(i));
                return;
            }
        }
        FAIL() << "no row " << vlan;
    }
    // Every box of unit 1 enabled (true) or disabled (false).
    static bool AllBoxes(const PortPickerSlot& slot, bool enabled) {
        for (const TCheckBox* box : slot.Picker()->PortBoxes) {
            if (box->Enabled() != enabled) {
                return false;
            }
        }
        return true;
    }
    void ExpectEditability() {
        EXPECT_TRUE(AllBoxes(dialog->StaticPorts, true));
        EXPECT_TRUE(AllBoxes(dialog->ForbiddenPorts, true));
        EXPECT_TRUE(AllBoxes(dialog->DynamicPorts, false));
    }

    RouterPortsForm* dialog = nullptr;
};

TEST_F(RouterPortsFormTest, AWalkListsTheVlansAndLeavesOnlyStaticAndForbiddenEditable) {
    for (const bool mld : {false, true}) {
        SCOPED_TRACE(mld ? "MLD" : "IGMP");
        OpenAndWait(mld);
        TListView* list = dialog->ListView1;
        ASSERT_EQ(list->ColumnCount(), 4);
        EXPECT_EQ(list->ColumnCaption(0),
                  mld ? QStringLiteral("Router Ports VLAN ID") : QStringLiteral("VID"));
        EXPECT_EQ(list->ColumnCaption(3), mld ? QStringLiteral("Router Forbidden Port List")
                                              : QStringLiteral("Forbidden Router Ports"));
        ASSERT_EQ(list->ItemCount(), mld ? 2 : 3);
        EXPECT_EQ(list->Item(1)->Caption(), mld ? QStringLiteral("100") : QStringLiteral("10"));
        EXPECT_EQ(dialog->StaticText1->Caption(), QString::number(list->ItemCount()));
        EXPECT_EQ(dialog->PageControl1->Pages(1)->Caption(), QStringLiteral("Dynamic Ports"));
        EXPECT_EQ(dialog->btnSet->Enabled(), !mld) << "MLD: Set waits for a row";
        ExpectEditability();
        Select(mld ? "100" : "10");
        EXPECT_EQ(dialog->stVlanID->Caption(), mld ? QStringLiteral("100") : QStringLiteral("10"));
        EXPECT_TRUE(dialog->DynamicPorts.Ticked(mld ? 27 : 2));
        EXPECT_TRUE(dialog->ForbiddenPorts.Ticked(mld ? 5 : 3));
        EXPECT_TRUE(dialog->btnSet->Enabled());
        ExpectEditability();
        Screenshot(dialog, mld ? "MLD_SnoopingRouterPortsForm" : "IGMPRouterPortsForm");
        list->SetSelected(nullptr);
        EXPECT_EQ(dialog->stVlanID->Caption(), QString());
        EXPECT_FALSE(dialog->DynamicPorts.Ticked(mld ? 27 : 2));
        EXPECT_FALSE(dialog->btnSet->Enabled());
        EXPECT_TRUE(messages.boxes.isEmpty());
        Close();
    }
}

TEST_F(RouterPortsFormTest, SetWritesTheStaticAndForbiddenMapsOfTheSelectedVlan) {
    struct Case {
        const char* what;
        bool mld;
        const char* vlan;
        std::function<void(RouterPortsFormTest&)> edit;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"IGMP: a static port added",
         false,
         "1",
         [](RouterPortsFormTest& t) { t.dialog->StaticPorts.Tick(5, true); },
         {std::string("73.3.1.4.1.5.1=STRING:88 00 00 00 00 00 00 00 73.3.1.4.1.15.1=STRING:") + kZeros}},
        {"IGMP: nothing ticked sends two zero maps",
         false,
         "20",
         [](RouterPortsFormTest&) {},
         {std::string("73.3.1.4.1.5.20=STRING:") + kZeros + " 73.3.1.4.1.15.20=STRING:" + kZeros}},
        {"MLD: forbidden port 28 added",
         true,
         "100",
         [](RouterPortsFormTest& t) { t.dialog->ForbiddenPorts.Tick(28, true); },
         {std::string("34.3.4.1.2.100=STRING:") + kZeros + " 34.3.4.1.4.100=STRING:08 00 00 10 00 00 00 00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAndWait(c.mld);
        Select(c.vlan);
        c.edit(*this);
        dialog->btnSet->Click();
        EXPECT_EQ(dialog->stVlanID->Caption(), QString()) << "editors cleared";
        Settle();
        EXPECT_EQ(Sets(kSnooping), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError") << r.pdu;
        }
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        EXPECT_EQ(dialog->ListView1->ItemCount(), c.mld ? 2 : 3) << "read again";
        ExpectEditability();
        Close();
    }
}

TEST_F(RouterPortsFormTest, IgmpSetWithoutARowSendsNothing) {
    OpenAndWait(false);
    ASSERT_TRUE(dialog->btnSet->Enabled());
    dialog->StaticPorts.Tick(1, true);
    dialog->btnSet->Click();
    QTest::qWait(150);
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(RouterPortsFormTest, MldRefusesSetAndCloseWhileTheWalkRunsUntilStopped) {
    Open(true, {"--delay", "300"});
    ASSERT_FALSE(dialog->WalkFinished.Ready());
    dialog->btnGet->Click(); // silent while the walk runs
    EXPECT_TRUE(messages.boxes.isEmpty());
    dialog->btnSet->SetEnabled(true);
    dialog->btnSet->Click();
    dialog->Close();
    EXPECT_TRUE(dialog->isVisible()) << "the close is refused";
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Get data not complete")));
    dialog->btnStop->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
    EXPECT_TRUE(Sets(kSnooping).empty());
    messages.boxes.clear();
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(dialog->RequestsEnded());
}

TEST_F(RouterPortsFormTest, IgmpRefreshIsSilentWhileTheWalkRuns) {
    Open(false, {"--delay", "200"});
    dialog->btnGet->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3) << "each row listed once";
}

TEST_F(RouterPortsFormTest, AFailedWalkIsShownAndRefreshWorksAgain) {
    for (const bool mld : {false, true}) {
        SCOPED_TRACE(mld ? "MLD" : "IGMP");
        Open(mld, {"--no-answer"});
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
        const QString shown = dialog->StatusOut().Text();
        EXPECT_TRUE(shown.contains(QStringLiteral("time"), Qt::CaseInsensitive)) << shown.toStdString();
        dialog->btnGet->Click();
        EXPECT_FALSE(dialog->WalkFinished.Ready()) << "a new walk started";
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready(); }));
        dialog->Close();
        EXPECT_FALSE(dialog->isVisible());
        Close();
    }
}

TEST_F(RouterPortsFormTest, DeletingTheDialogDuringAWalkIsSafe) {
    Open(true, {"--delay", "200"});
    QTest::qWait(50);
    delete dialog;
    dialog = nullptr;
    QTest::qWait(400);
    SUCCEED();
}

TEST_F(RouterPortsFormTest, TheMenuCommandsOpenThemWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    ExpectMenuCommandOpens(&IGMPRouterPortsForm, "TIGMPRouterPortsForm", "IGMP Router Ports",
                           [](auto* f) { return f->WalkFinished.Ready(); });
    ExpectMenuCommandOpens(&MLD_SnoopingRouterPortsForm, "TMLD_SnoopingRouterPortsForm",
                           "MLD Snooping Router Ports", [](auto* f) { return f->WalkFinished.Ready(); });
}

} // namespace
} // namespace qs::test
