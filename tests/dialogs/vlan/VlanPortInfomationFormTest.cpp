// The port VLAN settings dialog against krs-sim: one SET of the selected port's four settings,
// the busy refusals, and a Set without a selected port that sends nothing and says so.
#include "VLanPortInfomationForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kTable = ".1.3.6.1.2.1.17.7.1.4.5.1.";

class VlanPortInfomationFormTest : public DialogSimTest {
protected:
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TVLanPortInfomationForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait() {
        Open();
        ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    TListView* List() const { return dialog->LV_dot1qPortVlanEntry; }

    TVLanPortInfomationForm* dialog = nullptr;
};

TEST_F(VlanPortInfomationFormTest, ListsEveryPortAndKeepsTheEditorsOffUntilARowIsSelected) {
    OpenAndWait();
    ASSERT_EQ(List()->ItemCount(), 28);
    EXPECT_EQ(dialog->ST_Count->Caption(), QStringLiteral("28"));
    EXPECT_EQ(List()->Item(26)->SubItem(0), QStringLiteral("10"));
    EXPECT_EQ(List()->Item(26)->SubItem(1), QStringLiteral("admitOnlyVlanTagged"));
    EXPECT_EQ(List()->Item(26)->SubItem(5), QStringLiteral("001A2B3C4D1B"));
    EXPECT_FALSE(dialog->PortVLanID->isEnabled());
    List()->SetSelected(List()->Item(26));
    EXPECT_TRUE(dialog->PortVLanID->isEnabled());
    EXPECT_EQ(dialog->PortVLanID->Text(), QStringLiteral("10"));
    EXPECT_EQ(dialog->IngressFiltering->Text(), QStringLiteral("true"));
    Screenshot(dialog, "VLanPortInfomationForm");
}

TEST_F(VlanPortInfomationFormTest, SetSendsTheFourSettingsOfTheSelectedPortAndReadsAgain) {
    OpenAndWait();
    List()->SetSelected(List()->Item(4));
    dialog->PortVLanID->SetText(QStringLiteral("20"));
    dialog->AcceptableFrameTypes->SetItemIndex(1);
    dialog->IngressFiltering->SetItemIndex(0);
    dialog->GvrpStatus->SetItemIndex(0);
    dialog->SetBtn->Click();
    EXPECT_EQ(List()->Selected(), List()->Item(4)) << "the port is selected again";
    ASSERT_TRUE(WaitFor([this] { return Pdus().size() > 2 && !dialog->PortRequest->Busy; }));
    EXPECT_EQ(Sets(kTable),
              std::vector<std::string>{"1.5=Gauge32:20 2.5=INTEGER:2 3.5=INTEGER:1 4.5=INTEGER:1"});
    EXPECT_EQ(Pdus()[1], "getnext") << "the accepted SET is followed by a walk";
    EXPECT_EQ(List()->Item(4)->SubItem(0), QStringLiteral("20"));
    EXPECT_FALSE(dialog->PortVLanID->isEnabled()) << "editors off again after the read";
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(VlanPortInfomationFormTest, SetWithoutASelectedPortSendsNothingAndSaysWhy) {
    OpenAndWait();
    dialog->SetBtn->Click();
    QTest::qWait(200);
    EXPECT_TRUE(Sets(kTable).empty());
    EXPECT_FALSE(dialog->StatusOut().Text().isEmpty() && messages.boxes.isEmpty()) << "a message is shown";
}

TEST_F(VlanPortInfomationFormTest, RefreshAndSetRefuseWhileTheRequestIsBusy) {
    Open({"--delay", "300"});
    dialog->RefreshBtn->Click();
    dialog->SetBtn->Click();
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Refresh Not Complete")));
    ASSERT_TRUE(WaitFor([this] { return !dialog->PortRequest->Busy; }));
    EXPECT_EQ(List()->ItemCount(), 28);
}

} // namespace
} // namespace qs::test
