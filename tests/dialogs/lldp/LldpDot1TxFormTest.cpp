// The LLDP 802.1 transmit dialogs against krs-sim: Set's one SET at the row's two-part instance
// and the walk that follows its reply, refusals while a walk runs, a refused write shown, and
// closing during Set's wait.
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "LLDPConfigProtocolForm.h"
#include "LLDPConfigProtocolVLANForm.h"
#include "LLDPConfigVLANNameForm.h"
#include "Label.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kDot1 = ".1.0.8802.1.1.2.1.5.32962.1.1.";

enum Which { kProtocol, kProtocolVlan, kVlanName };

class LldpDot1TxFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(Which which, std::vector<std::string> simArgs = {}, bool waitForWalk = true) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        switch (which) {
        case kProtocol:
            dialog = CreateForm<TLLDPConfigProtocolForm>(nullptr);
            break;
        case kProtocolVlan:
            dialog = CreateForm<TLLDPConfigProtocolVLANForm>(nullptr);
            break;
        case kVlanName:
            dialog = CreateForm<TLLDPConfigVLANNameForm>(nullptr);
            break;
        }
        dialog->Show();
        if (waitForWalk) {
            ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
        }
        Mark();
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
    int RowOf(const QString& port, const QString& index) const {
        for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
            const TListItem* row = dialog->ListView1->Item(i);
            if (row->Caption() == port && row->SubItem(0) == index) {
                return i;
            }
        }
        return -1;
    }
    void Select(const char* port, const char* index) {
        const int row = RowOf(QString::fromLatin1(port), QString::fromLatin1(index));
        ASSERT_GE(row, 0);
        dialog->ListView1->SetSelected(dialog->ListView1->Item(row));
        dialog->ListView1Click();
    }
    QString TxOf(const char* port, const char* index) const {
        return dialog->ListView1->Item(RowOf(QString::fromLatin1(port), QString::fromLatin1(index)))
            ->SubItem(1);
    }

    LldpDot1TxForm* dialog = nullptr;
};

TEST_F(LldpDot1TxFormTest, EachDialogListsItsTable) {
    const struct {
        Which which;
        int rows;
        const char* indexLabel;
        const char* txLabel;
        const char* shot;
    } cases[] = {
        {kProtocol, 4, "Index", "Protocol TX", "LLDPConfigProtocolForm"},
        {kProtocolVlan, 28, "VLAN ID", "Protocol VLAN TX", "LLDPConfigProtocolVLANForm"},
        {kVlanName, 32, "VLAN ID", "VLAN Name TX", "LLDPConfigVLANNameForm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shot);
        Open(c.which);
        EXPECT_EQ(dialog->ListView1->ItemCount(), c.rows);
        EXPECT_EQ(dialog->StaticText1->Caption(), QString::number(c.rows));
        EXPECT_EQ(dialog->Label2->Caption(), QString::fromLatin1(c.indexLabel));
        EXPECT_EQ(dialog->Label3->Caption(), QString::fromLatin1(c.txLabel));
        EXPECT_FALSE(dialog->SetButton->Enabled());
        dialog->ListView1->SetSelected(dialog->ListView1->Item(c.rows - 1));
        dialog->ListView1Click();
        EXPECT_TRUE(dialog->SetButton->Enabled());
        EXPECT_FALSE(dialog->Label1->Enabled());
        EXPECT_FALSE(dialog->Label2->Enabled());
        EXPECT_FALSE(dialog->TXComboBox->Text().isEmpty());
        Screenshot(dialog, c.shot);
        Close();
    }
}

TEST_F(LldpDot1TxFormTest, SetSendsTheChoiceAtTheRowsInstanceThenWalksAgain) {
    const struct {
        Which which;
        const char* port;
        const char* index;
        const char* choice;
        std::string set;
        int walkSteps;
    } cases[] = {
        {kProtocol, "3", "1", "false", "4.1.1.3.1=INTEGER:2", 5},
        {kVlanName, "25", "100", "true", "2.1.1.25.100=INTEGER:1", 33},
        {kProtocolVlan, "26", "0", "false", "3.1.1.26.0=INTEGER:2", 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        Open(c.which);
        Select(c.port, c.index);
        dialog->TXComboBox->SetText(QString::fromLatin1(c.choice));
        dialog->SetButton->Click();
        ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
        EXPECT_EQ(Sets(kDot1), std::vector<std::string>{c.set});
        const std::vector<std::string> pdus = Pdus();
        EXPECT_EQ(pdus.front(), "set");
        EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "getnext"), c.walkSteps);
        EXPECT_EQ(TxOf(c.port, c.index), QString::fromLatin1(c.choice));
        EXPECT_EQ(dialog->PortNumberText->Caption(), QStringLiteral(" "));
        EXPECT_FALSE(dialog->SetButton->Enabled());
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        Close();
    }
}

TEST_F(LldpDot1TxFormTest, WhileTheFirstWalkRunsRefreshAndSetAreRefused) {
    Open(kVlanName, {"--delay", "40"}, false);
    dialog->SetButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty()) << "Set with no row selected does nothing";
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() > 0; }));
    dialog->ListView1->SetSelected(dialog->ListView1->Item(0));
    dialog->ListView1Click();
    dialog->SetButton->Click();
    dialog->RefreshButton->Click();
    EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Get data not complete"),
                                             QStringLiteral("Get data not complete.")}));
    EXPECT_TRUE(Sets(kDot1).empty());

    dialog->StopButton->Click();
    messages.boxes.clear();
    dialog->RefreshButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 32) << "every row once";
}

TEST_F(LldpDot1TxFormTest, ARefusedWriteIsShown) {
    Open(kProtocol, {"--set-error", "1.0.8802.1.1.2.1.5.32962.1.1.4.1.1=wrongValue"});
    Select("2", "1");
    dialog->TXComboBox->SetText(QStringLiteral("false"));
    dialog->SetButton->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready() && !dialog->TxRequest->Busy; }));
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(TxOf("2", "1"), QStringLiteral("true"));
}

TEST_F(LldpDot1TxFormTest, ClosingDuringTheSetWaitEndsItWithoutAnotherRead) {
    Open(kProtocol, {"--drop-under", "1.0.8802.1.1.2.1.5.32962.1.1.4.1.1.4.1"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 4; }));
    Select("4", "1");
    Mark();
    QTimer::singleShot(200, dialog, [this] { dialog->Close(); });
    dialog->SetButton->Click();
    EXPECT_TRUE(dialog->RequestsEnded());
    const std::vector<std::string> pdus = Pdus();
    EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "getnext"), 0);
}

} // namespace
} // namespace qs::test
