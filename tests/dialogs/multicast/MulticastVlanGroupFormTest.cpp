// The multicast VLAN group dialog and its Add sub-form against krs-sim: the createAndGo SET of a
// typed range, the refusals of the sub-form, Delete always destroying the selected range (also
// after the sub-form's editors were changed), Add and Delete during a walk, the menu entry.
#include "Button.h"
#include "ComboBox.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "IGMPMulticastVLANGroupAddForm.h"
#include "IGMPMulticastVlanForm.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kTable = ".1.3.6.1.4.1.58613.11.113.1.6.2.7.9.1.";

class MulticastVlanGroupFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TIGMPMulticastVlanForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait() {
        Open();
        Settle();
        Mark();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
        QTest::qWait(150);
        ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
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
    // Opens the sub-form from the dialog's Add, types the range and presses its Add (or, with
    // press false, its Close).
    void AddThroughSubForm(const char* vid, const char* from, const char* to, bool press = true) {
        QTimer::singleShot(0, [=, this] {
            TIGMPMulticastVLANGroupAddForm* sub = dialog->AddForm;
            sub->edtVID->SetText(QString::fromLatin1(vid));
            sub->edtFormIP->SetText(QString::fromLatin1(from));
            sub->edtToIP->SetText(QString::fromLatin1(to));
            subCaption = sub->Caption();
            subStatus = sub->cbxState->Text();
            subStatusEnabled = sub->cbxState->Enabled();
            Screenshot(sub, "IGMPMulticastVLANGroupAddForm");
            (press ? sub->btnAdd : sub->btnClose)->Click();
            fromAfterAdd = sub->edtFormIP->Text();
            if (sub->ModalResult() == mrNone) { // refused: the sub-form stays open
                stayedOpen = true;
                sub->Close();
            }
        });
        dialog->btnAdd->Click();
    }
    std::vector<QString> Rows() const {
        std::vector<QString> rows;
        for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
            const TListItem* item = dialog->ListView1->Item(i);
            rows.push_back(item->Caption() + " " + item->SubItem(0) + " " + item->SubItem(1) + " " +
                           item->SubItem(2));
        }
        return rows;
    }

    TIGMPMulticastVlanForm* dialog = nullptr;
    QString subCaption;
    QString subStatus;
    bool subStatusEnabled = true;
    bool stayedOpen = false;
    QString fromAfterAdd; // the first address in the sub-form after its Add
};

TEST_F(MulticastVlanGroupFormTest, ListsTheRangesAndAddsOne) {
    OpenAndWait();
    ASSERT_EQ(dialog->ListView1->ColumnCount(), 4);
    EXPECT_EQ(dialog->ListView1->ColumnCaption(2), QStringLiteral("To IP"));
    EXPECT_EQ(Rows(),
              (std::vector<QString>{"100 239.1.1.1 239.1.1.10 active", "200 239.9.0.1 239.9.0.20 active"}));
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    dialog->ListView1->SetSelected(dialog->ListView1->Item(0));
    EXPECT_TRUE(dialog->btnDelete->Enabled());
    Screenshot(dialog, "IGMPMulticastVlanForm");
    dialog->ListView1->SetSelected(nullptr);
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    AddThroughSubForm("10", "239.1.1.1", "239.1.1.10");
    EXPECT_EQ(subCaption, QStringLiteral("IGMP Multicast VLAN Group (Add): "));
    EXPECT_EQ(subStatus, QStringLiteral("createAndGo"));
    EXPECT_FALSE(subStatusEnabled);
    EXPECT_FALSE(stayedOpen);
    EXPECT_FALSE(dialog->AddForm->isVisible());
    Settle();
    EXPECT_EQ(Sets(kTable), std::vector<std::string>{"4.10.239.1.1.1.239.1.1.10=INTEGER:4"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(Rows(),
              (std::vector<QString>{"10 239.1.1.1 239.1.1.10 active", "100 239.1.1.1 239.1.1.10 active",
                                    "200 239.9.0.1 239.9.0.20 active"}))
        << "read again after the reply";
}

TEST_F(MulticastVlanGroupFormTest, TheSubFormRefusesIncompleteOrInvalidRanges) {
    struct Case {
        const char* vid;
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"", "239.1.1.1", "239.1.1.2", "VLAN ID can't be empty."},
        {"10", "", "239.1.1.2", "Form IP can't be empty."},
        {"10", ".1.1.1", "239.1.1.2", "Please input a valid IP"},
        {"10", "1..1.1", "239.1.1.2", "Please input a valid IP"},
        {"10", "1.1.1.256", "239.1.1.2", "Please input a valid ip"},
        {"10", "239.1.1.1", "", "To IP can't be empty."},
        {"10", "239.1.1.1", "239.1.1", "Please input a valid ip"},
    };
    OpenAndWait();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        stayedOpen = false;
        AddThroughSubForm(c.vid, c.from, c.to);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
    }
    QTest::qWait(150);
    EXPECT_TRUE(Sets(kTable).empty());
}

