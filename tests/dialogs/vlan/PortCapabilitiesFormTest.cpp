// The port capabilities dialog against krs-sim: every port once, read only, also when Refresh is
// pressed while a walk runs.
#include "Button.h"
#include "DialogSimFixture.h"
#include "ListView.h"
#include "PortCapabilities8021dForm.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

class PortCapabilitiesFormTest : public DialogSimTest {
protected:
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    TPortCapabilities8021dForm* dialog = nullptr;
};

TEST_F(PortCapabilitiesFormTest, ListsEveryPortOnceAndNeverWrites) {
    ASSERT_TRUE(StartSim({"--delay", "20"})) << sim->lastError();
    dialog = CreateForm<TPortCapabilities8021dForm>(nullptr);
    dialog->Show();
    dialog->RefreshBtn->Click(); // the first walk still runs
    ASSERT_TRUE(WaitFor([this] { return !dialog->CapabilityRequest->Busy; }));
    dialog->RefreshBtn->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->CapabilityRequest->Busy; }));
    TListView* list = dialog->LV_dot1dPortCapabilitiesEntry;
    ASSERT_EQ(list->ItemCount(), 28);
    EXPECT_EQ(list->ColumnCaption(1), QStringLiteral("Port Capabilities"));
    EXPECT_EQ(list->Item(0)->Caption(), QStringLiteral("1"));
    EXPECT_EQ(list->Item(0)->SubItem(0), QStringLiteral("F0"));
    EXPECT_EQ(list->Item(27)->SubItem(0), QStringLiteral("E0"));
    EXPECT_EQ(dialog->ST_Count->Caption(), QStringLiteral("28"));
    const auto pdus = Pdus();
    EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "set"), 0);
    EXPECT_TRUE(messages.boxes.isEmpty());
    Screenshot(dialog, "PortCapabilities8021dForm");
}

} // namespace
} // namespace qs::test
