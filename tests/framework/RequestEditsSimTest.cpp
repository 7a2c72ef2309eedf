// The request-to-edits driver against krs-sim: a walk fills the list view, a selected row shows
// in the bound controls and goes back to the agent as exactly one SET; the same for scalars in
// edits, combo boxes, radio groups and check boxes, whole values and single bits; a display
// string that is no text goes back byte for byte.

#include "BlockingAction.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "EditsSimSupport.h"
#include "QsException.h"
#include "RadioGroup.h"

#include <QTimer>

namespace qs::test {
namespace {

template <class T> T* Make(TForm* form, const char* name) {
    auto* c = new T(form);
    c->SetName(QString::fromLatin1(name));
    return c;
}

std::vector<TEdit*> Edits(TForm* form, const char* stem, int n) {
    std::vector<TEdit*> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(Make<TEdit>(form, (std::string(stem) + std::to_string(i + 1)).c_str()));
    }
    return out;
}

QStringList Texts(const std::vector<TEdit*>& edits) {
    QStringList out;
    for (TEdit* e : edits) {
        out << e->Text();
    }
    return out;
}

QStringList Row(TListItem* item) {
    QStringList out{item->Caption()};
    for (int i = 0; i < item->SubItemCount(); ++i) {
        out << item->SubItem(i);
    }
    return out;
}

class TablePage : public EditsSimTest {
protected:
    void SetUp() override {
        EditsSimTest::SetUp();
        list = Make<TListView>(form, "ListView1");
        members = Make<TEdit>(form, "edtMembers");
        mac = Edits(form, "edtMac", 6);
        status = Make<TComboBox>(form, "cbStatus");
        driver = Table();
        driver->BindListView(list, true);
        driver->BindEdits(1, "%s{l64}", {members});
        driver->BindEdits(2, "%h{l2}-%h{l2}-%h{l2}-%h{l2}-%h{l2}-%h{l2}", mac);
        driver->BindComboBox(3, status);
    }

    TListView* list = nullptr;
    TEdit* members = nullptr;
    std::vector<TEdit*> mac;
    TComboBox* status = nullptr;
    std::unique_ptr<QsSNMPRequest2Edits> driver;
};

TEST_F(TablePage, WalkFillsTheListViewWithHiddenColumnsFirst) {
    ASSERT_TRUE(driver->Refresh());
    QStringList captions;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        captions << list->ColumnCaption(c);
    }
    EXPECT_EQ(captions, QStringList({"Secret", "Index", "Members", "MAC", "Status"}));
    EXPECT_EQ(list->ColumnWidth(0), 0);
    EXPECT_GT(list->ColumnWidth(1), 0);
    ASSERT_EQ(list->ItemCount(), 3);
    EXPECT_EQ(Row(list->Item(0)), QStringList({"s1", "1", "1-3,5[E8000000]", "001A2B3C4D5E", "enabled"}));
    EXPECT_EQ(Row(list->Item(1)), QStringList({"s2", "2", "0[00000000]", "001A2B3C4D5F", "disabled"}));
    EXPECT_EQ(Row(list->Item(2)), QStringList({"s7", "7", "1-28[FFFFFFF0]", "020000000007", "enabled"}));
    EXPECT_FALSE(members->Enabled()) << "a table's controls wait for a selected row";
    EXPECT_FALSE(status->Enabled());
}

TEST_F(TablePage, SelectedRowShowsInTheControlsAndIsWrittenBackAsOneSet) {
    ASSERT_TRUE(driver->Refresh());
    list->SetSelected(list->Item(2));
    EXPECT_TRUE(members->Enabled());
    EXPECT_EQ(members->Text(), "1-28");
    EXPECT_EQ(Texts(mac), QStringList({"02", "00", "00", "00", "00", "07"}));
    EXPECT_EQ(status->Text(), "enabled");

    members->SetText("1-3,28");
    mac[5]->SetText("8");
    status->SetItemIndex(1);
    ASSERT_TRUE(driver->Apply(false, true, "", nullptr));
    EXPECT_EQ(Sets(), QStringList({"21.1.2.7=STRING:E0 00 00 10 21.1.3.7=STRING:02 00 00 00 00 08 "
                                   "21.1.4.7=INTEGER:2 21.1.5.7=STRING:s7"}));
}

TEST_F(TablePage, AsyncWalkFillsTheListViewAndAReadDisablesTheControlsAgain) {
    driver->Mode = RM_ASYNC;
    ASSERT_TRUE(driver->Refresh());
    WaitIdle(*driver);
    ASSERT_EQ(list->ItemCount(), 3);
    list->SetSelected(list->Item(1));
    EXPECT_TRUE(status->Enabled());
    EXPECT_EQ(status->Text(), "disabled");
    ASSERT_TRUE(driver->Refresh());
    WaitIdle(*driver);
    EXPECT_FALSE(status->Enabled());
    EXPECT_EQ(list->ItemCount(), 3);
}

TEST_F(TablePage, RowsAreAddedWhileUserInputIsHandled) {
    int rowsSeen = -1;
    QTimer::singleShot(0, [&] { rowsSeen = list->ItemCount(); });
    ASSERT_TRUE(driver->Refresh());
    EXPECT_EQ(rowsSeen, 1) << "events run between the rows of a walk";
}