// The sub-form's editors hold the last row shown; Delete must not take its instance from them.
TEST_F(MulticastVlanGroupFormTest, DeleteDestroysTheSelectedRangeWhateverTheSubFormHolds) {
    OpenAndWait();
    dialog->ListView1->SetSelected(dialog->ListView1->Item(1));
    AddThroughSubForm("300", "239.7.7.7", "239.7.7.8", false); // typed, then closed
    ASSERT_NE(dialog->ListView1->Selected(), nullptr);
    dialog->btnDelete->Click();
    Settle();
    EXPECT_EQ(Sets(kTable), std::vector<std::string>{"4.200.239.9.0.1.239.9.0.20=INTEGER:6"});
    EXPECT_EQ(Rows(), std::vector<QString>{"100 239.1.1.1 239.1.1.10 active"});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(MulticastVlanGroupFormTest, AddAndDeleteDuringAWalkStopItFirst) {
    Open({"--delay", "150"});
    ASSERT_TRUE(dialog->GroupRequest->Busy);
    AddThroughSubForm("20", "239.3.3.1", "239.3.3.9");
    Settle();
    EXPECT_EQ(Sets(kTable), std::vector<std::string>{"4.20.239.3.3.1.239.3.3.9=INTEGER:4"});
    Mark();
    dialog->btnGet->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() >= 1; }));
    dialog->ListView1->SetSelected(dialog->ListView1->Item(0));
    dialog->btnDelete->Click(); // waits for the walk to stop, then destroys
    Settle();
    EXPECT_EQ(Sets(kTable), std::vector<std::string>{"4.20.239.3.3.1.239.3.3.9=INTEGER:6"});
}

TEST_F(MulticastVlanGroupFormTest, ARefusedAddIsShownAndAFailedWalkToo) {
    Open({"--set-error", kTable.substr(0, kTable.size() - 1) + ".4=noCreation"});
    Settle();
    AddThroughSubForm("10", "239.1.1.1", "239.1.1.10");
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("(SNMP) Cannot create variable, Creation Not Allowed!"));
    EXPECT_TRUE(stayedOpen) << "the sub-form keeps what was typed for the user to correct";
    EXPECT_EQ(fromAfterAdd, QStringLiteral("239.1.1.1"));
    Close();
    Open({"--no-answer"});
    ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive));
}

TEST_F(MulticastVlanGroupFormTest, TheMenuCommandOpensItWithCaptionAndGlobals) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    DialogRegistry registry;
    RegisterLayer2Dialogs(registry);
    const DialogDef command{"TIGMPMulticastVlanForm", "IGMP Multicast VLAN Group", DialogOwner::Application};
    QString caption;
    bool globalsSet = false;
    QTimer::singleShot(0, [&] {
        if (IGMPMulticastVlanForm != nullptr) {
            globalsSet = IGMPMulticastVLANGroupAddForm == IGMPMulticastVlanForm->AddForm;
            caption = IGMPMulticastVlanForm->Caption();
            WaitFor([&] { return !IGMPMulticastVlanForm->GroupRequest->Busy; });
        }
        if (QWidget* shown = QApplication::activeModalWidget()) {
            shown->close();
        }
    });
    RunDialogCommand(command, registry, "10.90.90.90", nullptr);
    EXPECT_TRUE(globalsSet);
    EXPECT_EQ(caption, QStringLiteral("IGMP Multicast VLAN Group: 10.90.90.90"));
    EXPECT_EQ(IGMPMulticastVlanForm, nullptr);
    EXPECT_EQ(IGMPMulticastVLANGroupAddForm, nullptr);
}

} // namespace
} // namespace qs::test
