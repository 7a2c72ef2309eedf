// The current VLAN table dialog against krs-sim: it reads the deletion count and the table,
// shows a selected VLAN's ports on display-only pickers, and writes nothing.
#include "VLanCurrentTableForm.h"
#include "Button.h"
#include "DialogSimFixture.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "stackingPortUitFormUnit.h"

namespace qs::test {
namespace {

class VlanCurrentTableFormTest : public DialogSimTest {
protected:
    void SetUp() override {
        DialogSimTest::SetUp();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TVLanCurrentTableForm>(nullptr);
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return Idle() && dialog->LV_dot1qVlanCurrentEntry->ItemCount() == 4; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    bool Idle() const { return !dialog->TableRequest->Busy && !dialog->ScalarRequest->Busy; }

    TVLanCurrentTableForm* dialog = nullptr;
};

TEST_F(VlanCurrentTableFormTest, ListsTheCurrentVlansAndTheDeletionCount) {
    TListView* list = dialog->LV_dot1qVlanCurrentEntry;
    const char* titles[] = {
        "Time Mark", "Index",        "FDB ID", "Current Egress Ports", "Current Untagged Ports",
        "Status",    "Creation Time"};
    ASSERT_EQ(list->ColumnCount(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list->ColumnCaption(i), QLatin1String(titles[i]));
    }
    EXPECT_EQ(list->Item(1)->SubItem(0), QStringLiteral("10"));
    EXPECT_EQ(list->Item(1)->SubItem(2), QStringLiteral("0000003000000000"));
    EXPECT_EQ(list->Item(3)->SubItem(4), QStringLiteral("dynamicGvrp"));
    EXPECT_EQ(dialog->VlanNumDeletes->Caption(), QStringLiteral("3"));
    EXPECT_EQ(dialog->ST_Count2->Caption(), QStringLiteral("4"));
    EXPECT_FALSE(dialog->SetBtn->isVisible());
}

TEST_F(VlanCurrentTableFormTest, ASelectedVlanShowsItsPortsWhichCannotBeChanged) {
    TListView* list = dialog->LV_dot1qVlanCurrentEntry;
    list->SetSelected(list->Item(2));
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("20"));
    EXPECT_TRUE(dialog->EgressPorts.Ticked(1));
    EXPECT_TRUE(dialog->EgressPorts.Ticked(2));
    EXPECT_TRUE(dialog->UntaggedPorts.Ticked(1));
    EXPECT_FALSE(dialog->UntaggedPorts.Ticked(2));
    for (int p = 1; p <= 28; ++p) {
        EXPECT_FALSE(dialog->EgressPorts.Picker()->PortBoxes[p - 1]->isEnabled()) << p;
        EXPECT_FALSE(dialog->UntaggedPorts.Picker()->PortBoxes[p - 1]->isEnabled()) << p;
    }
    Screenshot(dialog, "VLanCurrentTableForm");
    list->SetSelected(nullptr);
    EXPECT_EQ(dialog->StaticText1->Caption(), QString());
    EXPECT_FALSE(dialog->EgressPorts.Ticked(1));
}

TEST_F(VlanCurrentTableFormTest, RefreshReadsAgainWithoutASecondWalkAndNeverWrites) {
    dialog->RefreshBtn->Click();
    dialog->RefreshBtn->Click(); // the walk of the first click is still running
    ASSERT_TRUE(WaitFor([this] { return Idle(); }));
    QTest::qWait(100);
    EXPECT_EQ(dialog->LV_dot1qVlanCurrentEntry->ItemCount(), 4);
    const auto pdus = Pdus();
    EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "set"), 0);
    EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "get"), 1) << "one read of the scalars";
    EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "getnext"), 5) << "one walk: four rows and its end";
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