// A click the walk's pump delivers is a user action of its own: its time-out neither ends the
// walk it interrupted nor is it skipped for a time-out of the walk's action.
TEST_F(TablePage, AClickDeliveredWhileAWalkPumpsIsAnActionOfItsOwn) {
    SimProcess silent;
    ASSERT_TRUE(silent.start()) << silent.lastError();
    ASSERT_TRUE(silent.pause());
    QsSNMPRequest click;
    AimAtSim(click, silent.port());
    click.Timeout = 10;
    click.Retries = 0;
    click.List.AddVar("1.3.6.1.2.1.1.5", "", SYN_DISPLAYSTR, ACC_READONLY); // one scalar
    const std::uint64_t timeouts = BlockingAction::Timeouts();
    bool clicked = false;
    bool clickOk = true;
    QTimer::singleShot(0, [&] {
        const BlockingAction action;
        click.GetSync(clickOk, true);
        clicked = true;
    });
    const BlockingAction walk;
    EXPECT_TRUE(driver->Refresh());
    ASSERT_TRUE(clicked) << "the click came while the walk pumped";
    EXPECT_FALSE(clickOk);
    EXPECT_EQ(click.LastError.code, -405);
    EXPECT_EQ(BlockingAction::Timeouts() - timeouts, 1u);
    EXPECT_EQ(list->ItemCount(), 3);
}

TEST_F(TablePage, RefusedPortTextOrEmptyComboSendsNothing) {
    ASSERT_TRUE(driver->Refresh());
    list->SetSelected(list->Item(0));
    members->SetText("1-40");
    try {
        driver->Apply(false, true, "", nullptr);
        ADD_FAILURE() << "no input error";
    } catch (const QsException& e) {
        EXPECT_EQ(e.helpContext, -518);
    }
    members->SetText("0");
    status->SetItemIndex(-1);
    EXPECT_THROW(driver->Apply(false, true, "", nullptr), QsException);
    EXPECT_TRUE(Sets().isEmpty());
    EXPECT_FALSE(driver->Busy);
}

TEST_F(EditsSimTest, ScalarsShowInEveryKindOfControlAndAreWrittenBack) {
    auto driver = Scalars();
    auto* mode = Make<TComboBox>(form, "cbMode");
    std::vector<TCheckBox*> bits;
    for (const char* n : {"chkBit0", "chkBit1", "chkBit8", "chkBit15"}) {
        bits.push_back(Make<TCheckBox>(form, n));
    }
    auto* name = Make<TEdit>(form, "edtName");
    const std::vector<TEdit*> ip = Edits(form, "edtIp", 4);
    auto* level = Make<TRadioGroup>(form, "rgLevel");
    auto* admin = Make<TCheckBox>(form, "chkAdmin");
    driver->BindComboBox(0, mode);
    driver->BindCheckBoxes(1, "0,1,8,15", bits);
    driver->BindEdits(2, "%s{l32}", {name});
    driver->BindEdits(3, "%i{n0x255}.%i{n0x255}.%i{n0x255}.%i{n0x255}", ip);
    driver->BindComponent(4, level);
    driver->BindComponent(5, admin);

    ASSERT_TRUE(driver->Refresh());
    EXPECT_EQ(mode->Text(), "disabled");
    EXPECT_EQ(
        (std::vector<bool>{bits[0]->Checked(), bits[1]->Checked(), bits[2]->Checked(), bits[3]->Checked()}),
        (std::vector<bool>{true, false, false, true})); // A5 0F
    EXPECT_EQ(name->Text(), "core-sw-1");
    EXPECT_EQ(Texts(ip), QStringList({"10", "1", "2", "3"}));
    EXPECT_EQ(level->SelectedText(), "high");
    EXPECT_FALSE(admin->Checked()) << "the first entry of a check box's list means unchecked";

    mode->SetItemIndex(0);
    bits[1]->SetChecked(true);
    name->SetText("edge-1");
    ip[3]->SetText("9");
    level->SetItemIndex(0);
    admin->SetChecked(true);
    ASSERT_TRUE(driver->Apply(false, true, "", nullptr));
    // The bit boxes build their bytes afresh: the unbound bits of A5 0F are cleared.
    EXPECT_EQ(Sets(), QStringList({"20.1.0=INTEGER:1 20.2.0=STRING:C0 01 20.3.0=STRING:edge-1 "
                                   "20.4.0=IpAddress:10.1.2.9 20.5.0=INTEGER:1 20.6.0=INTEGER:1"}));
}

// A display string whose bytes are no text shows as unreadable characters; an unchanged edit
// writes the very bytes back, zero-free and byte for byte, and a typed text goes out as typed.
TEST_F(EditsSimTest, DisplayStringThatIsNoTextIsWrittenBackByteForByte) {
    const std::string bytes = "\xFF\xA0sw\xC3";
    auto agent = Scalars(); // puts the bytes on the agent, then the original name back at the end
    const auto put = [&agent](const std::string& value) {
        for (int i = 0; i < agent->Request.List.GetCount(); ++i) {
            agent->Request.List.GetVar(i)->Value = value;
        }
        bool ok = false;
        QsSNMPError error;
        agent->Request.SetSync(ok, error, false, "2", nullptr);
        return ok;
    };
    ASSERT_TRUE(put(bytes));
    journalStart = sim->journal().size();

    auto driver = Scalars();
    auto* name = Make<TEdit>(form, "edtName");
    driver->BindEdits(2, "%s{l32}", {name});
    ASSERT_TRUE(driver->Refresh());
    EXPECT_EQ(name->Text().size(), 5);
    EXPECT_TRUE(name->Text().contains(QStringLiteral("sw")));
    ASSERT_TRUE(driver->Apply(false, true, "2", nullptr));
    name->SetText(QStringLiteral("edge-1"));
    ASSERT_TRUE(driver->Apply(false, true, "2", nullptr));
    EXPECT_EQ(Sets(), QStringList({"20.3.0=STRING:FF A0 73 77 C3", "20.3.0=STRING:edge-1"}));
    EXPECT_TRUE(put("core-sw-1"));
}

} // namespace
} // namespace qs::test
