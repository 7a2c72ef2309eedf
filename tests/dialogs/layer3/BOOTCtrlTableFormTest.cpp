// The DHCP relay dialogs against krs-sim: the servers on opening, Add's row status at the typed
// interface and address, the address check's two boxes and the four-server limit that send
// nothing, a failure to send shown with the add dialog kept open, and Delete of the selected row.
#include "BOOTCtrlTableForm.h"
#include "Button.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "NewBootpCtrlForm.h"
#include "QsSNMPRequest2Edits.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kRelay = ".1.3.6.1.4.1.58613.12.42.3.1.1.";
const std::string kSystem = "6.83.121.115.116.101.109";

class BOOTCtrlTableFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open({});
    }
    void Open(std::vector<std::string> simArgs) {
        delete dialog;
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<TBOOTCtrlTableForm>(nullptr);
        dialog->Show();
        Settle();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Settle() {
        QTest::qWait(50);
        ASSERT_TRUE(
            WaitFor([this] { return !dialog->RelayRequest->Busy && !dialog->ListView1->ItemsPending(); }));
    }
    // Types the address in the add dialog once Add has shown it and presses Set; closes the
    // dialog when it stays open.
    void AddServer(const char* address, std::function<void()> before = {}) {
        stayedOpen = false;
        QTimer::singleShot(0, [this, address, before] {
            TNewBootpCtrlForm* editor = NewBootpCtrlForm;
            if (editor == nullptr || !editor->isVisible()) {
                return;
            }
            caption = editor->Caption();
            EXPECT_EQ(editor->Edit1->Text(), QStringLiteral("System"));
            EXPECT_FALSE(editor->Edit1->isEnabled());
            EXPECT_TRUE(editor->Edit2->isEnabled());
            editor->Edit2->SetText(QString::fromLatin1(address));
            if (before) {
                before();
            }
            editor->DeleteBtn->Click();
            stayedOpen = editor->ModalResult() == mrNone;
            addressAfterSet = editor->Edit2->Text();
            if (stayedOpen) {
                editor->BitBtn1->Click();
            }
        });
        dialog->AddBtn->Click();
        Settle();
    }

    TBOOTCtrlTableForm* dialog = nullptr;
    QString caption;
    bool stayedOpen = false;
    QString addressAfterSet; // the address in the add dialog after its Set
};

TEST_F(BOOTCtrlTableFormTest, OpeningListsTheServersPerInterface) {
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->ColumnCaption(0), QStringLiteral("Interface Name"));
    EXPECT_EQ(list->ColumnCaption(1), QStringLiteral("DHCP Server IP"));
    EXPECT_EQ(list->ColumnCaption(2), QStringLiteral("Row Status"));
    ASSERT_EQ(list->ItemCount(), 5);
    EXPECT_EQ(list->Item(0)->Caption(), QStringLiteral("System"));
    EXPECT_EQ(list->Item(0)->SubItem(0), QStringLiteral("10.1.1.5"));
    EXPECT_EQ(list->Item(0)->SubItem(1), QStringLiteral("active"));
    EXPECT_EQ(list->Item(4)->Caption(), QStringLiteral("vlan20"));
    EXPECT_EQ(dialog->ServersOf(QStringLiteral("System")), 3);
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    Screenshot(dialog, "BOOTCtrlTableForm");
}

TEST_F(BOOTCtrlTableFormTest, AddSendsTheNewServerUntilTheInterfaceHasFour) {
    AddServer("10.1.1.8", [] { Screenshot(NewBootpCtrlForm, "NewBootpCtrlForm"); });
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(caption, QStringLiteral("New DHCP Control: "));
    EXPECT_EQ(Sets(kRelay), std::vector<std::string>{"3." + kSystem + ".10.1.1.8=INTEGER:4"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ServersOf(QStringLiteral("System")) == 4; }))
        << "read again once the reply came";
    Settle();
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    Mark();
    AddServer("10.1.1.9");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("One interface can support four bootp servers at most.")});
    EXPECT_EQ(messages.boxes[0].kind, BoxKind::Warning);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(BOOTCtrlTableFormTest, AnInvalidAddressShowsTwoBoxesAndSendsNothing) {
    for (const char* address : {"", "10.1.1", "256.1.1.1", "10.1.1.1 ", "10.01.1.00", "192.168.100.2001"}) {
        SCOPED_TRACE(address);
        messages.boxes.clear();
        AddServer(address);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Please input a valid ip"),
                                                 QStringLiteral("Please input a valid IP address.")}));
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(BOOTCtrlTableFormTest, AFailureToSendIsShownAndTheAddDialogStaysOpen) {
    AddServer("10.1.1.8", [this] { dialog->RelayRequest->Request.Device.host.clear(); });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(dialog->StatusOut().Text().isEmpty());
    EXPECT_FALSE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: Ok!")))
        << dialog->StatusOut().Text().toStdString();
    EXPECT_TRUE(Sent().empty());
}

TEST_F(BOOTCtrlTableFormTest, AnAddTheAgentRefusesKeepsTheAddDialogOpenWithWhatWasTyped) {
    Open({"--set-error", kRelay.substr(0, kRelay.size() - 1) + ".3=noCreation"});
    AddServer("10.1.1.8");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(addressAfterSet, QStringLiteral("10.1.1.8"));
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("(SNMP) Cannot create variable, Creation Not Allowed!")});
}

TEST_F(BOOTCtrlTableFormTest, DeleteDestroysTheSelectedRowEvenAfterAnAbandonedAdd) {
    dialog->ListView1->SetSelected(dialog->ListView1->Item(3));
    EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    QTimer::singleShot(0, [] {
        if (NewBootpCtrlForm != nullptr) {
            NewBootpCtrlForm->Edit2->SetText(QStringLiteral("10.9.9.9"));
            NewBootpCtrlForm->BitBtn1->Click();
        }
    });
    dialog->AddBtn->Click();
    dialog->DeleteBtn->Click();
    Settle();
    EXPECT_EQ(Sets(kRelay), std::vector<std::string>{"3.6.118.108.97.110.50.48.10.20.0.1=INTEGER:6"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 4; }));
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(BOOTCtrlTableFormTest, RefreshDuringAWalkListsEveryServerOnce) {
    dialog->RefreshBtn->Click();
    dialog->RefreshBtn->Click();
    Settle();
    EXPECT_EQ(dialog->ListView1->ItemCount(), 5);
}

} // namespace
} // namespace qs::test
