// The IGMP learned-group and clearing dialogs against krs-sim: Clear Group for the selected
// group then a new walk, the walk gate and Stop, the clearing SET of all three values, its
// refusals, failed reads shown, and the menu entries.
#include "Button.h"
#include "ComboBox.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "IGMPSnoopingClearDnyIpMultForm.h"
#include "IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MenuEntryCheck.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kLearned = ".1.3.6.1.4.1.58613.12.73.3.1.3.1.";
const std::string kClear = ".1.3.6.1.4.1.58613.11.113.1.6.2.7.12.2.";

class LearnedGroupFormTest : public DialogSimTest {
public:
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TIGMPSnoopingDataDrivenLearingGroupForm>(nullptr);
        dialog->Show();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return dialog->WalkFinished.Ready() && !dialog->GroupRequest->Busy; }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    bool AnyBoxEnabled() const {
        for (const TCheckBox* box : dialog->RouterPorts.Picker()->PortBoxes) {
            if (box->Enabled()) {
                return true;
            }
        }
        return false;
    }

    TIGMPSnoopingDataDrivenLearingGroupForm* dialog = nullptr;
};

TEST_F(LearnedGroupFormTest, ClearingTheSelectedGroupSendsClearGroupAndWalksAgain) {
    Open();
    Settle();
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 6);
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Item(1)->SubItem(0), QStringLiteral("239.6.6.6"));
    EXPECT_EQ(list->Item(1)->SubItem(4), QStringLiteral("other"));
    EXPECT_FALSE(dialog->btnSet->Enabled());
    list->SetSelected(list->Item(1));
    EXPECT_EQ(dialog->stVID->Caption(), QStringLiteral("10"));
    EXPECT_EQ(dialog->edtIPAddress->Text(), QStringLiteral("239.6.6.6"));
    EXPECT_EQ(dialog->edtUptime->Text(), QStringLiteral("15"));
    EXPECT_EQ(dialog->edtExpiryTime->Text(), QStringLiteral("245"));
    EXPECT_TRUE(dialog->RouterPorts.Ticked(27));
    EXPECT_TRUE(dialog->RouterPorts.Ticked(28));
    EXPECT_FALSE(AnyBoxEnabled());
    EXPECT_TRUE(dialog->btnSet->Enabled());
    Screenshot(dialog, "IGMPSnoopingDataDrivenLearingGroupForm");
    dialog->CBoxClear->SetItemIndex(1);
    Mark();
    dialog->btnSet->Click();
    EXPECT_EQ(dialog->stVID->Caption(), QString());
    Settle();
    EXPECT_EQ(Sets(kLearned), std::vector<std::string>{"100.10.239.6.6.6=INTEGER:2"});
    EXPECT_EQ(list->ItemCount(), 2) << "walked again";
    EXPECT_EQ(dialog->GroupRequest->Mode, RM_ASYNC);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(LearnedGroupFormTest, RefreshAndSetWaitForTheWalkUntilStopped) {
    Open({"--delay", "300"});
    dialog->btnGet->Click();
    dialog->btnSet->SetEnabled(true);
    dialog->btnSet->Click();
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Get data not complete!")));
    dialog->btn_stop->Click();
    EXPECT_TRUE(dialog->WalkFinished.Ready());
    ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
    messages.boxes.clear();
    dialog->btnGet->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_TRUE(Sets(kLearned).empty());
}

TEST_F(LearnedGroupFormTest, AFailedWalkIsShown) {
    Open({"--no-answer"});
    Settle();
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive));
}

class ClearDnyIpMultFormTest : public DialogSimTest {
public:
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TIGMPSnoopingClearDnyIpMultForm>(nullptr);
        dialog->Show();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }

    TIGMPSnoopingClearDnyIpMultForm* dialog = nullptr;
};

TEST_F(ClearDnyIpMultFormTest, SetSendsAllThreeValuesWhateverTheAction) {
    Open();
    EXPECT_EQ(dialog->edtVID->Text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->edtIPAddr->Text(), QStringLiteral("0.0.0.0"));
    EXPECT_EQ(dialog->cbMultAction->Text(), QStringLiteral("other"));
    Screenshot(dialog, "IGMPSnoopingClearDnyIpMultForm");
    dialog->edtVID->SetText(QStringLiteral("10"));
    dialog->edtIPAddr->SetText(QStringLiteral("239.1.1.1"));
    dialog->cbMultAction->SetItemIndex(0);
    dialog->Button1->Click();
    EXPECT_EQ(Sets(kClear), std::vector<std::string>{"1.0=INTEGER:10 2.0=IpAddress:239.1.1.1 3.0=INTEGER:1"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Set:")))
        << dialog->StatusOut().Text().toStdString();
}

TEST_F(ClearDnyIpMultFormTest, RefusedInputSendsNothing) {
    struct Case {
        const char* vid;
        const char* address;
        const char* message;
    };
    const Case cases[] = {
        {"", "239.1.1.1", "VLAN ID can't be empty."},
        {"10", "", "Multicast IP Address can't be empty."},
        {"10", "1.2.3", "Please input a valid ip"},
        {"10", ".1.2.3", "Please input a valid IP"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        dialog->edtVID->SetText(QString::fromLatin1(c.vid));
        dialog->edtIPAddr->SetText(QString::fromLatin1(c.address));
        dialog->Button1->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
    }
    EXPECT_TRUE(Sets(kClear).empty());
}

TEST_F(ClearDnyIpMultFormTest, AFailedReadOrSetIsShown) {
    Open({"--no-answer"});
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
        << dialog->StatusOut().Text().toStdString();
    delete dialog;
    dialog = nullptr;
    sim.reset();
    Open({"--set-error", kClear + "3=wrongValue"});
    dialog->edtIPAddr->SetText(QStringLiteral("239.1.1.1"));
    dialog->Button1->Click();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_FALSE(messages.Texts()[0].isEmpty());
}

TEST_F(ClearDnyIpMultFormTest, TheMenuCommandsOpenThemWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    ExpectMenuCommandOpens(&IGMPSnoopingDataDrivenLearingGroupForm, "TIGMPSnoopingDataDrivenLearingGroupForm",
                           "IGMP Snooping Data Driven Learning Group Table",
                           [](auto* f) { return f->WalkFinished.Ready(); });
    ExpectMenuCommandOpens(&IGMPSnoopingClearDnyIpMultForm, "TIGMPSnoopingClearDnyIpMultForm",
                           "IGMP Snooping Clear Dynamic IP Multicast", [](auto*) { return true; });
}

} // namespace
} // namespace qs::test
