// The VLAN block table dialogs (MSTP instances, ERPS ring) against krs-sim: blocks shown as range
// text, Edit sending only the ticked columns with the ticked blocks as 64-octet bitmaps, a range
// text outside its block refused before anything is sent, the bridge priority rounded down, Add
// sending the row status alone, and the ERPS one-entry rule.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "ERPSVLANUnitForm.h"
#include "Edit.h"
#include "ListView.h"
#include "MSTPVLANUnitForm.h"
#include "StaticText.h"

#include <cstdio>

namespace qs::test {
namespace {

const std::string kMstp = ".1.3.6.1.4.1.58613.12.15.2.3.1.";
const std::string kErps = ".1.3.6.1.4.1.58613.12.78.3.1.1.";

// The journal's text of a 64-octet block holding the VLANs.
std::string BlockOctets(std::initializer_list<int> vlans) {
    unsigned char octets[64] = {};
    for (int v : vlans) {
        const int bit = (v - 1) % 512;
        octets[bit / 8] = static_cast<unsigned char>(octets[bit / 8] | (0x80 >> (bit % 8)));
    }
    std::string text;
    for (unsigned char o : octets) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", o);
        text += (text.empty() ? "" : " ") + std::string(hex);
    }
    return text;
}

TEST(BlockRangeText, OnlyTheBlocksOwnVlansPass) {
    const struct {
        const char* text;
        int block;
        bool valid;
    } cases[] = {
        {"1-3,5", 0, true}, {"", 0, true},         {"0", 0, true},    {"512", 0, true},
        {"600", 0, false},  {"5-3", 0, false},     {"a", 0, false},   {"1-2-3", 0, false},
        {"1,,2", 0, false}, {"513-1024", 1, true}, {"512", 1, false}, {"4094", 7, true},
        {"4096", 7, true},  {"-5", 0, false},      {"0-4", 0, false}, {"7 , 9", 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BlockRangeTextValid(QString::fromLatin1(c.text), c.block), c.valid)
            << c.text << " " << c.block;
    }
}

const QsSNMPVarDesc* IndexAndStatus() {
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.99.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.99.1.1.20", "Row Status", SYN_INTEGER, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

TEST(BlockTableVars, TheEightBlocksStandAtTheirColumnUnderConsecutiveOids) {
    const char* const names[] = {"1-512",     "513-1024",  "1025-1536", "1537-2048",
                                 "2049-2560", "2561-3072", "3073-3584", "3585-4094"};
    const struct {
        int firstBlock;
        const char* firstBlockOid;
        int firstSub;
    } cases[] = {{1, "1.3.6.1.4.1.58613.99.1.1.2", 2}, {2, "1.3.6.1.4.1.58613.99.1.1.9", 9}};
    for (const auto& c : cases) {
        const VlanBlockTableConfig config{
            .table = IndexAndStatus, .firstBlockOid = c.firstBlockOid, .firstBlock = c.firstBlock};
        const QsSNMPVarList list = BlockTableVars(config);
        ASSERT_EQ(list.GetCount(), 10) << c.firstBlock;
        EXPECT_EQ(list.GetVar(0)->Name, "Index");
        EXPECT_EQ(list.GetVar(c.firstBlock == 1 ? 9 : 1)->Name, "Row Status") << c.firstBlock;
        for (int k = 0; k < 8; ++k) {
            const QsSNMPVar* block = list.GetVar(c.firstBlock + k);
            EXPECT_EQ(block->Oid, "1.3.6.1.4.1.58613.99.1.1." + std::to_string(c.firstSub + k));
            EXPECT_EQ(block->Name, names[k]);
            EXPECT_EQ(block->Syntax, unsigned{SYN_OCTETSTR});
            EXPECT_EQ(block->Access, unsigned{ACC_READWRITE});
        }
    }
}

template <class Form> class BlockTableTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open() {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<Form>(nullptr);
        dialog->Show();
        Settle();
        Mark();
        messages.boxes.clear();
    }
    void Settle() {
        QTest::qWait(20);
        ASSERT_TRUE(WaitFor([this] { return dialog->Request && !dialog->Request->Busy; }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void SelectRow(int i) { dialog->ListView1->SetSelected(dialog->ListView1->Item(i)); }
    TEdit* Edit(int column) const { return dynamic_cast<TEdit*>(dialog->Editor(column)); }
    void Tick(int column, const char* text = nullptr) {
        dialog->Include(column)->SetChecked(true);
        if (text) {
            Edit(column)->SetText(QString::fromLatin1(text));
        }
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }

    Form* dialog = nullptr;
};

using MstpTest = BlockTableTest<TMSTPVLANUnitForm>;
using ErpsTest = BlockTableTest<TERPSVLANUnitForm>;
using M = TMSTPVLANUnitForm;

TEST_F(MstpTest, ShowsBlocksAsRangeTextAndUnlocksOnlyWritableColumns) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("2"));
    const TListItem* cist = dialog->ListView1->Item(0);
    EXPECT_EQ(cist->SubItem(0), QStringLiteral("1-3,5"));
    EXPECT_EQ(cist->SubItem(1), QStringLiteral("0"));
    EXPECT_EQ(cist->SubItem(7), QStringLiteral("4094"));
    EXPECT_FALSE(Edit(M::kPriority)->Enabled()) << "no row: only the instance ID is editable";
    EXPECT_TRUE(dialog->VIDEdit->Enabled());
    dialog->CheckButton->Click();
    EXPECT_FALSE(dialog->Include(M::kPriority)->Checked());
    SelectRow(1);
    EXPECT_EQ(dialog->VIDEdit->Text(), QStringLiteral("1"));
    EXPECT_EQ(Edit(1)->Text(), QStringLiteral("10-12,20"));
    EXPECT_EQ(Edit(2)->Text(), QStringLiteral("600"));
    EXPECT_EQ(Edit(M::kPriority)->Text(), QStringLiteral("4096"));
    EXPECT_FALSE(dialog->VIDEdit->Enabled());
    EXPECT_TRUE(Edit(M::kPriority)->Enabled());
    EXPECT_TRUE(Edit(2)->Enabled());
    EXPECT_FALSE(Edit(12)->Enabled());
    EXPECT_FALSE(dialog->Include(12)->Enabled());
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_FALSE(dialog->AddButton->Enabled());
    Screenshot(dialog, "MSTPVLANUnitForm");
}

TEST_F(MstpTest, WritesSendTheirColumnsOnly) {
    struct Case {
        const char* what;
        std::function<void(MstpTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Edit with one block ticked",
         [](MstpTest& t) {
             t.SelectRow(1);
             t.Tick(2, "513,600-601");
             t.dialog->EditButton->Click();
         },
         {"3.1=STRING:" + BlockOctets({513, 600, 601}) + " 24.1=INTEGER:1"},
         2},
        {"Edit with an emptied block and the last block",
         [](MstpTest& t) {
             t.SelectRow(0);
             t.Tick(1, "");
             t.Tick(8, "3585,4094");
             t.dialog->EditButton->Click();
         },
         {"2.0=STRING:" + BlockOctets({}) + " 9.0=STRING:" + BlockOctets({3585, 4094}) + " 24.0=INTEGER:1"},
         2},
        {"Edit rounds the priority down",
         [](MstpTest& t) {
             t.SelectRow(1);
             t.Tick(M::kPriority, "5000");
             t.dialog->EditButton->Click();
         },
         {"12.1=INTEGER:4096 24.1=INTEGER:1"},
         2},
        {"Edit keeps priority 0",
         [](MstpTest& t) {
             t.SelectRow(1);
             t.Tick(M::kPriority, "0");
             t.dialog->EditButton->Click();
         },
         {"12.1=INTEGER:0 24.1=INTEGER:1"},
         2},
        {"Add sends the row status alone",
         [](MstpTest& t) {
             t.dialog->VIDEdit->SetText(QStringLiteral("5"));
             t.Edit(1)->SetText(QStringLiteral("7"));
             t.dialog->AddButton->Click();
         },
         {"24.5=INTEGER:4"},
         3},
        {"Delete destroys the selected instance",
         [](MstpTest& t) {
             t.SelectRow(1);
             t.dialog->DeleteButton->Click();
         },
         {"24.1=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        Settle();
        // The walk after a write may start a moment later on a loaded machine.
        WaitFor([&] { return Rows() == c.rowsAfter && !dialog->Request->Busy; });
        EXPECT_EQ(Sets(kMstp), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(dialog->AddButton->Enabled());
        EXPECT_FALSE(dialog->EditButton->Enabled());
        EXPECT_FALSE(dialog->Include(M::kPriority)->Checked());
        EXPECT_EQ(dialog->Request->Request.List.GetVar(M::kPriority)->Access, unsigned{ACC_READWRITE});
    }
}

TEST_F(MstpTest, ARangeTextOutsideItsBlockIsRefusedAndNothingSent) {
    const struct {
        int column;
        const char* text;
        const char* message;
    } cases[] = {
        {1, "600", "Please input VLAN IDs from 1 to 512, as in 1-3,5."},
        {1, "5-3", "Please input VLAN IDs from 1 to 512, as in 1-3,5."},
        {2, "a", "Please input VLAN IDs from 513 to 1024, as in 1-3,5."},
        {8, "3584", "Please input VLAN IDs from 3585 to 4096, as in 1-3,5."},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages.boxes.clear();
        SelectRow(1);
        Tick(c.column, c.text);
        dialog->EditButton->Click();
        QTest::qWait(30);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sets(kMstp).empty());
        EXPECT_TRUE(dialog->EditButton->Enabled()) << "the row stays selected";
        dialog->Include(c.column)->SetChecked(false);
    }
}

TEST_F(MstpTest, UntickedPriorityIsRoundedOnScreenButNotSent) {
    Open();
    SelectRow(1);
    Edit(M::kPriority)->SetText(QStringLiteral("100"));
    Tick(3, "1100");
    messages.answers = {};
    dialog->EditButton->Click();
    Settle();
    EXPECT_EQ(Sets(kMstp), std::vector<std::string>{"4.1=STRING:" + BlockOctets({1100}) + " 24.1=INTEGER:1"});
}

TEST_F(MstpTest, AddWithoutAnInstanceIdSendsNothing) {
    Open();
    dialog->AddButton->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please input VLAN ID.")});
    EXPECT_TRUE(Sets(kMstp).empty());
}

TEST_F(ErpsTest, OneEntryEditedByItsTickedColumns) {
    Open();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(dialog->ListView1->Item(0)->SubItem(12), QStringLiteral("100-110"));
    dialog->VIDEdit->SetText(QStringLiteral("200"));
    dialog->AddButton->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("The R-APS VLAN already exists.")});
    EXPECT_TRUE(Sets(kErps).empty());
    SelectRow(0);
    EXPECT_EQ(Edit(1)->Text(), QStringLiteral("1"));
    dialog->CheckButton->Click();
    for (int stateColumn : {2, 4, 11, 12}) {
        EXPECT_FALSE(dialog->Include(stateColumn)->Checked()) << stateColumn;
    }
    EXPECT_TRUE(dialog->Include(7)->Checked());
    Screenshot(dialog, "ERPSVLANUnitForm");
    dialog->UncheckButton->Click();
    Tick(1, "3");
    dialog->EditButton->Click();
    Settle();
    EXPECT_EQ(Sets(kErps), std::vector<std::string>{"2.100=INTEGER:3 100.100=INTEGER:1"});
}

TEST_F(ErpsTest, AfterDeleteAddWorksAgain) {
    Open();
    SelectRow(0);
    dialog->DeleteButton->Click();
    Settle();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("0"));
    dialog->VIDEdit->SetText(QStringLiteral("200"));
    dialog->AddButton->Click();
    Settle();
    EXPECT_EQ(Sets(kErps), (std::vector<std::string>{"100.100=INTEGER:6", "100.200=INTEGER:4"}));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Are you sure to delete it?")});
}

} // namespace
} // namespace qs::test
